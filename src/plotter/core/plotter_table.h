#pragma once
// The plotter table: the plotters of the plotter folder as the Plotter page lists them.
// Active entries come from queue files (*.que), in listing order; inactive ones from the
// driver files (*.plt) that no active entry uses, in listing order. The entry number
// (from 1, in table order) is an entry's identity on the page.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plotter/core/queue_file.h"
#include "util/core/text.h"

namespace tav {

inline constexpr int kMaxPlotterNames = 400;    // names per listing of the plotter folder
inline constexpr int kMaxPlotterEntries = 800;  // entries of the table
inline constexpr const char* kDefaultPlotterFolder = "\\taviro\\plotter\\";
inline constexpr const char* kRemovedPlotterFolder = "diverse\\";

// The name under which a file of the folder for removed plotters keeps its contents when a
// file of its name is removed again: its base name with extension "bk" and the first number
// from 0 that `taken` does not report ("ROLL60A.plt" -> "ROLL60A.bk0", "ROLL60A.bk1", ...);
// nothing when a million numbers are taken.
std::optional<std::string> kept_file_name(std::string_view file_name,
                                          const std::function<bool(const std::string& name)>& taken);

struct PlotterEntry {
  PlotterFileName queue_name;  // upper case; blank for an inactive entry
  PlotterFileName driver_name;
  bool active = false;
  Field<256> display_name;
  // The names of its files in the plotter folder as the listing found them, which the
  // actions act on: two names may differ only in case ("ABC.que", "abc.que").
  std::string queue_file;  // empty for an inactive entry
  std::string driver_file;
};

// The plotter folder for the stored PATH/PATHPLOT value, ending in '\'. An empty value
// means the default folder, as for the other data folders of the installation.
std::string plotter_folder(std::string_view stored);
// folder + base name + extension, with every blank after the folder removed.
std::string plotter_file_path(std::string_view folder, std::string_view base_name, std::string_view extension);

// The entry of a listed queue file (queue_name as listed, queue its NAME and DRIVER,
// queue_path its full path), or nothing for a queue that prints through an ISO driver. A
// queue without NAME is listed under its own path.
std::optional<PlotterEntry> active_entry(const PlotterFileName& queue_name, const QueueValues& queue,
                                         std::string_view queue_path);
// The entry of an available driver file, or nothing when it holds no plotter name.
std::optional<PlotterEntry> inactive_entry(const PlotterFileName& driver_name, std::string_view driver_bytes);

// A cell of the list: the text up to its first zero byte, without trailing blanks.
std::string cell_text(std::string_view field);

// One row of the list.
struct PlotterRow {
  int entry = 0;       // the entry number it carries
  std::string marker;  // "*" for an active entry, empty for an inactive one
  std::string display_name;
  std::string driver_name;
  std::string queue_name;
};

class PlotterTable {
 public:
  PlotterTable() { entries_.reserve(kMaxPlotterEntries); }

  int count() const { return static_cast<int>(entries_.size()); }
  bool has_entry(int number) const { return number >= 1 && number <= count(); }
  const PlotterEntry& entry(int number) const { return entries_[static_cast<std::size_t>(number - 1)]; }

  // Appends an entry; false when the table is full.
  bool append(const PlotterEntry& entry);
  void clear() { entries_.clear(); }

  // True when an active entry other than `except` uses the driver (8 characters compared
  // without regard to case).
  bool driver_in_use(const PlotterFileName& driver_name, int except = 0) const;

  // The entry now has a queue file (named after its driver).
  void activate(int number, const std::string& queue_file);
  // The entry has lost its queue file.
  void deactivate(int number);
  // Removes the entry; the entries after it move up one place.
  void remove(int number);

  // The rows of the list: every active entry, and the inactive ones when they are shown.
  std::vector<PlotterRow> rows(bool show_inactive) const;
  PlotterRow row(int number) const;

 private:
  std::vector<PlotterEntry> entries_;
};

}  // namespace tav
