// Texts of the serial port dialog (template 156), per language.
// The resource compiler reads these lines as they stand.
// clang-format off
#if defined(TAV_LANG_DE)
#define T_SERIAL_CAPTION "TAVIRO - Konfiguration COMx"
#define T_SERIAL_GROUP "Serielle Kommunikation"
#define T_SERIAL_PARITY "&Parität"
#define T_SERIAL_DATA_BITS "D&atenbits"
#define T_SERIAL_STOP_BITS "&Stopbits"
#define T_SERIAL_HANDSHAKE "Handshake:"
#define T_SERIAL_CANCEL "Abbruch"
#elif defined(TAV_LANG_EN)
#define T_SERIAL_CAPTION "TAVIRO - Configure COM port"
#define T_SERIAL_GROUP "Communication setup"
#define T_SERIAL_PARITY "&Parity"
#define T_SERIAL_DATA_BITS "D&ata Bits"
#define T_SERIAL_STOP_BITS "&Stop Bits"
#define T_SERIAL_HANDSHAKE "Handshake:"
#define T_SERIAL_CANCEL "Cancel"
#elif defined(TAV_LANG_FI)
#define T_SERIAL_CAPTION "TAVIRO - COM-portin asetukset"
#define T_SERIAL_GROUP "Tiedonsiirtoasetukset"
#define T_SERIAL_PARITY "&Pariteetti"
#define T_SERIAL_DATA_BITS "D&atabitit"
#define T_SERIAL_STOP_BITS "Py&säytysbitit"
#define T_SERIAL_HANDSHAKE "Vuonohjaus:"
#define T_SERIAL_CANCEL "Peruuta"
#elif defined(TAV_LANG_PL)
#define T_SERIAL_CAPTION "TAVIRO - Konfiguracja portu COM"
#define T_SERIAL_GROUP "Parametry transmisji"
#define T_SERIAL_PARITY "&Parzystość"
#define T_SERIAL_DATA_BITS "Bity d&anych"
#define T_SERIAL_STOP_BITS "Bity &stopu"
#define T_SERIAL_HANDSHAKE "Sterowanie przepływem:"
#define T_SERIAL_CANCEL "Anuluj"
#elif defined(TAV_LANG_RU)
#define T_SERIAL_CAPTION "TAVIRO - Настройка COM-порта"
#define T_SERIAL_GROUP "Параметры связи"
#define T_SERIAL_PARITY "&Четность"
#define T_SERIAL_DATA_BITS "Биты &данных"
#define T_SERIAL_STOP_BITS "&Стоповые биты"
#define T_SERIAL_HANDSHAKE "Управление потоком:"
#define T_SERIAL_CANCEL "Отмена"
#elif defined(TAV_LANG_ZH)
#define T_SERIAL_CAPTION "TAVIRO - 配置 COM 端口"
#define T_SERIAL_GROUP "通信设置"
#define T_SERIAL_PARITY "奇偶校验(&P)"
#define T_SERIAL_DATA_BITS "数据位(&A)"
#define T_SERIAL_STOP_BITS "停止位(&S)"
#define T_SERIAL_HANDSHAKE "流控制："
#define T_SERIAL_CANCEL "取消"
#else
#error "Texts of the serial port dialog: no branch for this language"
#endif
