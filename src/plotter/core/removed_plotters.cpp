#include "plotter/core/removed_plotters.h"

#include <string_view>

#include "util/core/text.h"

namespace tav {
namespace {

std::string upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return result;
}

std::string_view base_name(std::string_view file) { return file.substr(0, file.rfind('.')); }
std::string_view extension(std::string_view file) {
  const std::size_t dot = file.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : file.substr(dot);
}

}  // namespace

std::vector<RemovedPlotter> removed_plotters(const std::vector<std::string>& driver_files,
                                             const std::vector<RemovedQueue>& queues) {
  std::vector<RemovedPlotter> plotters;
  std::vector<std::string> drivers;  // each plotter's driver file name in upper case
  for (const std::string& driver : driver_files) {
    plotters.push_back({driver, {}, {}});
    drivers.push_back(upper(driver));
  }
  for (const RemovedQueue& queue : queues) {
    const std::string named = upper(queue.values.driver);
    std::size_t found = 0;
    while (found < drivers.size() && drivers[found] != named) ++found;
    if (found == drivers.size()) {
      plotters.push_back({});
      drivers.push_back(named);
    }
    RemovedPlotter& plotter = plotters[found];
    plotter.queue_files.push_back(queue.file);
    if (plotter.queue_files.size() == 1) plotter.queue_name = queue.values.name;
  }
  return plotters;
}

std::optional<ReturnPlan> plan_return(const RemovedPlotter& plotter,
                                      const std::function<bool(const std::string& file_name)>& taken) {
  ReturnPlan plan;
  std::string driver_base(base_name(plotter.driver_file));
  if (!plotter.driver_file.empty()) {
    plan.driver = FileReturn{plotter.driver_file, plotter.driver_file};
    if (taken(plotter.driver_file)) {
      const std::string ending(extension(plotter.driver_file));
      const auto free =
          free_queue_name(PlotterFileName(driver_base), [&](const std::string& name) { return taken(name + ending); });
      if (!free) return std::nullopt;
      driver_base = free->str();
      plan.driver->to = driver_base + ending;
      plan.driver_value = driver_base + ".PLT";
    }
  }
  // Queues whose names are free keep them; the others take free names around those.
  for (const std::string& queue : plotter.queue_files) plan.queues.push_back({queue, queue});
  auto planned = [&plan](const std::string& file) {
    for (const FileReturn& queue : plan.queues) {
      if (upper(queue.to) == upper(file)) return true;
    }
    return false;
  };
  for (FileReturn& queue : plan.queues) {
    if (!taken(queue.from)) continue;
    const std::string ending(extension(queue.from));
    const std::string stem = driver_base.empty() ? std::string(base_name(queue.from)) : driver_base;
    const auto free = free_queue_name(
        PlotterFileName(stem), [&](const std::string& name) { return taken(name + ending) || planned(name + ending); });
    if (!free) return std::nullopt;
    queue.to = free->str() + ending;
  }
  return plan;
}

}  // namespace tav
