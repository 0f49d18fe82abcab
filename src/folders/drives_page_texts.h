// Texts of the Drives page (template 108), per language.
#if defined(TAV_LANG_DE)
#define T_DRIVES_INSTALLATION "&TAVIRO - Laufwerke:"
#define T_DRIVES_OTHER "S&onstige Laufwerke"
#define T_DRIVES_STARTUP "TAVIRO - St&artlaufwerk:"
#define T_DRIVES_SPREADSHEET "Startkommando für Tabellen&kalkulation"
#define T_DRIVES_WORD_PROCESSOR "Startkommando für Te&xtverarbeitung"
#define T_DRIVES_BROWSE "Durchsuchen"
#define T_DRIVES_NETWORK "&Netzwerk-Setup"
#elif defined(TAV_LANG_EN)
#define T_DRIVES_INSTALLATION "&TAVIRO drives:"
#define T_DRIVES_OTHER "&Other drives"
#define T_DRIVES_STARTUP "TAVIRO st&artup drive:"
#define T_DRIVES_SPREADSHEET "Start command for &spreadsheet"
#define T_DRIVES_WORD_PROCESSOR "Start command for &word processor"
#define T_DRIVES_BROWSE "Browse..."
#define T_DRIVES_NETWORK "&Network setup..."
#else
#error "Texts of the Drives page: no branch for this language"
#endif
