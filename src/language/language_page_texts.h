// Texts of the Language page (template 151), per language.
// The resource compiler reads these lines as they stand.
// clang-format off
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
#elif defined(TAV_LANG_FI)
#define T_LANGUAGE_LABEL "&Kieli"
#define T_LANGUAGE_EXTENDED "Laajennetut kieliasetukset"
#define T_LANGUAGE_USE_TTF "Käytä &Windows-fontteja plottaustulosteissa"
#define T_LANGUAGE_MULTIBYTE "Ota &monitavuiset merkit käyttöön Taviro-teksteissä"
#elif defined(TAV_LANG_PL)
#define T_LANGUAGE_LABEL "&Język"
#define T_LANGUAGE_EXTENDED "Rozszerzone opcje językowe"
#define T_LANGUAGE_USE_TTF "Używaj czcionek &Windows przy wydruku na ploterze"
#define T_LANGUAGE_MULTIBYTE "Włącz znaki wielo&bajtowe w tekstach Taviro"
#elif defined(TAV_LANG_RU)
#define T_LANGUAGE_LABEL "&Язык"
#define T_LANGUAGE_EXTENDED "Дополнительные языковые параметры"
#define T_LANGUAGE_USE_TTF "Использовать &шрифты Windows для вывода на плоттер"
#define T_LANGUAGE_MULTIBYTE "Включить &многобайтовые символы в текстах Taviro"
#elif defined(TAV_LANG_ZH)
#define T_LANGUAGE_LABEL "语言(&L)"
#define T_LANGUAGE_EXTENDED "扩展语言选项"
#define T_LANGUAGE_USE_TTF "绘图输出使用 Windows 字体(&W)"
#define T_LANGUAGE_MULTIBYTE "在 Taviro 文本中启用多字节字符(&M)"
#else
#error "Texts of the Language page: no branch for this language"
#endif
