// Texts of the Language page (template 151), per language.
#if defined(TAV_LANG_DE)
#define T_LANGUAGE_LABEL "Sp&rache"
#define T_LANGUAGE_EXTENDED "Erweiterte Sprachoptionen"
#define T_LANGUAGE_USE_TTF "&Windows-Schriften für die Plotausgabe verwenden"
#define T_LANGUAGE_MULTIBYTE "&Multibyte-Zeichen in Taviro-Texten aktivieren"
#elif defined(TAV_LANG_EN)
#define T_LANGUAGE_LABEL "&Language"
#define T_LANGUAGE_EXTENDED "Extended language options"
#define T_LANGUAGE_USE_TTF "Use &Windows fonts for plot output"
#define T_LANGUAGE_MULTIBYTE "Activate &multi-byte characters in Taviro texts"
#else
#error "Texts of the Language page: no branch for this language"
#endif
