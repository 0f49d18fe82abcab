#pragma once
// Which TAVIRO version is installed, decided from the characteristic files present in the
// installation's base folder and the version stored in its settings.ini. The version number
// is version x 100 (1100 for 11.00); -1 means no installation; 0, 4, 5, 6, 15 and 18 are the
// early generations.

#include <array>
#include <string>
#include <string_view>

namespace tav {

enum class VersionFile {
  taviroed_exe,
  taviro_exe,
  taviro_ini,
  damen_e_kon,
  damen_2_kon,
  logo_dat,
  settings_ini,
  news7_hlp,
  tvrsico_dll,
  tavlib_dll,
  freeimage_dll,
  prog_cpr,
  tavirohelp_ini,
};
inline constexpr int kVersionFileCount = 13;

// The file's name relative to the base folder ("damen_e\taviro_s.kon").
const char* version_file_name(VersionFile file);

// The base folder below a drive prefix: the prefix followed by "taviro\".
std::string version_base_folder(std::string_view prefix);

class PresentFiles {
 public:
  PresentFiles& add(VersionFile file) {
    present_[static_cast<std::size_t>(file)] = true;
    return *this;
  }
  bool has(VersionFile file) const { return present_[static_cast<std::size_t>(file)]; }

 private:
  std::array<bool, kVersionFileCount> present_{};
};

// True when taviroed.exe, taviro.exe or taviro.ini is present.
bool is_installation(const PresentFiles& files);
// The early generation that the files tell apart (0 when none).
int early_generation(const PresentFiles& files);
// The installed version: -1 without an installation, else the stored version when it is
// greater than 0, else what the files tell.
int decide_installed_version(const PresentFiles& files, int stored_version);

// The real-number form (version x 0.01) and back. The way back rounds to the nearest
// integer: 0.29 x 100 is slightly below 29 in binary arithmetic and would truncate to 28.
double version_as_real(int version);
int version_from_real(double version);

}  // namespace tav
