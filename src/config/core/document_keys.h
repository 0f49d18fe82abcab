#pragma once
// The catalogue's key reader and writer on an INI document in memory, with the reading and
// writing rules of the profile functions.

#include "config/core/ini_document.h"
#include "config/core/key_catalogue.h"

namespace tav {

class DocumentKeyReader : public KeyReader {
 public:
  explicit DocumentKeyReader(const IniDocument& document) : document_(document) {}
  std::string text(std::string_view section, std::string_view key, std::string_view default_text, int size) override;
  int integer(std::string_view section, std::string_view key, int default_value) override;

 private:
  const IniDocument& document_;
};

class DocumentKeyWriter : public KeyWriter {
 public:
  explicit DocumentKeyWriter(IniDocument& document) : document_(document) {}
  void text(std::string_view section, std::string_view key, std::string_view value) override;
  void integer(std::string_view section, std::string_view key, int value) override;
  void flag(std::string_view section, std::string_view key, bool flag) override;

 private:
  IniDocument& document_;
};

}  // namespace tav
