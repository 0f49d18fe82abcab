// Tooltip of the Plotter list's marker column (string table), per language.
// The resource compiler reads these lines as they stand.
// clang-format off
#if defined(TAV_LANG_DE)
#define S_TIP_PLOTTER_MARKER "* kennzeichnet einen aktiven Plotter: einen mit Warteschlangendatei (QUE-Datei), den die TAVIRO-Programme zum Plotten anbieten."
#elif defined(TAV_LANG_EN)
#define S_TIP_PLOTTER_MARKER "* marks an active plotter: one with a queue file (QUE file), which the TAVIRO programs offer for plotting."
#elif defined(TAV_LANG_FI)
#define S_TIP_PLOTTER_MARKER "* merkitsee käytössä olevan piirturin: sillä on jonotiedosto (QUE-tiedosto), ja TAVIRO-ohjelmat tarjoavat sitä piirtämiseen."
#elif defined(TAV_LANG_PL)
#define S_TIP_PLOTTER_MARKER "* oznacza aktywny ploter: taki, który ma plik kolejki (plik QUE) i który programy TAVIRO oferują do plotowania."
#elif defined(TAV_LANG_RU)
#define S_TIP_PLOTTER_MARKER "* отмечает активный плоттер: у него есть файл очереди (файл QUE), и программы TAVIRO предлагают его для вывода."
#elif defined(TAV_LANG_ZH)
#define S_TIP_PLOTTER_MARKER "* 表示已激活的绘图仪：它有队列文件（QUE 文件），TAVIRO 各程序可用它进行绘图输出。"
#else
#error "Tooltip of the Plotter page: no branch for this language"
#endif
