// Texts of the screen calibration dialog (template 103), per language.
#if defined(TAV_LANG_DE)
#define T_CALIB_CAPTION "TAVIRO - Bildschirmgröße einstellen"
#define T_CALIB_INSTRUCTION "Verändern Sie das angezeigte Rechteck, bis es genau 10cm x 10cm misst."
#define T_CALIB_PRESETS "&Standardwerte für verschiedene Bildschirme:"
#elif defined(TAV_LANG_EN)
#define T_CALIB_CAPTION "TAVIRO - Adjust screen size"
#define T_CALIB_INSTRUCTION "Adjust the displayed rectangle until it measures exactly 10cm by 10cm."
#define T_CALIB_PRESETS "&Default values for several displays:"
#else
#error "Texts of the screen calibration dialog: no branch for this language"
#endif
