#include "folders/core/system_file.h"

#include <algorithm>

namespace tav {
namespace {

constexpr std::size_t kFirstFolderLine = 4;        // 0-based index of line 5
constexpr std::size_t kAlternativeNameColumn = 9;  // 0-based index of column 10

std::string without_trailing_blanks(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  return std::string(text.substr(0, end));
}

std::string upper(std::string text) {
  to_upper_case(text.data(), static_cast<int>(text.size()));
  return text;
}
std::string lower(std::string text) {
  to_lower_case(text.data(), static_cast<int>(text.size()));
  return text;
}

// The code in the form the folder names use: lower case, blanks removed.
std::string folder_code(const SystemCode& code) {
  Field<7> squeezed = code;
  const int n = squeeze(squeezed.data(), squeezed.size());
  return lower(std::string(squeezed.data(), static_cast<std::size_t>(n)));
}

// The standard folder of a system's data folder on the base drive ("\\taviro\\dob\\mas\\").
std::string standard_folder(const std::string& code, std::size_t folder) {
  return "\\taviro\\" + code + "\\" + std::string(kSystemFolderNames[folder]) + "\\";
}

// A data folder's line read as a path: "*" and "|" count as blanks.
std::string path_of_line(std::string_view line) {
  std::string path(line);
  std::replace(path.begin(), path.end(), '*', ' ');
  std::replace(path.begin(), path.end(), '|', ' ');
  return without_trailing_blanks(path);
}

// The drive of a folder line ("e:\..." gives "E:"), empty for a line without one.
std::string drive_of_line(std::string_view line) {
  if (line.size() < 2 || line[1] != ':') return "";
  return upper(std::string(line.substr(0, 2)));
}

}  // namespace

std::vector<std::string> split_lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string join_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += without_trailing_blanks(line);
    text += "\r\n";
  }
  return text;
}

std::optional<SystemRow> system_row(const std::vector<std::string>& lines) {
  if (lines.size() < 2) return std::nullopt;
  const std::string_view name_line = lines[0];
  const std::string_view code_line = lines[1];
  SystemRow row;
  row.code = upper(without_trailing_blanks(code_line.substr(0, SystemCode::size())));
  const std::string_view alternative =
      code_line.size() > kAlternativeNameColumn ? code_line.substr(kAlternativeNameColumn, kSystemNameLength) : "";
  row.name = without_trailing_blanks(
      !alternative.empty() && alternative[0] != ' ' ? alternative : name_line.substr(0, kSystemNameLength));
  row.drive.assign(1, '-');
  if (lines.size() > 3 && !lines[3].empty() && lines[3][0] == '#') {
    // Each drive the folder lines name, once; a line without a drive is on the base drive.
    std::vector<std::string> drives;
    for (std::size_t i = kFirstFolderLine; i < lines.size() && i < kFirstFolderLine + kSystemFolderCount; ++i) {
      if (path_of_line(lines[i]).empty()) continue;
      std::string drive = drive_of_line(lines[i]);
      if (drive.empty()) drive = "-";
      if (std::find(drives.begin(), drives.end(), drive) == drives.end()) drives.push_back(drive);
    }
    for (std::size_t i = 0; i < drives.size(); ++i) row.drive = i == 0 ? drives[i] : row.drive + ", " + drives[i];
  }
  return row;
}

SystemFileProblem system_file_problem(const std::vector<std::string>& lines, std::string_view folder_name) {
  if (lines.size() < kSystemFileLeastLines) return SystemFileProblem::too_short;
  return folder_code(SystemCode(lines[1])) == lower(std::string(folder_name)) ? SystemFileProblem::none
                                                                              : SystemFileProblem::wrong_code;
}

std::optional<std::array<std::string, kSystemFolderCount>> system_data_folders(const std::vector<std::string>& lines) {
  if (lines.size() < 2) return std::nullopt;
  const bool own_drive = lines.size() > 3 && !lines[3].empty() && lines[3][0] == '#';
  const std::string code = folder_code(SystemCode(lines[1]));
  std::array<std::string, kSystemFolderCount> folders;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    const std::size_t line = kFirstFolderLine + i;
    if (own_drive) {
      folders[i] = line < lines.size() ? path_of_line(lines[line]) : std::string();
    } else {
      folders[i] = standard_folder(code, i);
    }
  }
  return folders;
}

RelocationTarget target_of_entry(std::string_view entry) {
  if (entry.empty() || entry[0] == '<') return {};
  return {upper(std::string(entry.substr(0, 2)))};
}

SystemRelocationPlan plan_system_relocation(const std::vector<std::string>& lines, const SystemCode& code,
                                            const RelocationTarget& target, bool keep_export,
                                            std::string_view current_directory) {
  SystemRelocationPlan plan;
  plan.target_is_drive = target.is_drive();
  if (lines.size() < kSystemFileLeastLines) {
    plan.status = kSystemTooShort;
    return plan;
  }
  plan.head.assign(lines.begin(), lines.begin() + 3);
  plan.head.push_back(lines.size() > 3 ? lines[3] : std::string());
  // Line 2 begins with the code: its first 7 characters, blank-padded, without regard to case.
  const SystemCode line_code(plan.head[1]);
  if (!same_text(line_code.data(), code.data(), SystemCode::size())) {
    plan.status = kSystemWrongCode;
    return plan;
  }
  plan.old_flag = !plan.head[3].empty() && plan.head[3][0] == '#';
  if (!plan.old_flag && !plan.target_is_drive) return plan;  // already on the base drive
  plan.rewrite = true;

  const std::string name = folder_code(code);
  const std::string new_base = target.drive + "\\taviro\\" + name;
  for (int i = 0; i < kSystemFolderCount; ++i) {
    SystemFolderMove& folder = plan.folders[static_cast<std::size_t>(i)];
    const std::size_t line = kFirstFolderLine + static_cast<std::size_t>(i);
    const std::string folder_name(kSystemFolderNames[static_cast<std::size_t>(i)]);
    const std::string standard = standard_folder(name, static_cast<std::size_t>(i));
    folder.new_path = new_base + "\\" + folder_name + "\\";
    if (plan.old_flag) {
      folder.old_line = line < lines.size() ? without_trailing_blanks(lines[line]) : std::string();
      folder.old_path = path_of_line(folder.old_line);
    } else {
      folder.old_line = folder.old_path = standard;
    }
    folder.action = (i == kExportFolder && keep_export)
                        ? FolderAction::stay
                        : folder_action(folder.old_path, folder.new_path, current_directory);
  }
  if (lines.size() > kFirstFolderLine + kSystemFolderCount) {
    plan.tail.assign(lines.begin() + kFirstFolderLine + kSystemFolderCount, lines.end());
  }
  return plan;
}

std::vector<std::string> relocated_system_lines(const SystemRelocationPlan& plan,
                                                const std::array<bool, kSystemFolderCount>& stays_behind) {
  std::vector<std::string> lines = plan.head;
  // A folder left behind on a drive of its own needs "#", or its line would not be read.
  bool own_folder_left = false;
  for (int i = 0; i < kSystemFolderCount; ++i) {
    const std::size_t index = static_cast<std::size_t>(i);
    const FolderAction action = plan.folders[index].action;
    const bool behind = action == FolderAction::blocked || (action == FolderAction::move && stays_behind[index]);
    lines.push_back(behind ? plan.folders[index].old_line : plan.folders[index].new_path);
    if (behind && plan.old_flag) own_folder_left = true;
  }
  const bool flag = plan.target_is_drive || own_folder_left;
  std::string& location = lines[3];
  if (flag != plan.old_flag) {
    if (location.empty()) location.assign(1, ' ');
    location[0] = flag ? '#' : '-';
  }
  lines.insert(lines.end(), plan.tail.begin(), plan.tail.end());
  return lines;
}

}  // namespace tav
