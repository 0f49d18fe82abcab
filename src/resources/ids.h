// Resource identifiers: templates, icons, bitmaps and the controls of every dialog.
// One block per dialog. Prefixes name the control kind: IDX_ check box or radio button,
// IDE_ edit, IDC_ combo box, list box, list view or tab control, IDB_ push button,
// IDT_ static text or picture, IDU_ up-down control, IDG_ group box.
// The numbers are fixed: the pages address their controls by them.
#pragma once

// ---- Templates ---------------------------------------------------------------------
#define IDD_MAIN 101
#define IDD_CALIBRATION 103
#define IDD_PAGE_DRIVES 108
#define IDD_PAGE_SCREEN 110
#define IDD_PAGE_OPTIONS 116
#define IDD_PAGE_DIGITIZER 124
#define IDD_PAGE_LAYPLANNING 149
#define IDD_PAGE_TOOLBOX 150
#define IDD_PAGE_LANGUAGE 151
#define IDD_PAGE_PLOTTER 174
#define IDD_PAGE_EXPERT 175

// ---- Icons and bitmaps ---------------------------------------------------------------
#define IDI_APP 102
// Arrow icons of the screen calibration's buttons.
#define IDI_ARROWS_NARROWER 160
#define IDI_ARROW_UP 161
#define IDI_ARROW_DOWN 162
#define IDI_ARROWS_WIDER 163
// Preview pictures of the graphic fonts TAVIRO0 to TAVIRO5 (Options page).
#define IDBM_FONT_TAVIRO0 134
#define IDBM_FONT_TAVIRO5 135
#define IDBM_FONT_TAVIRO2 136
#define IDBM_FONT_TAVIRO3 137
#define IDBM_FONT_TAVIRO4 138
#define IDBM_FONT_TAVIRO1 139

// ---- Main dialog (101) -----------------------------------------------------------------
#define IDC_MAIN_TABS 1000
#define IDB_MAIN_DEFAULTS 1001
#define IDB_MAIN_HELP 1116
// Hidden labels holding the tab titles in the template's language.
#define IDT_MAIN_TITLE_SCREEN 1045
#define IDT_MAIN_TITLE_DRIVES 1026
#define IDT_MAIN_TITLE_PLOTTER 1027
#define IDT_MAIN_TITLE_DIGITIZER 1028
#define IDT_MAIN_TITLE_LAYPLANNING 1038
#define IDT_MAIN_TITLE_TOOLBOX 1025
#define IDT_MAIN_TITLE_LANGUAGE 1036
#define IDT_MAIN_TITLE_OPTIONS 1030
#define IDT_MAIN_TITLE_EXPERT 1022

// ---- Screen calibration dialog (103) ---------------------------------------------------
#define IDT_CALIB_FRAME 1011      // the rectangle that is to measure 10 cm by 10 cm
#define IDB_CALIB_NARROWER 1015
#define IDB_CALIB_WIDER 1016
#define IDB_CALIB_LOWER 1017
#define IDB_CALIB_HIGHER 1018
#define IDC_CALIB_PRESETS 1052

// ---- Screen page (110) -------------------------------------------------------------------
#define IDE_SCREEN_WIDTH 1023
#define IDE_SCREEN_HEIGHT 1024
#define IDT_SCREEN_HEADING 1045
#define IDT_SCREEN_WIDTH 1026
#define IDT_SCREEN_WIDTH_UNIT 1027
#define IDT_SCREEN_HEIGHT 1028
#define IDT_SCREEN_HEIGHT_UNIT 1029
#define IDB_SCREEN_CALIBRATE 1010
#define IDX_SCREEN_WHITE_DESKTOP 1090
#define IDX_SCREEN_MENU_ICONS 1100
#define IDC_SCREEN_TOOL_BUTTONS 1126
#define IDT_SCREEN_MENU_BUTTONS 1125
#define IDC_SCREEN_MENU_BUTTONS 1127
#define IDC_SCREEN_FONT_SIZE 1095
#define IDC_SCREEN_GRID_COLOUR 1130
#define IDX_SCREEN_CONTINUOUS_SEAM 1124
// Hidden labels holding the list items in the template's language.
#define IDT_SCREEN_SIZE_MINI 1030
#define IDT_SCREEN_SIZE_STANDARD 1038
#define IDT_SCREEN_SIZE_LARGE 1025
#define IDT_SCREEN_SIZE_EXTRA_LARGE 1036
#define IDT_SCREEN_GRID_NORMAL 1128
#define IDT_SCREEN_GRID_COOL 1129

// ---- Options page (116) ------------------------------------------------------------------
#define IDT_OPTIONS_AUTOSAVE 1045
#define IDE_OPTIONS_SAVE_MINUTES 1053
#define IDT_OPTIONS_MINUTES 1026
#define IDC_OPTIONS_FONT 1052
#define IDT_OPTIONS_FONT_PREVIEW 1092
#define IDX_OPTIONS_EDIT_ON_CLICK 1056
#define IDX_OPTIONS_ENH_METAFILE 1058
#define IDX_OPTIONS_CHECK_MODEL 1118
#define IDX_OPTIONS_CACHE_HELP 1119
#define IDE_OPTIONS_BACKUPS 1046
#define IDU_OPTIONS_BACKUPS 1091
#define IDX_OPTIONS_SHOW_BACKUPS 1131
#define IDX_OPTIONS_SAVE_VERIFY 1059
#define IDX_OPTIONS_PREVIEW_IMAGE 1057
#define IDX_OPTIONS_HIDE_MIRRORED 1121
#define IDX_OPTIONS_AUTOZOOM 1123
#define IDB_OPTIONS_ERROR_LOG 1094
#define IDB_OPTIONS_ERROR_LOG_SB 1096

// ---- Digitizer page (124) ----------------------------------------------------------------
#define IDE_DIGI_MENU_AREA 1046
#define IDE_DIGI_OK_CODE 1077
#define IDE_DIGI_CANCEL_CODE 1154
#define IDE_DIGI_DELAY 1084
#define IDC_DIGI_CURSOR 1052

// ---- Expert mode page (175) ----------------------------------------------------------------
// Construction program
#define IDX_EXPERT_GRDTAB_SUBPATH 1152
#define IDX_EXPERT_GRDTAB_ALTREF 1155
#define IDX_EXPERT_GRDTAB_ZGON 1156
#define IDX_EXPERT_GRDTAB_PWD 1141
#define IDX_EXPERT_GRDTAB_MEMMAP 1142
#define IDX_EXPERT_EXTDXVAL 1143
#define IDX_EXPERT_DUPLICTREE 1144
#define IDX_EXPERT_SWITCH_SEAMADDITION 1145
#define IDX_EXPERT_CONSTRUCTION_BG_PIC 1146
#define IDX_EXPERT_SYMBLEN 1237
// Lay-planning program
#define IDX_EXPERT_BDL_FLIP 1056
#define IDX_EXPERT_ENH_REPEAT 1057
#define IDX_EXPERT_LAYPLANNING_BG_PIC 1058
#define IDX_EXPERT_PMD_SZOPT 1059
#define IDX_EXPERT_SHRINK_ASST 1060

// ---- Toolbox page (150) ------------------------------------------------------------------
#define IDX_TOOLBOX_CONSTRUCTION 1072
#define IDX_TOOLBOX_LAYPLANNING 1073
#define IDC_TOOLBOX_CONTENTS 1080
#define IDC_TOOLBOX_AVAILABLE 1081
#define IDB_TOOLBOX_ADD 1015
#define IDB_TOOLBOX_REMOVE 1016
#define IDB_TOOLBOX_UP 1101
#define IDB_TOOLBOX_DOWN 1102

// ---- Language page (151) -----------------------------------------------------------------
#define IDC_LANGUAGE_LIST 1052
#define IDX_LANGUAGE_USE_TTF 1056
#define IDX_LANGUAGE_MULTIBYTE 1057
