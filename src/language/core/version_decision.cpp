#include "language/core/version_decision.h"

#include <cmath>

namespace tav {

const char* version_file_name(VersionFile file) {
  switch (file) {
    case VersionFile::taviroed_exe:
      return "taviroed.exe";
    case VersionFile::taviro_exe:
      return "taviro.exe";
    case VersionFile::taviro_ini:
      return "taviro.ini";
    case VersionFile::damen_e_kon:
      return "damen_e\\taviro_s.kon";
    case VersionFile::damen_2_kon:
      return "damen_2\\taviro_s.kon";
    case VersionFile::logo_dat:
      return "logo.dat";
    case VersionFile::settings_ini:
      return "settings.ini";
    case VersionFile::news7_hlp:
      return "news7.hlp";
    case VersionFile::tvrsico_dll:
      return "tvrsico.dll";
    case VersionFile::tavlib_dll:
      return "tavlib.dll";
    case VersionFile::freeimage_dll:
      return "freeimage.dll";
    case VersionFile::prog_cpr:
      return "prog\\TavPrg_GK_VK_c001_00.cpr";
    case VersionFile::tavirohelp_ini:
      return "Tavirohelp.ini";
  }
  return "";
}

std::string version_base_folder(std::string_view prefix) { return std::string(prefix) + "taviro\\"; }

bool is_installation(const PresentFiles& files) {
  return files.has(VersionFile::taviroed_exe) || files.has(VersionFile::taviro_exe) ||
         files.has(VersionFile::taviro_ini);
}

int early_generation(const PresentFiles& files) {
  const bool damen_e = files.has(VersionFile::damen_e_kon);
  const bool damen_2 = files.has(VersionFile::damen_2_kon);
  const bool settings = files.has(VersionFile::settings_ini);
  const bool logo = files.has(VersionFile::logo_dat);
  if (damen_e && !damen_2) return settings ? 18 : 15;
  if (damen_2) {
    if (settings && logo) return 6;
    if (logo) return 5;
    if (!settings) return 4;
  }
  return 0;
}

int decide_installed_version(const PresentFiles& files, int stored_version) {
  if (!is_installation(files)) return -1;
  if (stored_version > 0) return stored_version;
  const bool freeimage = files.has(VersionFile::freeimage_dll);
  const bool tavlib = files.has(VersionFile::tavlib_dll);
  const bool tvrsico = files.has(VersionFile::tvrsico_dll);
  if (freeimage && (tavlib || tvrsico)) return files.has(VersionFile::tavirohelp_ini) ? 1100 : 1000;
  if (tavlib && tvrsico) return files.has(VersionFile::prog_cpr) ? 901 : 900;
  if (tvrsico) return 800;
  if (files.has(VersionFile::news7_hlp)) return 700;
  return early_generation(files);
}

double version_as_real(int version) { return version * 0.01; }

int version_from_real(double version) { return static_cast<int>(std::lround(version * 100.0)); }

}  // namespace tav
