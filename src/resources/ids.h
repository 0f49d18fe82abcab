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
#define IDD_HEM_POSITION 113
#define IDD_PAGE_OPTIONS 116
#define IDD_PAGE_DIGITIZER 124
#define IDD_LINE_TYPES 148
#define IDD_PAGE_LAYPLANNING 149
#define IDD_PAGE_TOOLBOX 150
#define IDD_PAGE_LANGUAGE 151
#define IDD_SERIAL_PORT 156
#define IDD_DRIVER_SETTINGS 165
#define IDD_PLOT_RESOLUTION 167
#define IDD_PAGE_PLOTTER 174
#define IDD_PAGE_EXPERT 175
#define IDD_NETWORK 176
#define IDD_PROGRESS 409
#define IDD_EARLIER_VERSIONS 185
#define IDD_REMOVED_PLOTTERS 186

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
// The same pictures drawn larger for 150 % and 200 % scaling: the id above plus these.
#define IDBM_SCALED_150 100
#define IDBM_SCALED_200 200

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
#define IDT_CALIB_FRAME 1011  // the rectangle that is to measure 10 cm by 10 cm
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
// The heading and the two groups, named so that the page's margins can be measured.
#define IDT_EXPERT_HEADING 2200
#define IDG_EXPERT_CONSTRUCTION 2201
#define IDG_EXPERT_LAYPLANNING 2202

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

// ---- Layplanning page (149) --------------------------------------------------------------
#define IDB_LAYPLAN_HEM_POSITION 1198
#define IDB_LAYPLAN_LINE_TYPES 1099
#define IDE_LAYPLAN_MIN_PLOT_LETTER 1046
#define IDE_LAYPLAN_MIN_PRINT_LETTER 1077
#define IDX_LAYPLAN_ADD_SIZE 1056
#define IDX_LAYPLAN_ONE_PATH 1057
#define IDX_LAYPLAN_USE_AUTONESTER 1058
#define IDT_LAYPLAN_PROGRAM 1045
#define IDE_LAYPLAN_PROGRAM 1154
#define IDB_LAYPLAN_SEARCH 1111

// ---- Hem position dialog (113) -------------------------------------------------------------
#define IDX_HEM_CONSTRUCTION_BOTTOM 1072
#define IDX_HEM_CONSTRUCTION_LEFT 1073
#define IDX_HEM_CONSTRUCTION_RIGHT 1074
#define IDX_HEM_LAYPLAN_START 1075
#define IDX_HEM_LAYPLAN_END 1076

// ---- Line types dialog (148) ---------------------------------------------------------------
#define IDC_LINETYPES_GRAIN 1052
#define IDC_LINETYPES_ANNOTATION 1229
#define IDC_LINETYPES_SPLIT 1095
#define IDC_LINETYPES_CUT_INTERNAL 1230
#define IDC_LINETYPES_MARKING 1080
#define IDC_LINETYPES_AUXILIARY 1138
#define IDB_LINETYPES_TO_MARKING 1061
#define IDB_LINETYPES_TO_AUXILIARY 1062

// ---- Plotter page (174) --------------------------------------------------------------------
#define IDC_PLOTTER_LIST 1134
#define IDB_PLOTTER_ACTIVATE 1122
#define IDB_PLOTTER_DUPLICATE 1139
#define IDB_PLOTTER_DEACTIVATE 1140
#define IDB_PLOTTER_SETTINGS 1079
#define IDB_PLOTTER_REMOVE 1082
#define IDX_PLOTTER_SHOW_INACTIVE 1132
#define IDB_PLOTTER_SERIAL_PORT 1110
// Hidden labels holding the column titles in the template's language.
#define IDT_PLOTTER_COLUMN_ACTIVE 1135
#define IDT_PLOTTER_COLUMN_NAME 1136
#define IDT_PLOTTER_COLUMN_DRIVER 1137
#define IDT_PLOTTER_COLUMN_QUEUE 1157

// ---- Driver settings dialog (165) ----------------------------------------------------------
#define IDE_DRIVER_PLOTTER_NAME 1151
#define IDE_DRIVER_FILE 1153
#define IDE_DRIVER_PAPER_WIDTH 1154
#define IDX_DRIVER_ORIGIN_CORNER 1048
#define IDX_DRIVER_ORIGIN_CENTRE 1049
#define IDE_DRIVER_RESOLUTION_X 1046
#define IDE_DRIVER_RESOLUTION_Y 1077
#define IDB_DRIVER_ADAPT 1113
#define IDX_DRIVER_PEN_CHANGE 1057
#define IDE_DRIVER_PENS 1150
#define IDT_DRIVER_PENS 1026
#define IDX_DRIVER_EACH_PAGE 1056
#define IDB_DRIVER_OK 1087

// ---- Plot resolution dialog (167) ----------------------------------------------------------
#define IDC_RESOLUTION_X 1052
#define IDC_RESOLUTION_Y 1095
#define IDE_RESOLUTION_DESIRED_X 1046
#define IDE_RESOLUTION_DESIRED_Y 1077
#define IDE_RESOLUTION_ACTUAL_X 1154
#define IDE_RESOLUTION_ACTUAL_Y 1084
#define IDB_RESOLUTION_RECALCULATE 1113

// ---- Serial port dialog (156) --------------------------------------------------------------
#define IDC_SERIAL_BAUD 1052
#define IDC_SERIAL_PARITY 1095
#define IDC_SERIAL_DATA_BITS 1112
#define IDC_SERIAL_STOP_BITS 1229
#define IDX_SERIAL_DSR 1072
#define IDX_SERIAL_CTS_RTS 1073
#define IDX_SERIAL_STANDARD 1074
#define IDX_SERIAL_XON_XOFF 1075

// ---- Drives page (108) ---------------------------------------------------------------------
#define IDT_DRIVES_INSTALLATION 1045
#define IDC_DRIVES_INSTALLATION 1031
#define IDT_DRIVES_OTHER 1026
#define IDC_DRIVES_OTHER 1032
#define IDB_DRIVES_ADD 1033
#define IDB_DRIVES_REMOVE 1034
#define IDT_DRIVES_STARTUP 1035
#define IDC_DRIVES_STARTUP 1037
#define IDE_DRIVES_SPREADSHEET 1054
#define IDB_DRIVES_BROWSE_SPREADSHEET 1088
#define IDE_DRIVES_WORD_PROCESSOR 1055
#define IDB_DRIVES_BROWSE_WORD_PROCESSOR 1089
#define IDB_DRIVES_NETWORK 1231

// ---- Network configuration dialog (176) ----------------------------------------------------
#define IDC_NETWORK_SYSTEMS 1149
#define IDX_NETWORK_SYSTEMS_MOVE 1056
#define IDC_NETWORK_SYSTEMS_DRIVE 1052
#define IDB_NETWORK_ALL 1114
#define IDB_NETWORK_NONE 4003
#define IDX_NETWORK_KEEP_EXPORT 1141
// The five data folders: path edit, "Verlegen" check box, drive list.
#define IDE_NETWORK_FORMS_PATH 1077
#define IDX_NETWORK_FORMS_MOVE 1057
#define IDC_NETWORK_FORMS_DRIVE 1095
#define IDE_NETWORK_PROG_PATH 1154
#define IDX_NETWORK_PROG_MOVE 1058
#define IDC_NETWORK_PROG_DRIVE 1112
#define IDE_NETWORK_TEXT_PATH 1084
#define IDX_NETWORK_TEXT_MOVE 1059
#define IDC_NETWORK_TEXT_DRIVE 1229
#define IDE_NETWORK_PLOT_PATH 1085
#define IDX_NETWORK_PLOT_MOVE 1152
#define IDC_NETWORK_PLOT_DRIVE 1230
#define IDE_NETWORK_SYMB_PATH 1181
#define IDX_NETWORK_SYMB_MOVE 1060
#define IDC_NETWORK_SYMB_DRIVE 1069
#define IDX_NETWORK_COPY 1155
#define IDX_NETWORK_REMOVE 1156
#define IDX_NETWORK_NO_WARNING 1144
#define IDB_NETWORK_RUN 1113
#define IDG_NETWORK_RUN 1235  // its text is the progress window's message
// Hidden labels: column titles, the base-drive entry and the three confirmations.
#define IDT_NETWORK_COLUMN_CODE 1232
#define IDT_NETWORK_COLUMN_NAME 1233
#define IDT_NETWORK_COLUMN_DRIVE 1234
#define IDT_NETWORK_BASE_DRIVE 1125
#define IDT_NETWORK_CONFIRM_COPY 1236
#define IDT_NETWORK_CONFIRM_COPY_REMOVE 1237
#define IDT_NETWORK_CONFIRM_REMOVE 1238
// The labels of the five data folders, whose texts name them in the summary of a run.
#define IDT_NETWORK_FORMS 1240
#define IDT_NETWORK_PROG 1241
#define IDT_NETWORK_TEXT 1242
#define IDT_NETWORK_PLOT 1243
#define IDT_NETWORK_SYMB 1244

// ---- Progress window (409) -----------------------------------------------------------------
#define IDC_PROGRESS_BAR 4901
#define IDT_PROGRESS_MESSAGE 1045
#define IDT_PROGRESS_FOLDER 4902
#define IDT_PROGRESS_FILES 4903

// ---- Earlier versions dialog (185), opened from the main dialog's system menu -----------
// Restore is its OK button (Enter restores, after a question), Close its Cancel button.
#define IDT_VERSIONS_LIST 2150
#define IDC_VERSIONS_LIST 2151
#define IDT_VERSIONS_CHANGES 2152
#define IDE_VERSIONS_CHANGES 2153
// The system menu's item (a system command: its low four bits are zero).
#define IDM_EARLIER_VERSIONS 2192

// ---- Removed plotters dialog (186), opened from the Plotter page -----------------------------
#define IDT_REMOVED_LIST 2160
#define IDC_REMOVED_LIST 2161
// The item of the plotter list's context menu.
#define IDM_PLOTTER_BRING_BACK 2190

// ---- String table --------------------------------------------------------------------------
// Plotter page messages.
#define IDS_PLOTTER_DELETE_FILE 169
#define IDS_PLOTTER_FILE_EXISTS 171
#define IDS_PLOTTER_CREATE_FAILED 172
#define IDS_PLOTTER_REMOVE 173
#define IDS_PLOTTER_ADD_CAPTION 174
// Plotter page and its dialogs: failures, and the parity names of the serial port dialog.
// %1 the file, %2 the system's reason; for KEEP_FAILED %2 the new name, %3 the reason.
#define IDS_PLOTTER_DELETE_FAILED 1651
#define IDS_PLOTTER_MOVE_FAILED 1652
#define IDS_DRIVER_BACKUP_FAILED 1653
#define IDS_RESOLUTION_INVALID 1655
#define IDS_SERIAL_PARITY_NONE 1656  // then odd, even, mark and space
#define IDS_SERIAL_PARITY_ODD 1657
#define IDS_SERIAL_PARITY_EVEN 1658
#define IDS_SERIAL_PARITY_MARK 1659
#define IDS_SERIAL_PARITY_SPACE 1660
// Remove: files of removed plotters already in the subfolder "diverse" keep their contents
// under numbered names (KEPT lists one KEPT_AS line per file: %1 the name, %2 the new one).
#define IDS_PLOTTER_KEEP_FAILED 1661
#define IDS_PLOTTER_KEPT 1662
#define IDS_PLOTTER_KEPT_AS 1663
// Options page: the text editor for an error log could not be started.
#define IDS_OPTIONS_ERROR 200
// Main dialog: the main configuration file could not be read, or cannot be written back.
#define IDS_MAIN_FILE_UNREADABLE 201
#define IDS_MAIN_FILE_NOT_WRITABLE 202
// Every dialog that saves: a file could not be written (%1 the file, %2 the system's reason).
#define IDS_FILE_NOT_WRITTEN 204
// Network configuration: the summary of a run in which something did not go as asked.
#define IDS_RELOCATION_SUMMARY 1700
#define IDS_RELOCATION_NOT_COPIED 1701
#define IDS_RELOCATION_BLOCKED 1702
#define IDS_RELOCATION_HOLDS_INSTALLATION 1703
#define IDS_RELOCATION_KEY_NOT_WRITTEN 1704
#define IDS_RELOCATION_KEPT_SYSTEM_FILE 1705
#define IDS_RELOCATION_KEPT_SHARED 1706
#define IDS_RELOCATION_KEPT_INCOMPLETE 1707
#define IDS_RELOCATION_NOT_REMOVED 1708
#define IDS_RELOCATION_SYSTEM_TOO_SHORT 1709
#define IDS_RELOCATION_SYSTEM_WRONG_CODE 1710
#define IDS_RELOCATION_SYSTEM_FILE 1711
#define IDS_RELOCATION_SYSTEM_FOLDER 1712
// Why a copy is not complete.
#define IDS_COPY_UNREADABLE 1713
#define IDS_COPY_CASE_TWINS 1714
#define IDS_COPY_INCOMPLETE 1715
#define IDS_COPY_DIFFERS 1716
#define IDS_RELOCATION_WILL_COPY 1720
#define IDS_RELOCATION_NO_ROOM 1721
#define IDS_RELOCATION_NO_ROOM_DRIVE 1722
#define IDS_PROGRESS_FILES 1723
// Help (shell/help.cpp): the help file of the user interface's language ("setup_pl.chm") and
// the folder of that language's pages in it ("pl").
#define IDS_HELP_FILE 1800
#define IDS_HELP_FOLDER 1801

// ---- Command line and installation check ----------------------------------------------------
// The installation check dialog (template 181), opened from the main dialog's system menu.
#define IDD_INSTALLATION_CHECK 181
#define IDT_CHECK_LIST 2100
#define IDC_CHECK_LIST 2101
#define IDM_MAIN_INSTALLATION_CHECK 2112  // system menu command: a multiple of 16
// Command line messages: %1 the file, %2 the system's reason; REFUSED: %1 the file, %2 the
// line, %3 the key, %4 the value, %5 and %6 the range; DONE: %1 the file, %2 the keys.
#define IDS_CLI_USAGE 1850
#define IDS_CLI_BAD_ARGUMENT 1851
#define IDS_CLI_FILE_UNREADABLE 1852
#define IDS_CLI_FILE_NOT_WRITTEN 1853
#define IDS_CLI_MAIN_FILE_FAILED 1854
#define IDS_CLI_REFUSED_KEY 1855
#define IDS_CLI_REFUSED_NUMBER 1856
#define IDS_CLI_REFUSED_RANGE 1857
#define IDS_CLI_EXPORTED 1858
#define IDS_CLI_IMPORTED 1859
#define IDS_CLI_IMPORT_UNCHANGED 1860
// The installation check: its summary, the system menu item, and one line per finding,
// "what: why" (%1 the file, folder or key).
#define IDS_CHECK_NO_PROBLEMS 1861
#define IDS_CHECK_PROBLEMS 1862
#define IDS_CHECK_MENU_ITEM 1863
#define IDS_CHECK_QUEUE_ISO 1864          // %2 DRIVER
#define IDS_CHECK_QUEUE_NO_DRIVER 1865    // %2 DRIVER
#define IDS_CHECK_DRIVER_UNREADABLE 1866  // %2 the system's reason
#define IDS_CHECK_DRIVER_FEW_LINES 1867   // %2 the bracket lines found
#define IDS_CHECK_DRIVER_NO_NAME 1868
#define IDS_CHECK_LANGUAGE_NO_NAME 1869
#define IDS_CHECK_LANGUAGE_VERSION 1870  // %2 its version, %3 the installed version
#define IDS_CHECK_LANGUAGE_NUMBER 1871
#define IDS_CHECK_SYSTEM_UNREADABLE 1872  // %2 the system's reason
#define IDS_CHECK_SYSTEM_SHORT 1873       // %2 the lines found
#define IDS_CHECK_SYSTEM_CODE 1874        // %2 the code
#define IDS_CHECK_FOLDER_MISSING 1875     // %2 the folder
// Earlier versions: the system menu's item, the list's column titles, the changes of a
// version (%1 the copy, %2 the system's reason for UNREADABLE; MISSING stands for a key the
// version lacks), the question before a restore (%1 the file, %2 the copy, %3 its date) and
// its failure (%1 the file, %2 the copy, %3 the system's reason).
#define IDS_VERSIONS_MENU 1900
#define IDS_VERSIONS_COLUMN_FILE 1901
#define IDS_VERSIONS_COLUMN_COPY 1902
#define IDS_VERSIONS_COLUMN_SAVED 1903
#define IDS_VERSIONS_SAME 1904
#define IDS_VERSIONS_MISSING 1905
#define IDS_VERSIONS_UNREADABLE 1906
#define IDS_VERSIONS_RESTORE 1907
#define IDS_VERSIONS_RESTORE_FAILED 1908
// Bring back a removed plotter: the context menu's item, none to bring back (%1 the folder),
// a file that could not be moved back (%1 the file, %2 the system's reason), one that stays
// in the plotter folder after a failure (%1 the file, %2 the reason), and the files that came
// back under new names (%1 one KEPT_AS line per file).
#define IDS_PLOTTER_BRING_BACK_MENU 1910
#define IDS_PLOTTER_NONE_REMOVED 1911
#define IDS_PLOTTER_BRING_BACK_FAILED 1912
#define IDS_PLOTTER_NOT_RETURNED 1913
#define IDS_PLOTTER_RENAMED 1914
// Tooltips of controls whose caption cannot carry their meaning: the calibration's arrow
// buttons, the abbreviations of the Options and Expert mode pages, the Plotter list's marker.
#define IDS_TIP_CALIB_LOWER 1950
#define IDS_TIP_CALIB_HIGHER 1951
#define IDS_TIP_CALIB_NARROWER 1952
#define IDS_TIP_CALIB_WIDER 1953
#define IDS_TIP_OPTIONS_ENH_METAFILE 1954
#define IDS_TIP_OPTIONS_SHOW_BACKUPS 1955
#define IDS_TIP_OPTIONS_PREVIEW_IMAGE 1956
#define IDS_TIP_OPTIONS_ERROR_LOG_SB 1957
#define IDS_TIP_EXPERT_EXTDXVAL 1958
#define IDS_TIP_EXPERT_CONSTRUCTION_BG_PIC 1959
#define IDS_TIP_EXPERT_LAYPLANNING_BG_PIC 1960
#define IDS_TIP_PLOTTER_MARKER 1961
