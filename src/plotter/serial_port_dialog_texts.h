// Texts of the serial port dialog (template 156), per language.
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
#else
#error "Texts of the serial port dialog: no branch for this language"
#endif
