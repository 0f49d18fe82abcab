// Texts of the line types dialog (template 148), per language.
#if defined(TAV_LANG_DE)
#define T_LINETYPES_CAPTION "TAVIRO - Linientypen"
#define T_LINETYPES_HEADING "TAVIRO-Attribute"
#define T_LINETYPES_GRAIN "&Fadenlauf"
#define T_LINETYPES_ANNOTATION "&Beschriftungslinie"
#define T_LINETYPES_SPLIT "&Teilungslinie"
#define T_LINETYPES_CUT_INTERNAL "Schnittlinie &innen"
#define T_LINETYPES_MARKING "&Markierungslinien"
#define T_LINETYPES_AUXILIARY "&Hilfslinien"
#define T_LINETYPES_CANCEL "Abbruch"
#elif defined(TAV_LANG_EN)
#define T_LINETYPES_CAPTION "TAVIRO - Line types"
#define T_LINETYPES_HEADING "TAVIRO Attributes"
#define T_LINETYPES_GRAIN "&Grain line"
#define T_LINETYPES_ANNOTATION "A&nnotation line"
#define T_LINETYPES_SPLIT "&Split line"
#define T_LINETYPES_CUT_INTERNAL "&Cut internal line"
#define T_LINETYPES_MARKING "&Marking lines"
#define T_LINETYPES_AUXILIARY "A&uxiliary lines"
#define T_LINETYPES_CANCEL "Cancel"
#else
#error "Line types dialog: no texts for this language"
#endif
