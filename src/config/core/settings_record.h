#pragma once
// The held forms of the keys of the main configuration file, one record for the whole run.
// Members are named after their keys (in lower case), grouped by section. The main dialog
// fills the record when it opens and writes it when the user confirms with OK; the pages
// read and change it directly. Key types, defaults, load and write rules: key_catalogue.h.

#include <array>

#include "util/core/text.h"

namespace tav {

// The digitizer's settings when the file has none (and after Defaults): menu area, codes
// of the OK and cancel buttons, delay, and the standard magnifier layout.
inline constexpr int kDefaultSchablonemm = 245;
inline constexpr int kDefaultDigiok = 1;
inline constexpr int kDefaultDigiquit = 4;
inline constexpr int kDefaultDigistop = 0;
inline constexpr const char* kDefaultLupe = ">  1  3  4  2  8  5  6  7 12 13 14 15  0  0  9 10<";
// The graphics font before anything is read, and whenever TAVIROFONT names none.
inline constexpr const char* kDefaultGraphicsFont = "TAVIRO2";

inline constexpr int kToolboxSlots = 25;
// Four-character button codes; four blanks mark an empty slot.
using Toolbox = std::array<Field<4>, kToolboxSlots>;

struct ScreenSettings {
  int widthmm = 0;
  int hightmm = 0;
  int menufonthight = 0;  // written only when font_size_changed is set
  int background = 0;     // 1 or 0 (the file holds 15 or 0)
  bool continuous_seam = false;
};

struct PathSettings {
  int startupdrive = 0;
  Field<30> drives;       // letters without separators; significant up to drive_letter_count
  Field<256> msexcelrun;  // only the default of TABCALCRUN; never written
  Field<256> tabcalcrun;
  Field<256> textprocrun;
};

// TAVIROFONT is held as Settings::graphics_font_name, NO_INTERBB_ZOOM as its inverse
// Settings::interpiece_zoom.
struct OptionsSettings {
  bool usemenubuttons = false;
  int fixmenubuttons = 0;
  int fixtoolbuttons = 0;
  int gridcolor_typ = 0;
  int saveminutes = 0;  // 0 to 99
  int bakmax = 0;       // 0 to 9
  int editonclick = 0;  // written as one digit
  int enhmetafile = 0;  // written as one digit
  bool checkmdlonsave = false;
  bool cache_chm = false;
  bool hide_mirfold = false;
  bool show_bakfiles = false;
  bool mdl_preview_image = false;
  bool save_verify = false;
  int language = 0;  // written as four digits
  Field<41> langname;
  bool use_ttf = false;
  bool pttf_supp_unicode = false;
  bool enable_grdtab_subpath = false;
  bool enable_grdtab_altref = false;
  bool enable_grdtab_zgon = false;
  bool enable_grdtab_memmap = false;
  bool enable_grdtab_pwd = false;
  bool duplictree = false;
  bool switch_seamaddition = false;
  bool enable_extdxval = false;
  bool enable_bg_pic = false;  // construction; MARKER has its own
  bool enable_symblen = false;
};

struct DigitizerSettings {
  int schablonemm = 0;
  int digiok = 0;
  int digiquit = 0;
  int digistop = 0;
  Field<80> lupe{kDefaultLupe};
};

// AUTONESTERPATH is not held: it is derived from the program when written.
struct MarkerSettings {
  int minplotletter = 0;
  int minprintletter = 0;
  bool addsizetofname = false;
  bool onepathonly = false;
  Field<256> autonesterexec;  // significant up to autonester_exec_length
  Field<256> autonesterkey;   // significant up to autonester_key_length; "0" = switched off
  bool enable_bdl_flip = false;
  bool enable_enh_repeat = false;
  bool enable_bg_pic = false;  // lay planning; OPTIONS has its own
  bool enable_pmd_szopt = false;
  bool enable_shrink_asst = false;
};

struct Settings {
  ScreenSettings screen;
  PathSettings path;
  OptionsSettings options;
  DigitizerSettings digitizer;
  MarkerSettings marker;

  // Companions of the keys.
  bool font_size_changed = false;                     // set when the user picks a menu font size
  int drive_letter_count = 0;                         // letters of path.drives
  Field<9> graphics_font_name{kDefaultGraphicsFont};  // TAVIROFONT without ".FNT"
  bool interpiece_zoom = true;                        // the inverse of NO_INTERBB_ZOOM
  int autonester_exec_length = 0;                     // 0 = no autonester
  int autonester_key_length = 0;
  Toolbox construction_toolbox;  // TOOLBOX2/B01 to B25
  Toolbox layplanning_toolbox;   // TOOLBOXS/B01 to B25
};

}  // namespace tav
