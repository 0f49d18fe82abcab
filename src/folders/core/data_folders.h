#pragma once
// The five data folders of the installation that the network configuration relocates: their
// keys in section PATH of the main configuration file and their default paths on the base
// drive (an empty or missing key means the default).

#include <array>
#include <string>
#include <string_view>

namespace tav {

struct DataFolderKey {
  std::string_view key;
  std::string_view default_path;
};

inline constexpr std::array<DataFolderKey, 5> kDataFolderKeys = {{
    {"PATHFORM", "\\TAVIRO\\FORMS\\"},    // shapes
    {"PATHPROG", "\\TAVIRO\\PROG\\"},     // basic blocks
    {"PATHTEXT", "\\TAVIRO\\TEXTE\\"},    // texts and text modules
    {"PATHPLOT", "\\TAVIRO\\PLOTTER\\"},  // plotters and plot settings
    {"PATHSYMB", "\\TAVIRO\\SYMBOLE\\"},  // symbols and export settings
}};

// The folder a data-folder key names: the stored value, or the default path when it is empty.
inline std::string data_folder_path(std::string_view stored, const DataFolderKey& key) {
  return std::string(stored.empty() ? key.default_path : stored);
}

}  // namespace tav
