// Texts of the Digitizer page (template 124), per language.
// The resource compiler reads these lines as they stand.
// clang-format off
#if defined(TAV_LANG_DE)
#define T_DIGI_MENU_AREA "Größe des &Menüfeldes"
#define T_DIGI_OK_CODE "Code-Nr. der &OK-Taste"
#define T_DIGI_CANCEL_CODE "Code-Nr. der &Abbruch-Taste"
#define T_DIGI_DELAY "&Verzögerung nach Tastendruck"
#define T_DIGI_CURSOR "Digi-C&ursor"
#elif defined(TAV_LANG_EN)
#define T_DIGI_MENU_AREA "Size of &menu area"
#define T_DIGI_OK_CODE "Code no. for &OK button"
#define T_DIGI_CANCEL_CODE "Code no. for &cancel button"
#define T_DIGI_DELAY "De&lay after key press"
#define T_DIGI_CURSOR "Digi-C&ursor"
#elif defined(TAV_LANG_FI)
#define T_DIGI_MENU_AREA "&Valikkoalueen koko"
#define T_DIGI_OK_CODE "OK-painikkeen &koodinumero"
#define T_DIGI_CANCEL_CODE "&Peruuta-painikkeen koodinumero"
#define T_DIGI_DELAY "Viive &näppäimen painalluksen jälkeen"
#define T_DIGI_CURSOR "Digitoijan k&ursori"
#elif defined(TAV_LANG_PL)
#define T_DIGI_MENU_AREA "Rozmiar pola &menu"
#define T_DIGI_OK_CODE "Kod przycisku &OK"
#define T_DIGI_CANCEL_CODE "Kod przycisku &Anuluj"
#define T_DIGI_DELAY "Opóźnienie po naciśnięciu &klawisza"
#define T_DIGI_CURSOR "K&ursor digitizera"
#elif defined(TAV_LANG_RU)
#define T_DIGI_MENU_AREA "Размер поля &меню"
#define T_DIGI_OK_CODE "Ко&д кнопки OK"
#define T_DIGI_CANCEL_CODE "Код кнопки О&тмена"
#define T_DIGI_DELAY "&Задержка после нажатия клавиши"
#define T_DIGI_CURSOR "&Курсор дигитайзера"
#elif defined(TAV_LANG_ZH)
#define T_DIGI_MENU_AREA "菜单区大小(&M)"
#define T_DIGI_OK_CODE "确定键代码(&O)"
#define T_DIGI_CANCEL_CODE "取消键代码(&C)"
#define T_DIGI_DELAY "按键后延迟(&L)"
#define T_DIGI_CURSOR "数字化仪光标(&U)"
#else
#error "Texts of the Digitizer page: no branch for this language"
#endif
