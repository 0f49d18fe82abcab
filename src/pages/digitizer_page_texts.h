// Texts of the Digitizer page (template 124), per language.
#if defined(TAV_LANG_DE)
#define T_DIGI_MENU_AREA "Größe des &Menüfeldes"
#define T_DIGI_OK_CODE "Code-Nr. der &OK-Taste"
#define T_DIGI_CANCEL_CODE "Code-Nr. der &Abbruch-Taste"
#define T_DIGI_DELAY "&Verzögerung nach Tastendruck"
#define T_DIGI_CURSOR "Digi-C&ursor"
#elif defined(TAV_LANG_EN)
#define T_DIGI_MENU_AREA "Size of &menu area"
#define T_DIGI_OK_CODE "Code no. for &OK button"
#define T_DIGI_CANCEL_CODE "Code no. for &cancel button"
#define T_DIGI_DELAY "De&lay after key press"
#define T_DIGI_CURSOR "Digi-C&ursor"
#else
#error "Texts of the Digitizer page: no branch for this language"
#endif
