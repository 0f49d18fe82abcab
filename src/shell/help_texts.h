// Texts of the help (shell/help.cpp), per language: the help file of the language and the
// folder of its pages in that file. English, German and Finnish share setup.chm (Windows-1252);
// every other language has a file of its own in its code page.
// The resource compiler reads these lines as they stand.
// clang-format off
#if defined(TAV_LANG_DE)
#define S_HELP_FILE "setup.chm"
#define S_HELP_FOLDER "de"
#elif defined(TAV_LANG_EN)
#define S_HELP_FILE "setup.chm"
#define S_HELP_FOLDER "en"
#elif defined(TAV_LANG_FI)
#define S_HELP_FILE "setup.chm"
#define S_HELP_FOLDER "fi"
#elif defined(TAV_LANG_PL)
#define S_HELP_FILE "setup_pl.chm"
#define S_HELP_FOLDER "pl"
#elif defined(TAV_LANG_RU)
#define S_HELP_FILE "setup_ru.chm"
#define S_HELP_FOLDER "ru"
#elif defined(TAV_LANG_ZH)
#define S_HELP_FILE "setup_zh.chm"
#define S_HELP_FOLDER "zh"
#else
#error "Texts of the help: no branch for this language"
#endif
