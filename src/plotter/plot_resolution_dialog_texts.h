// Texts of the plot resolution dialog (template 167), per language.
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
#else
#error "Texts of the plot resolution dialog: no branch for this language"
#endif
