// Texts of the main dialog (template 101), per language.
#if defined(TAV_LANG_DE)
#define T_MAIN_CANCEL "Abbruch"
#define T_MAIN_DEFAULTS "&Standardwerte"
#define T_MAIN_HELP "&Hilfe"
#define T_TITLE_SCREEN "Bildschirm"
#define T_TITLE_DRIVES "Laufwerke"
#define T_TITLE_PLOTTER "Plotter"
#define T_TITLE_DIGITIZER "Digitizer"
#define T_TITLE_LAYPLANNING "Schnittbild"
#define T_TITLE_TOOLBOX "Toolbox"
#define T_TITLE_LANGUAGE "Sprache"
#define T_TITLE_OPTIONS "Sonstiges"
#define T_TITLE_EXPERT "Experten-Modus"
#define S_MAIN_FILE_UNREADABLE "Die Konfigurationsdatei \\taviro\\taviro.ini konnte nicht gelesen werden; möglicherweise wird sie gerade von einem anderen Programm verwendet.\n\nAngezeigt werden die Standardwerte. Mit OK werden sie nicht in die Datei geschrieben; die Datei bleibt unverändert."
#define S_MAIN_FILE_NOT_WRITABLE "Die Konfigurationsdatei \\taviro\\taviro.ini enthält Zeichen, die dieses Programm nicht zurückschreiben kann.\n\nMit OK wird die Datei nicht verändert."
// Help opens the German start page of the help file.
#define S_MAIN_HELP_TOPIC "::/de/index.html"
#elif defined(TAV_LANG_EN)
#define T_MAIN_CANCEL "Cancel"
#define T_MAIN_DEFAULTS "&Defaults"
#define T_MAIN_HELP "&Help"
#define T_TITLE_SCREEN "Screen"
#define T_TITLE_DRIVES "Drives"
#define T_TITLE_PLOTTER "Plotter"
#define T_TITLE_DIGITIZER "Digitizer"
#define T_TITLE_LAYPLANNING "Layplanning"
#define T_TITLE_TOOLBOX "Toolbox"
#define T_TITLE_LANGUAGE "Language"
#define T_TITLE_OPTIONS "Options"
#define T_TITLE_EXPERT "Expert Mode"
#define S_MAIN_FILE_UNREADABLE "The configuration file \\taviro\\taviro.ini could not be read; another program may be using it.\n\nThe settings shown are the defaults. OK will not write them to the file; the file stays as it is."
#define S_MAIN_FILE_NOT_WRITABLE "The configuration file \\taviro\\taviro.ini contains characters that this program cannot write back.\n\nOK will not change the file."
// Help opens the help file at its own start page, the English one.
#define S_MAIN_HELP_TOPIC ""
#else
#error "Texts of the main dialog: no branch for this language"
#endif
