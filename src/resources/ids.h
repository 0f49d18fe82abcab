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
