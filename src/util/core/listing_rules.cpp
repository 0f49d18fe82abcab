#include "util/core/listing_rules.h"

namespace tav {

bool has_8_3_form(std::string_view name) {
  if (name.size() > 12) return false;
  if (name.find(' ') != std::string_view::npos) return false;
  const std::size_t dot = name.find('.');
  if (dot == std::string_view::npos) return name.size() <= 8;
  return dot <= 8 && name.size() - dot - 1 <= 3;
}

std::string_view listed_name(std::string_view long_name, std::string_view alternate_name, bool show_alias) {
  if (alternate_name.empty()) return long_name;
  if (show_alias || !has_8_3_form(long_name)) return alternate_name;
  return long_name;
}

bool make_folder_name_entry(std::string_view name, FolderNameEntry& entry) {
  const std::string_view base = name.substr(0, name.find('.'));
  if (base.empty()) return false;
  entry.clear();
  entry.data()[0] = ' ';
  const std::size_t kept = base.size() < 8 ? base.size() : 8;
  for (std::size_t i = 0; i < kept; ++i) entry[i + 1] = base[i];
  to_upper_case(entry.data(), FolderNameEntry::size());
  return true;
}

}  // namespace tav
