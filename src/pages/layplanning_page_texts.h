// Texts of the Layplanning page (template 149), per language.
#if defined(TAV_LANG_DE)
#define T_LAYPLAN_LETTER_HEIGHT "Minimale Schrifthöhe:"
#define T_LAYPLAN_PLOT "&Plotten"
#define T_LAYPLAN_PRINT "&Drucken"
#define T_LAYPLAN_ADD_SIZE "&Größe an den Standardnamen des Schnittbilds anhängen"
#define T_LAYPLAN_ONE_PATH "Gleiches &Verzeichnis für Öffnen und Speichern anbieten"
#define T_LAYPLAN_USE_AUTONESTER "&Autonester verwenden"
#define T_LAYPLAN_PROGRAM "P&rogramm"
#define T_LAYPLAN_SEARCH "Su&chen"
#define T_LAYPLAN_HEM_POSITION "Sa&umlage"
#define T_LAYPLAN_LINE_TYPES "&Linientypen"
#elif defined(TAV_LANG_EN)
#define T_LAYPLAN_LETTER_HEIGHT "Minimum letter hight:"
#define T_LAYPLAN_PLOT "&Plot"
#define T_LAYPLAN_PRINT "P&rint"
#define T_LAYPLAN_ADD_SIZE "Add si&ze to standard marker name"
#define T_LAYPLAN_ONE_PATH "Offer same director&y for Open and Save"
#define T_LAYPLAN_USE_AUTONESTER "Use &Autonester"
#define T_LAYPLAN_PROGRAM "Pro&gram"
#define T_LAYPLAN_SEARCH "&Search"
#define T_LAYPLAN_HEM_POSITION "Hem p&osition"
#define T_LAYPLAN_LINE_TYPES "&Line types"
#else
#error "Layplanning page: no texts for this language"
#endif
