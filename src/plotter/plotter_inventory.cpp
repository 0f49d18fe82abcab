#include "plotter/plotter_inventory.h"

#include <windows.h>

#include <new>
#include <set>
#include <vector>

#include "util/atomic_file.h"
#include "config/core/profile_rules.h"
#include "config/profile.h"
#include "util/core/listing_rules.h"
#include "util/directory_listing.h"

namespace tav {
namespace {

constexpr int kFolderSize = 261;  // PATHPLOT: 260 characters and a terminator

constexpr int kPatternSize = 200;  // the longest pattern of a folder name table

struct ListedFile {
  PlotterFileName name;  // as the folder name table gives it: cut at the first dot, 8 characters, upper case
  std::string path;      // folder + name + extension
};

// The files of the folder that match the pattern ("*.que"), at most 400, each named as the
// folder name table names it. A file is opened by the name the listing delivered when that
// is the same name as folder + table name + extension: on a file system that compares names
// with regard to case (Wine on Linux), a name of other case would be looked up by a search
// through the whole folder for each file.
std::vector<ListedFile> listed_files(const std::string& folder, const char* pattern, const char* extension) {
  std::vector<ListedFile> files;
  const std::string search = folder + pattern;
  if (search.size() > static_cast<std::size_t>(kPatternSize)) return files;
  char name[kFolderSize] = {};
  search.copy(name, search.size());
  int length = static_cast<int>(search.size());
  std::uint16_t attributes = 0;
  ListingEntry entry;
  ListStatus status = list_folder(ListStep::start, name, kFolderSize - 1, length, attributes, entry);
  while (status == ListStatus::delivered && files.size() < static_cast<std::size_t>(kMaxPlotterNames)) {
    FolderNameEntry table_entry;
    const std::string_view delivered(name, static_cast<std::size_t>(length));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) && make_folder_name_entry(delivered, table_entry)) {
      ListedFile file{PlotterFileName(table_entry.raw().substr(1, 8)), {}};
      file.path = plotter_file_path(folder, file.name.raw(), extension);
      const std::size_t tail = file.path.size() - folder.size();
      if (delivered.size() == tail &&
          same_text(delivered.data(), file.path.data() + folder.size(), static_cast<int>(tail))) {
        file.path.replace(folder.size(), tail, delivered);
      }
      files.push_back(std::move(file));
    }
    status = list_folder(ListStep::next, name, kFolderSize - 1, length, attributes, entry);
  }
  list_folder(ListStep::close, name, kFolderSize - 1, length, attributes, entry);
  return files;
}

// The driver file of a queue whose DRIVER is `driver` (driver name `name`): the listed file
// of exactly that name, else a listed one of the same driver name (without regard to case),
// else the driver name with ".PLT", as the queue file names it.
std::string listed_driver_file(std::string_view driver, const PlotterFileName& name,
                               const std::vector<ListedFile>& drivers, const std::string& folder) {
  const ListedFile* same_name = nullptr;
  for (const ListedFile& listed : drivers) {
    const std::string_view file = std::string_view(listed.path).substr(folder.size());
    if (file == driver) return std::string(file);
    if (!same_name && same_text(listed.name.data(), name.data(), name.size())) same_name = &listed;
  }
  return same_name ? same_name->path.substr(folder.size()) : plotter_file_path("", name.raw(), ".PLT");
}

}  // namespace

std::string installation_plotter_folder() {
  char stored[kFolderSize];
  const int length =
      profile::get_string("PATH", "PATHPLOT", kDefaultPlotterFolder, stored, kFolderSize, profile::kMainFile);
  return plotter_folder(std::string_view(stored, static_cast<std::size_t>(length)));
}

std::vector<std::string> plotter_file_names(const std::string& folder, const char* pattern, const char* extension) {
  std::vector<std::string> names;
  for (const ListedFile& file : listed_files(folder, pattern, extension))
    names.push_back(file.path.substr(folder.size()));
  return names;
}

bool read_driver_settings_file(const char* path, DriverSettings& values) {
  std::string bytes;
  if (read_file(path, bytes) != FileRead::read) {
    values.bracket_lines = 0;
    return false;
  }
  return read_driver_settings(bytes, values);
}

void scan_plotters(const std::string& folder, PlotterTable& table, std::vector<LeftOutPlotterFile>* left_out) {
  using Reason = LeftOutPlotterFile::Reason;
  const auto leave_out = [left_out](const std::string& path, std::size_t folder_size, Reason reason,
                                    std::string detail = {}, int lines = 0, unsigned long error = 0) {
    if (left_out) left_out->push_back({path.substr(folder_size), reason, std::move(detail), lines, error});
  };
  table.clear();
  std::string bytes;
  const std::vector<ListedFile> drivers = listed_files(folder, "*.plt", ".plt");
  // The drivers of the listed queues in upper case, as the listing names the driver files;
  // one look-up per driver file instead of a comparison with every queue.
  std::set<std::string> drivers_in_use;
  for (const ListedFile& queue : listed_files(folder, "*.que", ".que")) {
    // Read as every INI file is (in UTF-16 too); an unreadable queue file reads as an empty
    // one. It is listed under the path the other TAVIRO programs name it by.
    const QueueValues values = read_queue_values(profile::ProfileSnapshot(queue.path.c_str()).document());
    const std::string shown_path = plotter_file_path(folder, queue.name.raw(), ".que");
    auto entry = active_entry(queue.name, values, shown_path);
    if (!entry) {
      leave_out(queue.path, folder.size(), Reason::iso_driver, values.driver);
      continue;
    }
    entry->queue_file = queue.path.substr(folder.size());
    entry->driver_file = listed_driver_file(values.driver, entry->driver_name, drivers, folder);
    if (left_out && GetFileAttributesA((folder + entry->driver_file).c_str()) == INVALID_FILE_ATTRIBUTES) {
      leave_out(queue.path, folder.size(), Reason::driver_missing, values.driver);
    }
    if (!table.append(*entry)) continue;
    PlotterFileName driver = entry->driver_name;
    to_upper_case(driver.data(), driver.size());
    drivers_in_use.insert(std::string(driver.raw()));
  }
  for (const ListedFile& driver : drivers) {
    if (drivers_in_use.count(std::string(driver.name.raw())) > 0) continue;
    if (read_file(driver.path.c_str(), bytes) != FileRead::read) {
      leave_out(driver.path, folder.size(), Reason::unreadable, {}, 0, GetLastError());
      continue;
    }
    auto entry = inactive_entry(driver.name, bytes);
    if (!entry) {
      const PlotterNameLine line = plotter_name_line(bytes);
      const bool too_few = line.closed_lines < kPlotterNameLine;
      leave_out(driver.path, folder.size(), too_few ? Reason::too_few_lines : Reason::no_name, {}, line.closed_lines);
      continue;
    }
    entry->driver_file = driver.path.substr(folder.size());
    table.append(*entry);
  }
}

}  // namespace tav
