#include "language/language_folders.h"

#include <memory>
#include <new>

#include "language/core/language_rules.h"
#include "util/directory_listing.h"

namespace tav {
namespace {

constexpr int kMaxLanguageFolders = 1000;

}  // namespace

std::string description_text(const profile::ProfileSnapshot& file, const char* key) {
  char text[256] = {};
  const int length = file.get_string("LANGUAGE", key, "", text, static_cast<int>(sizeof text));
  return std::string(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::vector<LanguageFolder> language_folders(int installed_version) {
  using Verdict = LanguageFolder::Verdict;
  std::vector<LanguageFolder> found;
  std::unique_ptr<FolderNameEntry[]> folders(new (std::nothrow) FolderNameEntry[kMaxLanguageFolders]);
  if (!folders) return found;
  const char pattern[] = "\\taviro\\0???";
  const int count =
      folder_name_table(true, pattern, static_cast<int>(sizeof pattern - 1), folders.get(), kMaxLanguageFolders);
  for (int i = 0; i < count; ++i) {
    LanguageFolder folder;
    // An entry is a blank followed by the folder name.
    folder.code.assign(folders[static_cast<std::size_t>(i)].data() + 1, 4);
    const profile::ProfileSnapshot description(("\\taviro\\" + folder.code + "\\language.ini").c_str());
    const std::string exact = description_text(description, "NAMEEXACT");
    folder.version = description.get_int("LANGUAGE", "VERSION", 0);
    const std::optional<int> number = folder_language_number(folder.code);
    if (exact.empty()) {
      folder.verdict = Verdict::no_name;
    } else if (!language_listed(folder.version, installed_version)) {
      folder.verdict = Verdict::other_version;
    } else if (!number) {
      folder.verdict = Verdict::not_a_number;
    } else {
      folder.number = *number;
      folder.item = language_item(exact, description_text(description, "NAMEENGLISH"));
    }
    found.push_back(std::move(folder));
  }
  return found;
}

}  // namespace tav
