#pragma once
// The plotter folder of the installation and what it holds: the inventory scan that builds
// the plotter table from its queue and driver files, and the reading of driver files.

#include <string>
#include <vector>

#include "plotter/core/driver_file.h"
#include "plotter/core/plotter_table.h"

namespace tav {

// The plotter folder (PATH/PATHPLOT of the main configuration file), ending in '\'.
std::string installation_plotter_folder();

// A file of the plotter folder that the Plotter page does not list, or lists but cannot use.
struct LeftOutPlotterFile {
  enum class Reason {
    iso_driver,      // a queue that prints through an ISO driver (detail: its DRIVER)
    driver_missing,  // a queue whose driver file is not in the folder (detail: its DRIVER)
    unreadable,      // a driver file that cannot be read (error)
    too_few_lines,   // a driver file with fewer than 51 bracket lines (bracket_lines)
    no_name,         // a driver file whose bracket line 51 is empty
  };
  std::string file;  // its name in the plotter folder
  Reason reason;
  std::string detail;
  int bracket_lines = 0;
  unsigned long error = 0;
};

// Builds the table anew from the plotter folder: the queue files that do not print through
// an ISO driver, then the driver files that no listed queue uses and that name their
// plotter; at most 400 files of each kind. A missing or empty folder gives an empty table.
// With left_out, the files the table leaves out or cannot use are added to it, with why.
void scan_plotters(const std::string& folder, PlotterTable& table, std::vector<LeftOutPlotterFile>* left_out = nullptr);

// The names of the files of the folder that match the pattern ("*.que") and end in the
// extension (".que"), as the inventory scan lists them, at most 400.
std::vector<std::string> plotter_file_names(const std::string& folder, const char* pattern, const char* extension);

// Reads the settings of the driver file at path into values; false when the file cannot be
// read or holds fewer than 2 bracket lines.
bool read_driver_settings_file(const char* path, DriverSettings& values);

}  // namespace tav
