#include "plotter/plotter_check.h"

#include <string>

#include "plotter/plotter_inventory.h"
#include "resources/ids.h"
#include "util/program_log.h"

namespace tav {

std::vector<CheckFinding> plotter_findings() {
  using Reason = LeftOutPlotterFile::Reason;
  const std::string folder = installation_plotter_folder();
  PlotterTable table;
  std::vector<LeftOutPlotterFile> left_out;
  scan_plotters(folder, table, &left_out);
  std::vector<CheckFinding> findings;
  for (const LeftOutPlotterFile& file : left_out) {
    const std::string path = folder + file.file;
    switch (file.reason) {
      case Reason::iso_driver:
        findings.push_back({IDS_CHECK_QUEUE_ISO, {path, file.detail}});
        break;
      case Reason::driver_missing:
        findings.push_back({IDS_CHECK_QUEUE_NO_DRIVER, {path, file.detail}});
        break;
      case Reason::unreadable:
        findings.push_back({IDS_CHECK_DRIVER_UNREADABLE, {path, system_error_text(file.error)}});
        break;
      case Reason::too_few_lines:
        findings.push_back({IDS_CHECK_DRIVER_FEW_LINES, {path, std::to_string(file.bracket_lines)}});
        break;
      case Reason::no_name:
        findings.push_back({IDS_CHECK_DRIVER_NO_NAME, {path}});
        break;
    }
  }
  return findings;
}

}  // namespace tav
