#include "folders/core/drive_rules.h"

#include <algorithm>

namespace tav {
namespace {

constexpr std::size_t kMostLetters = 30;

char upper_letter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool is_present(char letter, std::uint32_t present_drives) {
  const char c = upper_letter(letter);
  return c >= 'A' && c <= 'Z' && (present_drives >> (c - 'A') & 1u) != 0;
}

bool contains_letter(std::string_view letters, char letter) {
  return std::any_of(letters.begin(), letters.end(), [&](char c) { return upper_letter(c) == upper_letter(letter); });
}

bool before(char a, char b) { return upper_letter(a) < upper_letter(b); }

}  // namespace

std::string drive_entry(char letter) { return std::string(" ") + letter + ":"; }

char letter_of_entry(std::string_view entry) { return entry.size() >= 2 ? entry[1] : '\0'; }

bool listable_drive_type(int type) { return type != kDriveUnknown && type != kDriveNoRoot && type != kDriveCdRom; }

bool startup_drive_type(int type) { return type == kDriveFixed || type == kDriveRemote || type == kDriveRamDisk; }

CheckedLetters check_installation_letters(std::string_view letters, std::uint32_t present_drives,
                                          const DriveTypeOf& type_of) {
  CheckedLetters checked;
  for (char letter : letters) {
    if (!is_present(letter, present_drives)) {
      checked.letters += letter;
      checked.absent += letter;
      continue;
    }
    if (!listable_drive_type(type_of(letter))) continue;
    checked.letters += letter;
    if (!contains_letter(std::string_view(checked.listed.data(), checked.listed.size()), letter)) {
      checked.listed.push_back(letter);
    }
  }
  std::stable_sort(checked.listed.begin(), checked.listed.end(), before);
  return checked;
}

std::vector<char> other_drives(std::string_view letters, const std::vector<DriveRoot>& roots) {
  std::vector<char> others;
  for (const DriveRoot& root : roots) {
    const char letter = upper_letter(root.letter);
    if (!contains_letter(letters, letter) && listable_drive_type(root.type)) others.push_back(letter);
  }
  return others;
}

std::string rebuilt_letters(const std::vector<std::string>& entries, std::string_view absent) {
  std::string listed;
  for (const std::string& entry : entries) listed += letter_of_entry(entry);
  std::string hidden(absent);
  std::stable_sort(hidden.begin(), hidden.end(), before);
  std::string letters;
  std::merge(listed.begin(), listed.end(), hidden.begin(), hidden.end(), std::back_inserter(letters), before);
  if (letters.size() > kMostLetters) letters.resize(kMostLetters);
  return letters;
}

int automatic_startup_entry(const std::vector<std::string>& entries, const DriveTypeOf& type_of) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (startup_drive_type(type_of(letter_of_entry(entries[i])))) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace tav
