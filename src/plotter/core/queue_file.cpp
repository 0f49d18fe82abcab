#include "plotter/core/queue_file.h"

#include <cstdio>
#include <cstring>

#include "config/core/profile_rules.h"

namespace tav {
namespace {

constexpr int kNameSize = 256;   // NAME: 255 characters and a terminator
constexpr int kDriverSize = 80;  // DRIVER: 79 characters and a terminator
constexpr int kLastCounter = 999998;

std::string read_key(const IniDocument& queue, std::string_view key, int size) {
  std::string value(static_cast<std::size_t>(size), '\0');
  value.resize(static_cast<std::size_t>(read_text(queue, kQueueSection, key, "", value.data(), size)));
  return value;
}

}  // namespace

QueueValues read_queue_values(const IniDocument& queue) {
  return QueueValues{read_key(queue, "NAME", kNameSize), read_key(queue, "DRIVER", kDriverSize)};
}

bool is_iso_driver(std::string_view driver) { return driver.substr(0, 3) == "ISO"; }

PlotterFileName driver_name_of(std::string_view driver) {
  if (driver.size() < 5) return PlotterFileName();
  return PlotterFileName(driver.substr(0, driver.size() - 4));
}

std::vector<std::pair<std::string, std::string>> queue_keys(std::string_view name, std::string_view driver_file,
                                                            bool cutter) {
  return {{"NAME", std::string(name)},
          {"PORT", "FILE:"},
          {"DRIVER", std::string(driver_file)},
          {"RASTER", "0"},
          {"CUTTER", cutter ? "1" : "0"}};
}

std::string duplicate_display_name(std::string_view plotter_name, std::string_view queue_file_name) {
  std::string padded(queue_file_name);
  if (padded.size() < 12) padded.append(12 - padded.size(), ' ');
  std::string name(plotter_name);
  name += " (";
  name += padded;
  name += ")";
  return name;
}

std::optional<PlotterFileName> free_queue_name(const PlotterFileName& driver_name,
                                               const std::function<bool(const std::string& name)>& exists) {
  PlotterFileName base = driver_name;
  const int kept = squeeze(base.data(), base.size());
  char stem[9] = "00000000";
  std::memcpy(stem, base.data(), static_cast<std::size_t>(kept));
  for (int counter = 2; counter <= kLastCounter; ++counter) {
    char candidate[9];
    std::memcpy(candidate, stem, sizeof candidate);
    char digits[8];
    if (counter < 1000) {
      const int width = counter < 10 ? 1 : counter < 100 ? 2 : 3;
      std::snprintf(digits, sizeof digits, "%0*d", width, counter);
    } else {
      std::snprintf(digits, sizeof digits, "%06d", counter);
    }
    const std::size_t length = std::strlen(digits);
    std::memcpy(candidate + 8 - length, digits, length);
    const std::string name(candidate, 8);
    if (!exists(name)) return PlotterFileName(name);
  }
  return std::nullopt;
}

}  // namespace tav
