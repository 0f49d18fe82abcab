// Texts that several templates share (the OK button, the units next to numbers), per language.
// The resource compiler reads these lines as they stand.
// clang-format off
#if defined(TAV_LANG_DE)
#define T_OK "OK"
#define T_UNIT_MM "mm"
#define T_UNIT_MS "ms"
#elif defined(TAV_LANG_EN)
#define T_OK "OK"
#define T_UNIT_MM "mm"
#define T_UNIT_MS "ms"
#elif defined(TAV_LANG_FI)
#define T_OK "OK"
#define T_UNIT_MM "mm"
#define T_UNIT_MS "ms"
#elif defined(TAV_LANG_PL)
#define T_OK "OK"
#define T_UNIT_MM "mm"
#define T_UNIT_MS "ms"
#elif defined(TAV_LANG_RU)
#define T_OK "OK"
#define T_UNIT_MM "мм"
#define T_UNIT_MS "мс"
#elif defined(TAV_LANG_ZH)
#define T_OK "确定"
#define T_UNIT_MM "mm"
#define T_UNIT_MS "ms"
#else
#error "Shared texts of the templates: no branch for this language"
#endif
