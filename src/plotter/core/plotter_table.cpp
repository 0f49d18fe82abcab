#include "plotter/core/plotter_table.h"

#include "plotter/core/driver_file.h"

namespace tav {

std::string plotter_folder(std::string_view stored) {
  const std::size_t used = stored.find_last_not_of(' ');
  if (used == std::string_view::npos) return kDefaultPlotterFolder;
  std::string folder(stored.substr(0, used + 1));
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

std::string plotter_file_path(std::string_view folder, std::string_view base_name, std::string_view extension) {
  std::string path(folder);
  for (std::string_view part : {base_name, extension}) {
    for (char c : part) {
      if (c != ' ') path += c;
    }
  }
  return path;
}

std::optional<PlotterEntry> active_entry(const PlotterFileName& queue_name, const QueueValues& values,
                                         std::string_view queue_path) {
  if (is_iso_driver(values.driver)) return std::nullopt;
  PlotterEntry entry;
  entry.queue_name = queue_name;
  to_upper_case(entry.queue_name.data(), entry.queue_name.size());
  entry.driver_name = driver_name_of(values.driver);
  entry.active = true;
  entry.display_name.assign(values.name.empty() ? queue_path : std::string_view(values.name));
  return entry;
}

std::optional<std::string> kept_file_name(std::string_view file_name,
                                          const std::function<bool(const std::string& name)>& taken) {
  constexpr int kNumbers = 1000000;
  const std::string base(file_name.substr(0, file_name.rfind('.')));
  for (int number = 0; number < kNumbers; ++number) {
    std::string name = base + ".bk" + std::to_string(number);
    if (!taken(name)) return name;
  }
  return std::nullopt;
}

std::optional<PlotterEntry> inactive_entry(const PlotterFileName& driver_name, std::string_view driver_bytes) {
  const std::optional<std::string> name = listed_plotter_name(driver_bytes);
  if (!name) return std::nullopt;
  PlotterEntry entry;
  entry.driver_name = driver_name;
  entry.display_name.assign(*name);
  return entry;
}

std::string cell_text(std::string_view field) {
  field = field.substr(0, field.find('\0'));
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  return std::string(field);
}

bool PlotterTable::append(const PlotterEntry& entry) {
  if (count() >= kMaxPlotterEntries) return false;
  entries_.push_back(entry);
  return true;
}

bool PlotterTable::driver_in_use(const PlotterFileName& driver_name, int except) const {
  for (int number = 1; number <= count(); ++number) {
    const PlotterEntry& other = entry(number);
    if (number != except && other.active &&
        same_text(other.driver_name.data(), driver_name.data(), driver_name.size())) {
      return true;
    }
  }
  return false;
}

void PlotterTable::activate(int number, const std::string& queue_file) {
  PlotterEntry& changed = entries_[static_cast<std::size_t>(number - 1)];
  changed.active = true;
  changed.queue_name = changed.driver_name;
  changed.queue_file = queue_file;
}

void PlotterTable::deactivate(int number) {
  PlotterEntry& changed = entries_[static_cast<std::size_t>(number - 1)];
  changed.active = false;
  changed.queue_name.clear();
  changed.queue_file.clear();
}

void PlotterTable::remove(int number) { entries_.erase(entries_.begin() + (number - 1)); }

PlotterRow PlotterTable::row(int number) const {
  const PlotterEntry& shown = entry(number);
  return PlotterRow{number, shown.active ? "*" : "", cell_text(shown.display_name.raw()),
                    cell_text(shown.driver_name.raw()), cell_text(shown.queue_name.raw())};
}

std::vector<PlotterRow> PlotterTable::rows(bool show_inactive) const {
  std::vector<PlotterRow> shown;
  for (int number = 1; number <= count(); ++number) {
    if (entry(number).active || show_inactive) shown.push_back(row(number));
  }
  return shown;
}

}  // namespace tav
