#pragma once
// The measurement-system file taviro_s.kon, one per measurement system in
// "\taviro\" + code + "\". A text file of lines:
//   1      the system's name (32 characters used)
//   2      columns 1 to 7 the code, from column 10 an alternative name (32 characters used)
//   3      not used here, kept as it is
//   4      column 1 "#": the data folders lie where lines 5 to 11 say (on a drive of their
//          own); anything else: the standard folders on the base drive
//   5..11  the seven data folders mas, prog, st, interfac, xwert, mask, swert
//   12 on  not used here, kept as it is
// Lines are written without trailing blanks and end with CR LF.
//
// Relocating a system is planned here from the file's lines; the Windows layer copies and
// removes the folders the plan names and writes the lines the plan gives back.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "folders/core/path_rules.h"
#include "util/core/text.h"

namespace tav {

inline constexpr int kSystemFolderCount = 7;
inline constexpr std::array<std::string_view, kSystemFolderCount> kSystemFolderNames = {
    "mas", "prog", "st", "interfac", "xwert", "mask", "swert"};
inline constexpr int kExportFolder = 3;  // interfac: left alone when export data are kept

inline constexpr std::string_view kSystemFileName = "taviro_s.kon";
inline constexpr int kSystemNameLength = 32;

// A measurement system's code: the first 7 characters of line 2, blank-padded.
using SystemCode = Field<7>;

// Relocation statuses of a measurement system.
inline constexpr int kSystemDone = 0;            // done, or nothing to do
inline constexpr int kSystemTooShort = 1;        // the file has fewer than three lines
inline constexpr int kSystemWrongCode = 2;       // line 2 does not begin with the code
inline constexpr int kSystemCopyFailed = 3;      // a folder could not be copied completely
inline constexpr int kSystemRemoveFailed = 4;    // an old folder could not be removed
inline constexpr int kSystemFileLocked = 5;      // the file cannot be replaced (read-only or in use)
inline constexpr int kSystemFileNotWritten = 6;  // the new contents could not be put in place

// The lines of a text: split at LF, a CR before the LF dropped; a last line without its line
// end counts; an empty text has no lines. Lines are never cut.
std::vector<std::string> split_lines(std::string_view text);
// The lines as the file stores them: trailing blanks dropped, each ended by CR LF.
std::string join_lines(const std::vector<std::string>& lines);

// The row the network configuration lists for a system.
struct SystemRow {
  std::string code;  // upper case, without trailing blanks
  std::string name;  // the alternative name when it does not begin with a blank, else line 1
  // Where the data folders are: "-" for the base drive, else the drive ("E:"); a system
  // whose folders lie on several drives lists each once, in the order of its folder lines
  // ("E:, -").
  std::string drive;
};
// The row of a file's lines; nothing when line 1 or 2 is missing.
std::optional<SystemRow> system_row(const std::vector<std::string>& lines);

// A relocation needs lines 1 to 3 of a system file.
inline constexpr std::size_t kSystemFileLeastLines = 3;

// What keeps a system file found in \taviro\<folder_name>\ from being used: fewer than
// three lines (with fewer than two the system is not even listed), or a code in line 2 that
// names another folder (the relocation looks the system up by its code).
enum class SystemFileProblem { none, too_short, wrong_code };
SystemFileProblem system_file_problem(const std::vector<std::string>& lines, std::string_view folder_name);

// The seven data folders a system's data are in now: with "#" in line 4 the paths of lines 5
// to 11 (a missing line gives an empty path), else the standard folders on the base drive
// ("\taviro\" + code + "\mas\" ...). Nothing when the file has no line 2.
std::optional<std::array<std::string, kSystemFolderCount>> system_data_folders(const std::vector<std::string>& lines);

// Where a relocation goes: the base drive (empty) or a drive ("E:").
struct RelocationTarget {
  std::string drive;
  bool is_drive() const { return !drive.empty(); }
};
// The target of a drive-list entry: an entry that begins with "<" is the base drive, any
// other entry is the drive of its first two characters.
RelocationTarget target_of_entry(std::string_view entry);

struct SystemFolderMove {
  std::string old_path;  // the folder as used now ("*" and "|" read as blanks)
  std::string new_path;
  std::string old_line;                      // the line that names the old folder, for a folder that does not move
  FolderAction action = FolderAction::stay;  // the export folder kept stays as well
};

struct SystemRelocationPlan {
  int status = kSystemDone;  // kSystemDone, kSystemTooShort or kSystemWrongCode
  bool rewrite = false;      // false: the file and the folders stay as they are
  bool old_flag = false;     // line 4 began with "#"
  bool target_is_drive = false;
  std::vector<std::string> head;  // lines 1 to 4 as read (a missing line 4 is blank)
  std::array<SystemFolderMove, kSystemFolderCount> folders;
  std::vector<std::string> tail;  // lines 12 on
};

// Plans relocating the system with code to target. current_directory (such as "U:\taviro")
// resolves paths without a drive, so that folders are compared as the system sees them.
SystemRelocationPlan plan_system_relocation(const std::vector<std::string>& lines, const SystemCode& code,
                                            const RelocationTarget& target, bool keep_export,
                                            std::string_view current_directory);

// The new file's lines. A blocked folder, and a moving folder marked in stays_behind (its
// copy failed), keeps the line of its old folder, and line 4 keeps "#" while any such line
// names a folder of its own, so that the system never points at a folder without its data.
std::vector<std::string> relocated_system_lines(const SystemRelocationPlan& plan,
                                                const std::array<bool, kSystemFolderCount>& stays_behind);

}  // namespace tav
