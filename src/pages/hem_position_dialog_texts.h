// Texts of the hem position dialog (template 113), per language.
#if defined(TAV_LANG_DE)
#define T_HEM_CAPTION "TAVIRO - Saumlage"
#define T_HEM_CONSTRUCTION "Saumlage in der Konstruktion"
#define T_HEM_CONSTRUCTION_BOTTOM "Saum &unten (Standard)"
#define T_HEM_CONSTRUCTION_LEFT "Saum &links"
#define T_HEM_CONSTRUCTION_RIGHT "Saum &rechts"
#define T_HEM_LAYPLAN "Saumlage im Schnittbild"
#define T_HEM_LAYPLAN_START "Saum l&inks (Stoffanfang)"
#define T_HEM_LAYPLAN_END "Saum r&echts (Stoffende)"
#define T_HEM_CANCEL "Abbruch"
#elif defined(TAV_LANG_EN)
#define T_HEM_CAPTION "TAVIRO - Hem position"
#define T_HEM_CONSTRUCTION "Hem position in the construction"
#define T_HEM_CONSTRUCTION_BOTTOM "Hem &bottom (standard)"
#define T_HEM_CONSTRUCTION_LEFT "Hem &left"
#define T_HEM_CONSTRUCTION_RIGHT "Hem &right"
#define T_HEM_LAYPLAN "Hem position in the layplan"
#define T_HEM_LAYPLAN_START "Hem left (&start of material)"
#define T_HEM_LAYPLAN_END "Hem right (&end of material)"
#define T_HEM_CANCEL "Cancel"
#else
#error "Hem position dialog: no texts for this language"
#endif
