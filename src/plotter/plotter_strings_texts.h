// Texts of the Plotter page's messages (string table), per language.
#if defined(TAV_LANG_DE)
#define S_PLOTTER_DELETE_FILE "Soll die ausgewählte Datei wirklich gelöscht werden?"
#define S_PLOTTER_FILE_EXISTS "Die Datei existiert bereits. Überschreiben?"
#define S_PLOTTER_CREATE_FAILED "Fehler beim Erstellen der Datei."
#define S_PLOTTER_REMOVE "Soll der ausgewählte Plotter wirklich entfernt werden? Für die spätere Verwendung werden die Plottereinstellungen in den Unterordner ""Diverse"" verschoben."
#define S_PLOTTER_ADD_CAPTION "TAVIRO - Plotter hinzufügen"
#elif defined(TAV_LANG_EN)
#define S_PLOTTER_DELETE_FILE "Really delete the selected file?"
#define S_PLOTTER_FILE_EXISTS "File already exists. Overwrite?"
#define S_PLOTTER_CREATE_FAILED "Error when creating file."
#define S_PLOTTER_REMOVE "Really remove the selected plotter? For a backup the current settings are moved to subfolder ""Diverse"" ."
#define S_PLOTTER_ADD_CAPTION "TAVIRO - Add plotter"
#else
#error "Plotter page messages: no texts for this language"
#endif
