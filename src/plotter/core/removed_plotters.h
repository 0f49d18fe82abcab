#pragma once
// The plotters in the folder for removed plotters ("diverse\" in the plotter folder), as
// Remove left them there, and the plan for bringing one back: its driver file and the queue
// files that name that driver move back into the plotter folder, each under its own name
// or, when that is taken there, under the next free numbered name, as Duplicate finds one.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plotter/core/queue_file.h"

namespace tav {

// A queue file of the folder for removed plotters: its file name and its DEVICE values.
struct RemovedQueue {
  std::string file;
  QueueValues values;
};

// One removed plotter: a driver file with the queue files that name it, or queue files
// whose driver is not in the folder (a removal that was cut short).
struct RemovedPlotter {
  std::string driver_file;               // "ROLL60A.plt"; empty for queue files alone
  std::vector<std::string> queue_files;  // "ROLL60A.que", in listing order
  std::string queue_name;                // NAME of its first queue file; empty when it has none
};

// The removed plotters: one per driver file, in listing order, then one per driver that a
// queue file names but that is not there. A queue's DRIVER names a driver file without
// regard to case ("ROLL60A.PLT" names "roll60a.plt").
std::vector<RemovedPlotter> removed_plotters(const std::vector<std::string>& driver_files,
                                             const std::vector<RemovedQueue>& queues);

// A file on its way back: its name in the folder for removed plotters and in the plotter folder.
struct FileReturn {
  std::string from;
  std::string to;
};

struct ReturnPlan {
  std::optional<FileReturn> driver;
  std::vector<FileReturn> queues;
  // The queues' new DRIVER ("ROLL60A2.PLT") when the driver comes back under another name;
  // empty when it keeps its own.
  std::string driver_value;
};

// Where the plotter's files go; taken tells whether a file name is in use in the plotter
// folder. Nothing when no free numbered name is left.
std::optional<ReturnPlan> plan_return(const RemovedPlotter& plotter,
                                      const std::function<bool(const std::string& file_name)>& taken);

}  // namespace tav
