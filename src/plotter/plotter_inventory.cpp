#include "plotter/plotter_inventory.h"

#include <windows.h>

#include <new>
#include <vector>

#include "config/core/profile_rules.h"
#include "config/profile.h"
#include "util/directory_listing.h"

namespace tav {
namespace {

constexpr int kFolderSize = 261;  // PATHPLOT: 260 characters and a terminator

// The base names of the files of the folder that match the pattern ("*.que"), upper case,
// at most 400.
std::vector<PlotterFileName> listed_names(const std::string& folder, const char* pattern) {
  const std::string search = folder + pattern;
  std::vector<FolderNameEntry> table(kMaxPlotterNames);
  const int count = folder_name_table(false, search.c_str(), static_cast<int>(search.size()), table.data(), kMaxPlotterNames);
  std::vector<PlotterFileName> names;
  names.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) names.emplace_back(table[static_cast<std::size_t>(i)].raw().substr(1, 8));
  return names;
}

}  // namespace

std::string installation_plotter_folder() {
  char stored[kFolderSize];
  const int length = profile::get_string("PATH", "PATHPLOT", kDefaultPlotterFolder, stored, kFolderSize, profile::kMainFile);
  return plotter_folder(std::string_view(stored, static_cast<std::size_t>(length)));
}

bool read_whole_file(const char* path, std::string& bytes) {
  bytes.clear();
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = false;
  LARGE_INTEGER size;
  try {
    if (GetFileSizeEx(file, &size) && size.QuadPart >= 0 && size.QuadPart < 0x40000000) {
      bytes.resize(static_cast<std::size_t>(size.QuadPart));
      DWORD done = 0;
      ok = true;
      while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file, &bytes[done], static_cast<DWORD>(bytes.size()) - done, &got, nullptr)) {
          ok = false;
          break;
        }
        if (got == 0) break;
        done += got;
      }
      bytes.resize(ok ? done : 0);
    }
  } catch (const std::bad_alloc&) {
    bytes.clear();
    ok = false;
  }
  CloseHandle(file);
  return ok;
}

bool read_driver_settings_file(const char* path, DriverSettings& values) {
  std::string bytes;
  if (!read_whole_file(path, bytes)) {
    values.bracket_lines = 0;
    return false;
  }
  return read_driver_settings(bytes, values);
}

void scan_plotters(const std::string& folder, PlotterTable& table) {
  table.clear();
  std::string bytes;
  for (const PlotterFileName& name : listed_names(folder, "*.que")) {
    const std::string path = plotter_file_path(folder, name.raw(), ".que");
    // An unreadable queue file reads as an empty one: it is listed under its own path.
    read_whole_file(path.c_str(), bytes);
    if (const auto entry = active_entry(name, IniDocument(std::move(bytes)), path)) table.append(*entry);
  }
  for (const PlotterFileName& name : listed_names(folder, "*.plt")) {
    if (table.driver_in_use(name)) continue;
    const std::string path = plotter_file_path(folder, name.raw(), ".plt");
    if (!read_whole_file(path.c_str(), bytes)) continue;
    if (const auto entry = inactive_entry(name, bytes)) table.append(*entry);
  }
}

}  // namespace tav
