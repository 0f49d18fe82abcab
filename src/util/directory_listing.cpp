#include "util/directory_listing.h"

#include <cstring>
#include <string_view>

#include "util/core/error_report.h"
#include "util/utility_settings.h"

namespace tav {
namespace {

constexpr int kWorkSize = 260;  // the work field of a search: at most 259 characters and a terminator
constexpr int kLongestPattern = kWorkSize - 1;
constexpr int kTablePatternSize = 200;  // the name buffer of the folder name table

// One open search: list_folder has one, the path-exists test another.
struct SearchSlot {
  HANDLE handle = INVALID_HANDLE_VALUE;
  bool open = false;
  std::uint16_t mask = 0;
};

SearchSlot g_listing;
SearchSlot g_path_test;

// SHOW_ALIAS of section OPTIONS, read once per run at the first delivery.
ShowAliasReader g_show_alias_reader = nullptr;
bool g_show_alias_read = false;
bool g_show_alias = false;

bool show_alias() {
  if (!g_show_alias_read) {
    g_show_alias = g_show_alias_reader && g_show_alias_reader();
    g_show_alias_read = true;
  }
  return g_show_alias;
}

void close_search(SearchSlot& slot) {
  if (slot.open) FindClose(slot.handle);
  slot.handle = INVALID_HANDLE_VALUE;
  slot.open = false;
}

// Copies the first length characters of text into work and terminates it.
void make_work_field(char (&work)[kWorkSize], const char* text, int length) {
  if (length > 0) std::memcpy(work, text, static_cast<std::size_t>(length));
  work[length] = '\0';
}

// The start steps shared by list_folder and the path-exists test: drive ready on the first three
// characters, find-first, and once more on the short path form when the system reports no
// more files.
ListStatus start_search(SearchSlot& slot, char (&work)[kWorkSize], std::uint16_t mask, WIN32_FIND_DATAA& found) {
  close_search(slot);
  char root[4] = {};
  for (int i = 0; i < 3 && work[i] != '\0'; ++i) root[i] = work[i];
  if (drive_ready(root) == 0) return ListStatus::not_started;

  HANDLE handle = FindFirstFileA(work, &found);
  if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_NO_MORE_FILES) {
    char shorter[kWorkSize];
    const DWORD n = GetShortPathNameA(work, shorter, kWorkSize);
    if (n > 0 && n < static_cast<DWORD>(kWorkSize)) std::memcpy(work, shorter, n + 1);
    handle = FindFirstFileA(work, &found);
  }
  if (handle == INVALID_HANDLE_VALUE)
    return GetLastError() == ERROR_NO_MORE_FILES ? ListStatus::no_more : ListStatus::not_started;
  slot.handle = handle;
  slot.open = true;
  slot.mask = mask;
  return ListStatus::delivered;
}

// Finds the next entry; a failure closes the search.
ListStatus next_entry(SearchSlot& slot, WIN32_FIND_DATAA& found) {
  if (!slot.open) return ListStatus::invalid_handle;  // the system's answer for a handle that is not open
  if (FindNextFileA(slot.handle, &found)) return ListStatus::delivered;
  const DWORD error = GetLastError();
  close_search(slot);
  if (error == ERROR_NO_MORE_FILES) return ListStatus::no_more;
  if (error == ERROR_INVALID_HANDLE) return ListStatus::invalid_handle;
  return ListStatus::failed;
}

template <std::size_t N>
std::string_view text_of(const char (&field)[N]) {
  return std::string_view(field, static_cast<std::size_t>(terminated_length(field, static_cast<int>(N))));
}

// Delivers the found entry (after skipping entries outside the attribute mask) into the
// caller's fields.
ListStatus deliver(WIN32_FIND_DATAA& found, char* name, int declared_length, int& name_length,
                   std::uint16_t& attributes, ListingEntry& entry) {
  while (g_listing.mask != 0 && (found.dwFileAttributes & g_listing.mask) == 0) {
    const ListStatus status = next_entry(g_listing, found);
    if (status != ListStatus::delivered) return status;
  }
  const std::string_view chosen =
      listed_name(text_of(found.cFileName), text_of(found.cAlternateFileName), show_alias());
  const int room = declared_length < kWorkSize ? declared_length : kWorkSize;
  const int copied = static_cast<int>(chosen.size()) < room ? static_cast<int>(chosen.size()) : room;
  if (declared_length > 0) {
    std::memcpy(name, chosen.data(), static_cast<std::size_t>(copied));
    std::memset(name + copied, ' ', static_cast<std::size_t>(declared_length - copied));
  }
  name_length = significant_length(name, copied);
  attributes = static_cast<std::uint16_t>(found.dwFileAttributes);
  entry = listing_entry_of(found);
  return ListStatus::delivered;
}

}  // namespace

int drive_ready(const char* root) {
  const UINT type = GetDriveTypeA(root);
  switch (type) {
    case DRIVE_REMOVABLE:
    case DRIVE_FIXED: {
      char volume[261];
      char file_system[41];
      DWORD serial = 0, longest = 0, flags = 0;
      const bool ready = GetVolumeInformationA(root, volume, sizeof volume, &serial, &longest, &flags, file_system,
                                               sizeof file_system) != 0;
      return ready ? static_cast<int>(type) : 0;
    }
    case DRIVE_REMOTE:
    case DRIVE_CDROM: {
      ULARGE_INTEGER available, total, free;
      return GetDiskFreeSpaceExA(root, &available, &total, &free) ? static_cast<int>(type) : 0;
    }
    default:
      return static_cast<int>(type);
  }
}

ListingEntry listing_entry_of(const WIN32_FIND_DATAA& found) {
  ListingEntry entry;
  entry.size = static_cast<std::int32_t>(found.nFileSizeLow);
  FILETIME time = found.ftLastWriteTime;
  const bool created_known = found.ftCreationTime.dwLowDateTime != 0 || found.ftCreationTime.dwHighDateTime != 0;
  if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && created_known) time = found.ftCreationTime;
  FILETIME local;
  SYSTEMTIME parts;
  if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &parts)) {
    report_system_error("list_folder-1", static_cast<long>(GetLastError()));
    return entry;
  }
  entry.year = static_cast<std::int16_t>(parts.wYear);
  entry.month = static_cast<std::int16_t>(parts.wMonth);
  entry.day = static_cast<std::int16_t>(parts.wDay);
  entry.hour = static_cast<std::int16_t>(parts.wHour);
  entry.minute = static_cast<std::int16_t>(parts.wMinute);
  entry.second = static_cast<std::int16_t>(parts.wSecond);
  return entry;
}

ListStatus list_folder(ListStep step, char* name, int declared_length, int& name_length, std::uint16_t& attributes,
                       ListingEntry& entry) {
  if (declared_length < 0) declared_length = 0;
  WIN32_FIND_DATAA found;
  switch (step) {
    case ListStep::start: {
      close_search(g_listing);
      int length = name_length < declared_length ? name_length : declared_length;
      length = significant_length(name, length < 0 ? 0 : length);
      // A longer pattern cut to fit would search another folder or pattern.
      if (length > kLongestPattern) return ListStatus::not_started;
      char work[kWorkSize];
      make_work_field(work, name, length);
      const ListStatus status = start_search(g_listing, work, attributes, found);
      if (status != ListStatus::delivered) return status;
      return deliver(found, name, declared_length, name_length, attributes, entry);
    }
    case ListStep::next: {
      const ListStatus status = next_entry(g_listing, found);
      if (status != ListStatus::delivered) return status;
      return deliver(found, name, declared_length, name_length, attributes, entry);
    }
    case ListStep::close:
      close_search(g_listing);
      return ListStatus::delivered;
  }
  return ListStatus::failed;
}

int folder_name_table(bool directories, const char* pattern, int pattern_length, FolderNameEntry* table,
                      int max_entries) {
  if (pattern_length < 0) pattern_length = 0;
  if (significant_length(pattern, pattern_length) > kTablePatternSize) return 0;
  char buffer[kTablePatternSize];
  const int copied = pattern_length < kTablePatternSize ? pattern_length : kTablePatternSize;
  std::memcpy(buffer, pattern, static_cast<std::size_t>(copied));
  std::memset(buffer + copied, ' ', static_cast<std::size_t>(kTablePatternSize - copied));

  int count = 0;
  int length = copied;
  std::uint16_t attributes = 0;  // no attribute mask: every entry is looked at here
  ListingEntry entry;
  ListStatus status = list_folder(ListStep::start, buffer, kTablePatternSize, length, attributes, entry);
  while (status == ListStatus::delivered && count < max_entries) {
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool hidden_system = (attributes & FILE_ATTRIBUTE_HIDDEN) && (attributes & FILE_ATTRIBUTE_SYSTEM);
    const bool wanted = directories ? (folder && !hidden_system) : !folder;
    if (wanted && make_folder_name_entry(std::string_view(buffer, static_cast<std::size_t>(length)), table[count])) {
      ++count;
    }
    if (count < max_entries) status = list_folder(ListStep::next, buffer, kTablePatternSize, length, attributes, entry);
  }
  // A full table leaves the search open; close it rather than hold the folder until the next start.
  if (status == ListStatus::delivered)
    list_folder(ListStep::close, buffer, kTablePatternSize, length, attributes, entry);
  return count;
}

bool path_exists(const char* path, int length) {
  length = significant_length(path, length < 0 ? 0 : length);
  if (length > kLongestPattern) {
    report_bad_argument("path_exists-1");
    return false;
  }
  // A wildcard would make any matching entry count as this path.
  if (std::string_view(path, static_cast<std::size_t>(length)).find_first_of("*?") != std::string_view::npos) {
    return false;
  }
  char work[kWorkSize];
  make_work_field(work, path, length);
  WIN32_FIND_DATAA found;
  const ListStatus status = start_search(g_path_test, work, 0, found);
  close_search(g_path_test);
  return status == ListStatus::delivered;
}

void set_show_alias_reader(ShowAliasReader reader) {
  g_show_alias_reader = reader;
  g_show_alias_read = false;
}

}  // namespace tav
