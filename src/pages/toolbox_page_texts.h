// Texts of the Toolbox page (template 150), per language.
// The resource compiler reads these lines as they stand.
// clang-format off
#if defined(TAV_LANG_DE)
#define T_TOOLBOX_CONSTRUCTION "Schnitt&konstruktion"
#define T_TOOLBOX_LAYPLANNING "Schnitt&bild"
#define T_TOOLBOX_CONTENTS "In der &Toolbox:"
#define T_TOOLBOX_AVAILABLE "&Verfügbar:"
#define T_TOOLBOX_UP "Nach &oben"
#define T_TOOLBOX_DOWN "Nach &unten"
#elif defined(TAV_LANG_EN)
#define T_TOOLBOX_CONSTRUCTION "&Pattern Construction"
#define T_TOOLBOX_LAYPLANNING "&Layplanning"
#define T_TOOLBOX_CONTENTS "In &Toolbox:"
#define T_TOOLBOX_AVAILABLE "&Available:"
#define T_TOOLBOX_UP "&Up"
#define T_TOOLBOX_DOWN "Do&wn"
#elif defined(TAV_LANG_FI)
#define T_TOOLBOX_CONSTRUCTION "&Kaavoitus"
#define T_TOOLBOX_LAYPLANNING "&Leikkuukuva"
#define T_TOOLBOX_CONTENTS "&Työkaluissa:"
#define T_TOOLBOX_AVAILABLE "&Saatavilla:"
#define T_TOOLBOX_UP "&Ylös"
#define T_TOOLBOX_DOWN "&Alas"
#elif defined(TAV_LANG_PL)
#define T_TOOLBOX_CONSTRUCTION "&Konstrukcja"
#define T_TOOLBOX_LAYPLANNING "&Układ kroju"
#define T_TOOLBOX_CONTENTS "W p&rzyborniku:"
#define T_TOOLBOX_AVAILABLE "Dos&tępne:"
#define T_TOOLBOX_UP "W &górę"
#define T_TOOLBOX_DOWN "&W dół"
#elif defined(TAV_LANG_RU)
#define T_TOOLBOX_CONSTRUCTION "&Конструирование"
#define T_TOOLBOX_LAYPLANNING "&Раскладка"
#define T_TOOLBOX_CONTENTS "На панели &инструментов:"
#define T_TOOLBOX_AVAILABLE "&Доступные:"
#define T_TOOLBOX_UP "&Вверх"
#define T_TOOLBOX_DOWN "В&низ"
#elif defined(TAV_LANG_ZH)
#define T_TOOLBOX_CONSTRUCTION "纸样设计(&P)"
#define T_TOOLBOX_LAYPLANNING "排料(&L)"
#define T_TOOLBOX_CONTENTS "工具箱中(&T)："
#define T_TOOLBOX_AVAILABLE "可用(&A)："
#define T_TOOLBOX_UP "上移(&U)"
#define T_TOOLBOX_DOWN "下移(&W)"
#else
#error "Texts of the Toolbox page: no branch for this language"
#endif
