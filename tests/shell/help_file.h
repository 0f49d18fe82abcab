#pragma once
// A compiled help file read as the help viewer reads it: through the platform's storage for
// compiled help files (itss), not through a reader of our own.
#include <windows.h>
#include <objidl.h>

#include <optional>
#include <string>

namespace tav::test {

class HelpFile {
 public:
  explicit HelpFile(const std::string& path);
  ~HelpFile();
  HelpFile(const HelpFile&) = delete;
  HelpFile& operator=(const HelpFile&) = delete;

  bool opened() const { return storage_ != nullptr; }
  // The file's name without its folder ("setup_pl.chm").
  std::string name() const { return path_.substr(path_.find_last_of("\\/") + 1); }
  // The bytes of one part of the file, named from its root ("/en/index.html"); nothing when
  // the file has no such part.
  std::optional<std::string> read(const std::string& name) const;
  // The page the viewer shows when no page is named ("en/index.html").
  std::string default_topic() const;

 private:
  std::string path_;
  bool com_ = false;
  IStorage* storage_ = nullptr;
};

// The first bytes of a compiled help file: its signature "ITSF" and format version 3.
bool has_compiled_help_header(const std::string& path);

}  // namespace tav::test
