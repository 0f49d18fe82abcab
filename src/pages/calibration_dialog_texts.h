// Texts of the screen calibration dialog (template 103), per language.
// The resource compiler reads these lines as they stand.
// clang-format off
#if defined(TAV_LANG_DE)
#define T_CALIB_CAPTION "TAVIRO - Bildschirmgröße einstellen"
#define T_CALIB_INSTRUCTION "Verändern Sie das angezeigte Rechteck, bis es genau 10cm x 10cm misst."
#define T_CALIB_PRESETS "&Standardwerte für verschiedene Bildschirme:"
#elif defined(TAV_LANG_EN)
#define T_CALIB_CAPTION "TAVIRO - Adjust screen size"
#define T_CALIB_INSTRUCTION "Adjust the displayed rectangle until it measures exactly 10cm by 10cm."
#define T_CALIB_PRESETS "&Default values for several displays:"
#elif defined(TAV_LANG_FI)
#define T_CALIB_CAPTION "TAVIRO - Näytön koon säätö"
#define T_CALIB_INSTRUCTION "Muuta näytettyä suorakulmiota, kunnes se on tarkalleen 10 cm x 10 cm."
#define T_CALIB_PRESETS "&Oletusarvot eri näytöille:"
#elif defined(TAV_LANG_PL)
#define T_CALIB_CAPTION "TAVIRO - Dopasowanie rozmiaru ekranu"
#define T_CALIB_INSTRUCTION "Zmieniaj wyświetlany prostokąt, aż będzie mierzył dokładnie 10 cm na 10 cm."
#define T_CALIB_PRESETS "&Wartości domyślne dla różnych monitorów:"
#elif defined(TAV_LANG_RU)
#define T_CALIB_CAPTION "TAVIRO - Настройка размера экрана"
#define T_CALIB_INSTRUCTION "Измените показанный прямоугольник так, чтобы его размер был ровно 10 см на 10 см."
#define T_CALIB_PRESETS "&Стандартные значения для разных мониторов:"
#elif defined(TAV_LANG_ZH)
#define T_CALIB_CAPTION "TAVIRO - 调整屏幕尺寸"
#define T_CALIB_INSTRUCTION "调整所显示的矩形，直到其大小恰好为 10 厘米 × 10 厘米。"
#define T_CALIB_PRESETS "各种显示器的默认值(&D)："
#else
#error "Texts of the screen calibration dialog: no branch for this language"
#endif
