// Texts of the Toolbox page (template 150), per language.
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
#else
#error "Texts of the Toolbox page: no branch for this language"
#endif
