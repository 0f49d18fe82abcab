// Texts of the Plotter page (template 174), per language.
#if defined(TAV_LANG_DE)
#define T_PLOTTER_ACTIVATE "&Aktivieren"
#define T_PLOTTER_DUPLICATE "D&uplizieren"
#define T_PLOTTER_DEACTIVATE "D&eaktivieren"
#define T_PLOTTER_SETTINGS "E&instellungen"
#define T_PLOTTER_REMOVE "&Löschen"
#define T_PLOTTER_SHOW_INACTIVE "&Zeige auch inaktive Geräte"
#define T_PLOTTER_SERIAL_PORT "Serielle Schnittstelle &konfigurieren"
#define T_PLOTTER_COLUMN_ACTIVE "Aktiv"
#define T_PLOTTER_COLUMN_NAME "Name"
#define T_PLOTTER_COLUMN_DRIVER "PLT-Datei"
#define T_PLOTTER_COLUMN_QUEUE "QUE-Datei"
#elif defined(TAV_LANG_EN)
#define T_PLOTTER_ACTIVATE "&Activate"
#define T_PLOTTER_DUPLICATE "D&uplicate"
#define T_PLOTTER_DEACTIVATE "D&eactivate"
#define T_PLOTTER_SETTINGS "Se&ttings"
#define T_PLOTTER_REMOVE "&Remove"
#define T_PLOTTER_SHOW_INACTIVE "Show &inactive plotters also"
#define T_PLOTTER_SERIAL_PORT "Configure &serial port"
#define T_PLOTTER_COLUMN_ACTIVE "active"
#define T_PLOTTER_COLUMN_NAME "Name"
#define T_PLOTTER_COLUMN_DRIVER "PLT file"
#define T_PLOTTER_COLUMN_QUEUE "QUE file"
#else
#error "Texts of the Plotter page: no branch for this language"
#endif
