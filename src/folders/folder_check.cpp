#include "folders/folder_check.h"

#include <windows.h>

#include <string>

#include "folders/core/system_file.h"
#include "folders/installation_folders.h"
#include "resources/ids.h"
#include "util/program_log.h"

namespace tav {

std::vector<CheckFinding> folder_findings() {
  std::vector<CheckFinding> findings;
  for (const SystemFolder& folder : measurement_system_folders()) {
    const std::string file = "\\taviro\\" + folder.name + "\\" + std::string(kSystemFileName);
    if (!folder.read) {
      findings.push_back({IDS_CHECK_SYSTEM_UNREADABLE, {file, system_error_text(folder.error)}});
      continue;
    }
    switch (system_file_problem(folder.lines, folder.name)) {
      case SystemFileProblem::none:
        break;
      case SystemFileProblem::too_short:
        findings.push_back({IDS_CHECK_SYSTEM_SHORT, {file, std::to_string(folder.lines.size())}});
        break;
      case SystemFileProblem::wrong_code:
        findings.push_back({IDS_CHECK_SYSTEM_CODE, {file, SystemCode(folder.lines[1]).str()}});
        break;
    }
  }
  const auto paths = data_folder_paths();
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const DWORD attributes = GetFileAttributesA(paths[i].c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    findings.push_back({IDS_CHECK_FOLDER_MISSING, {"PATH/" + std::string(kDataFolderKeys[i].key), paths[i]}});
  }
  return findings;
}

}  // namespace tav
