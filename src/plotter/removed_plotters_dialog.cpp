#include "plotter/removed_plotters_dialog.h"

#include <vector>

#include "config/profile.h"
#include "controls/controls.h"
#include "controls/failure_message.h"
#include "controls/modal_dialog.h"
#include "plotter/core/removed_plotters.h"
#include "plotter/plotter_inventory.h"
#include "resources/ids.h"
#include "util/backups.h"
#include "util/core/message_text.h"
#include "util/program_log.h"
#include "util/stop_points.h"

namespace tav {
namespace {

// Numbered backups kept of a queue file before its DRIVER is changed, as for every change
// of a queue file on the Plotter page.
constexpr int kQueueBackups = 3;

// The choice of one removed plotter; a double click chooses as OK does.
class ChoiceDialog : public controls::ModalDialog {
 public:
  explicit ChoiceDialog(const std::vector<std::string>& items) : items_(items) {}
  int chosen = -1;

 private:
  bool on_open() override {
    for (const std::string& item : items_) controls::add_list_item(window(), IDC_REMOVED_LIST, item);
    controls::select_list_item(window(), IDC_REMOVED_LIST, 0);
    return true;
  }
  bool on_command(int id, int code) override {
    if (id == IDC_REMOVED_LIST && code == LBN_DBLCLK) {
      PostMessageA(window(), WM_COMMAND, IDOK, 0);
      return true;
    }
    if (id != IDOK) return false;
    chosen = controls::selected_list_item(window(), IDC_REMOVED_LIST);
    end(IDOK);
    return true;
  }

  const std::vector<std::string>& items_;
};

// The plotters of the folder for removed plotters.
std::vector<RemovedPlotter> find_removed(const std::string& removed) {
  std::vector<RemovedQueue> queues;
  for (const std::string& queue : plotter_file_names(removed, "*.que", ".que")) {
    const std::string path = removed + queue;
    queues.push_back({queue, read_queue_values(profile::ProfileSnapshot(path.c_str()).document())});
  }
  return removed_plotters(plotter_file_names(removed, "*.plt", ".plt"), queues);
}

// "Rollenplotter 60 (ROLL60A.plt, ROLL60A.que)": the plotter name of the driver file, else
// the queue's NAME, and the files.
std::string item_text(const std::string& removed, const RemovedPlotter& plotter) {
  std::string name = plotter.queue_name;
  std::string files = plotter.driver_file;
  DriverSettings values;
  if (!plotter.driver_file.empty() && read_driver_settings_file((removed + plotter.driver_file).c_str(), values)) {
    name = values.plotter_name.str();
  }
  for (const std::string& queue : plotter.queue_files) files += (files.empty() ? "" : ", ") + queue;
  return name.empty() ? files : name + " (" + files + ")";
}

void tell(HWND owner, int text, const std::string& file, DWORD error, std::string_view action) {
  const std::string path = controls::full_path(file);
  const std::string reason = system_error_text(error);
  controls::tell_failure(owner, text, {path, reason}, action, path, reason);
}

DWORD move(const std::string& from, const std::string& to) {
  stop_point("move");
  return MoveFileA(from.c_str(), to.c_str()) ? ERROR_SUCCESS : GetLastError();
}

bool bring_back(HWND owner, const std::string& folder, const std::string& removed, const ReturnPlan& plan) {
  std::vector<FileReturn> moves;  // the driver first
  if (plan.driver) moves.push_back(*plan.driver);
  moves.insert(moves.end(), plan.queues.begin(), plan.queues.end());
  std::size_t moved = 0;
  DWORD error = ERROR_SUCCESS;
  while (moved < moves.size() &&
         (error = move(removed + moves[moved].from, folder + moves[moved].to)) == ERROR_SUCCESS) {
    ++moved;
  }
  if (error != ERROR_SUCCESS) {
    tell(owner, IDS_PLOTTER_BRING_BACK_FAILED, removed + moves[moved].from, error, "bring back plotter");
    while (moved > 0) {
      --moved;
      const DWORD back = move(folder + moves[moved].to, removed + moves[moved].from);
      if (back != ERROR_SUCCESS)
        tell(owner, IDS_PLOTTER_NOT_RETURNED, folder + moves[moved].to, back, "return plotter file");
    }
    return false;
  }
  if (plan.driver_value.empty()) return true;
  // The driver came back under a new name: its queue files name it so. A queue that keeps
  // the old name prints with the driver of that name, which is the one in the folder.
  for (const FileReturn& queue : plan.queues) {
    const std::string path = folder + queue.to;
    numbered_backup(path.c_str(), static_cast<int>(path.size()), kQueueBackups);
    profile::ProfileBatch batch(path.c_str());
    if (!batch.write_string(kQueueSection, "DRIVER", plan.driver_value) || !batch.save()) {
      tell(owner, IDS_PLOTTER_BRING_BACK_FAILED, path, GetLastError(), "bring back plotter");
      return false;
    }
  }
  return true;
}

// Tells which files came back under new names.
void tell_renamed(HWND owner, const ReturnPlan& plan) {
  std::vector<FileReturn> moves(plan.queues);
  if (plan.driver) moves.insert(moves.begin(), *plan.driver);
  std::string lines;
  for (const FileReturn& move : moves) {
    if (move.to != move.from) {
      lines += "\n" + with_arguments(controls::load_string(IDS_PLOTTER_KEPT_AS), {move.from, move.to});
    }
  }
  if (lines.empty()) return;
  const std::string text = with_arguments(controls::load_string(IDS_PLOTTER_RENAMED), {lines.substr(1)});
  char caption[256] = {};
  GetWindowTextA(owner, caption, sizeof caption);
  MessageBoxA(owner, text.c_str(), caption, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

std::optional<BroughtBack> bring_back_removed_plotter(HWND owner, const std::string& folder) {
  const std::string removed = folder + kRemovedPlotterFolder;
  const std::vector<RemovedPlotter> plotters = find_removed(removed);
  if (plotters.empty()) {
    const std::string text =
        with_arguments(controls::load_string(IDS_PLOTTER_NONE_REMOVED), {controls::full_path(removed)});
    char caption[256] = {};
    GetWindowTextA(owner, caption, sizeof caption);
    MessageBoxA(owner, text.c_str(), caption, MB_OK | MB_ICONINFORMATION);
    return std::nullopt;
  }
  std::vector<std::string> items;
  for (const RemovedPlotter& plotter : plotters) items.push_back(item_text(removed, plotter));
  ChoiceDialog choice(items);
  choice.run(owner, IDD_REMOVED_PLOTTERS);
  if (choice.chosen < 0 || choice.chosen >= static_cast<int>(plotters.size())) return std::nullopt;
  const RemovedPlotter& plotter = plotters[static_cast<std::size_t>(choice.chosen)];
  const auto plan = plan_return(plotter, [&](const std::string& name) {
    return GetFileAttributesA((folder + name).c_str()) != INVALID_FILE_ATTRIBUTES;
  });
  if (!plan) {
    tell(owner, IDS_PLOTTER_BRING_BACK_FAILED, removed + plotter.driver_file, ERROR_FILE_EXISTS, "bring back plotter");
    return std::nullopt;
  }
  if (!bring_back(owner, folder, removed, *plan)) return std::nullopt;
  tell_renamed(owner, *plan);
  return BroughtBack{plan->driver ? plan->driver->to : "", plan->queues.empty() ? "" : plan->queues.front().to};
}

}  // namespace tav
