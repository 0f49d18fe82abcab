#pragma once
// The plotter queue file (*.que): a small INI file whose section DEVICE names the plotter
// (NAME), its port (PORT), its driver file (DRIVER, for example "ROLL60A.PLT"), raster
// output (RASTER) and whether the device is a cutter (CUTTER). Other keys and sections
// belong to the programs that plot and are left alone.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/core/ini_document.h"
#include "util/core/text.h"

namespace tav {

inline constexpr const char* kQueueSection = "DEVICE";

// A queue or driver name: the base name of its file, 8 characters, blank-padded.
using PlotterFileName = Field<8>;

struct QueueValues {
  std::string name;    // NAME, at most 255 characters, empty when missing
  std::string driver;  // DRIVER, at most 79 characters, empty when missing
};
QueueValues read_queue_values(const IniDocument& queue);

// Queues that print through an ISO driver (DRIVER starting with "ISO", in exactly that
// case) are not plotters of this program.
bool is_iso_driver(std::string_view driver);

// The driver name a DRIVER value names: the value without its last 4 characters (the
// extension), cut or padded to 8 characters; blank for a value shorter than 5 characters.
PlotterFileName driver_name_of(std::string_view driver);

// The five DEVICE keys of a configured plotter in their order: NAME, PORT "FILE:", DRIVER,
// RASTER "0" and CUTTER "1" or "0".
std::vector<std::pair<std::string, std::string>> queue_keys(std::string_view name, std::string_view driver_file,
                                                            bool cutter);

// The display name of a duplicated plotter: the plotter name, " (", the new queue file's
// name padded with blanks to 12 characters, ")".
std::string duplicate_display_name(std::string_view plotter_name, std::string_view queue_file_name);

// The first free numbered queue name for a driver: "00000000" with the driver name (blanks
// removed) over its beginning and a counter from 2 over its end: one digit below 10, two
// below 100, three below 1000, then six digits with leading zeros ("ROLL60A2", "ROLL6010",
// "ROLL6100", "RO001000"). exists tells whether a queue file of a candidate name is there.
// Nothing when every counter up to 999998 is taken.
std::optional<PlotterFileName> free_queue_name(const PlotterFileName& driver_name,
                                               const std::function<bool(const std::string& name)>& exists);

}  // namespace tav
