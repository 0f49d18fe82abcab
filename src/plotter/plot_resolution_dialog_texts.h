// Texts of the plot resolution dialog (template 167), per language.
// The resource compiler reads these lines as they stand.
// clang-format off
#if defined(TAV_LANG_DE)
#define T_RESOLUTION_GROUP "Plotterauflösung"
#define T_RESOLUTION_UNIT "mm/Schritt"
#define T_RESOLUTION_COMPARISON "Soll/Ist-Korrektur"
#define T_RESOLUTION_DESIRED "&Sollwert"
#define T_RESOLUTION_ACTUAL "&Istwert"
#define T_RESOLUTION_RECALCULATE "&Auflösung neu berechnenen"
#define T_RESOLUTION_CANCEL "Abbruch"
#elif defined(TAV_LANG_EN)
#define T_RESOLUTION_GROUP "Plot resolution"
#define T_RESOLUTION_UNIT "mm/step"
#define T_RESOLUTION_COMPARISON "Target/actual comparison"
#define T_RESOLUTION_DESIRED "&desired value"
#define T_RESOLUTION_ACTUAL "a&ctual value"
#define T_RESOLUTION_RECALCULATE "&Recalculate resolution"
#define T_RESOLUTION_CANCEL "Cancel"
#elif defined(TAV_LANG_FI)
#define T_RESOLUTION_GROUP "Plotterin tarkkuus"
#define T_RESOLUTION_UNIT "mm/askel"
#define T_RESOLUTION_COMPARISON "Tavoitearvon ja todellisen arvon vertailu"
#define T_RESOLUTION_DESIRED "&Tavoitearvo"
#define T_RESOLUTION_ACTUAL "T&odellinen arvo"
#define T_RESOLUTION_RECALCULATE "&Laske tarkkuus uudelleen"
#define T_RESOLUTION_CANCEL "Peruuta"
#elif defined(TAV_LANG_PL)
#define T_RESOLUTION_GROUP "Rozdzielczość plotera"
#define T_RESOLUTION_UNIT "mm/krok"
#define T_RESOLUTION_COMPARISON "Porównanie wartości zadanej i rzeczywistej"
#define T_RESOLUTION_DESIRED "Wartość &zadana"
#define T_RESOLUTION_ACTUAL "Wartość &rzeczywista"
#define T_RESOLUTION_RECALCULATE "&Przelicz rozdzielczość"
#define T_RESOLUTION_CANCEL "Anuluj"
#elif defined(TAV_LANG_RU)
#define T_RESOLUTION_GROUP "Разрешение плоттера"
#define T_RESOLUTION_UNIT "мм/шаг"
#define T_RESOLUTION_COMPARISON "Сравнение заданного и фактического значений"
#define T_RESOLUTION_DESIRED "&Заданное значение"
#define T_RESOLUTION_ACTUAL "&Фактическое значение"
#define T_RESOLUTION_RECALCULATE "&Пересчитать разрешение"
#define T_RESOLUTION_CANCEL "Отмена"
#elif defined(TAV_LANG_ZH)
#define T_RESOLUTION_GROUP "绘图分辨率"
#define T_RESOLUTION_UNIT "mm/步"
#define T_RESOLUTION_COMPARISON "目标值/实际值比较"
#define T_RESOLUTION_DESIRED "目标值(&D)"
#define T_RESOLUTION_ACTUAL "实际值(&C)"
#define T_RESOLUTION_RECALCULATE "重新计算分辨率(&R)"
#define T_RESOLUTION_CANCEL "取消"
#else
#error "Texts of the plot resolution dialog: no branch for this language"
#endif
