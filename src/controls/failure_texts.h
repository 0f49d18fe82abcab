// Texts of the messages that tell of a failed action (string table), per language. %1 is
// The resource compiler reads these lines as they stand.
// clang-format off
// the file, %2 the system's reason.
#if defined(TAV_LANG_DE)
#define S_FILE_NOT_WRITTEN "Die Datei %1 konnte nicht geschrieben werden:\n%2\n\nIhre Änderungen bleiben erhalten: Mit OK versuchen Sie es erneut, mit Abbruch verlassen Sie den Dialog, ohne zu speichern."
#elif defined(TAV_LANG_EN)
#define S_FILE_NOT_WRITTEN "The file %1 could not be written:\n%2\n\nYour changes are kept: press OK to try again, or Cancel to leave without saving."
#elif defined(TAV_LANG_FI)
#define S_FILE_NOT_WRITTEN "Tiedostoa %1 ei voitu kirjoittaa:\n%2\n\nMuutoksesi säilyvät: yritä uudelleen valitsemalla OK tai poistu tallentamatta valitsemalla Peruuta."
#elif defined(TAV_LANG_PL)
#define S_FILE_NOT_WRITTEN "Nie można zapisać pliku %1:\n%2\n\nZmiany zostały zachowane: kliknij OK, aby spróbować ponownie, lub Anuluj, aby wyjść bez zapisywania."
#elif defined(TAV_LANG_RU)
#define S_FILE_NOT_WRITTEN "Не удалось записать файл %1:\n%2\n\nВаши изменения сохранены: нажмите OK, чтобы повторить попытку, или «Отмена», чтобы выйти без сохранения."
#elif defined(TAV_LANG_ZH)
#define S_FILE_NOT_WRITTEN "无法写入文件 %1：\n%2\n\n您的更改仍然保留：单击“确定”重试，或单击“取消”不保存退出。"
#else
#error "Failure messages: no texts for this language"
#endif
