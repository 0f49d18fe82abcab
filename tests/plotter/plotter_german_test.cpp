// The Plotter page and its dialogs with the German user interface: texts from the German
// templates and string table (Western code page: \xe4 a umlaut, \xf6 o umlaut, \xfc u umlaut).
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plotter/plotter_page.h"
#include "plotter/plotter_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

using test::kMainCaption;
using test::plain_text;

TEST(PlotterPage_de, GermanTextsOfThePageItsMessagesAndDialogs) {
  test::TestInstallation inst;
  show_inactive_plotters() = true;
  inst.write("plotter\\PEN90.plt", test::driver_file("Stiftplotter 90"));
  test::ModalScript script;
  script
      .on(kMainCaption, test::on_plotter_page([&](HWND page) {
            EXPECT_EQ(test::column_titles(page), "Aktiv,Name,PLT-Datei,QUE-Datei");
            EXPECT_EQ(plain_text(test::item_text(page, IDB_PLOTTER_REMOVE)), "L\xf6schen");
            EXPECT_EQ(plain_text(test::item_text(page, IDX_PLOTTER_SHOW_INACTIVE)), "Zeige auch inaktive Ger\xe4te");
            inst.write("plotter\\PEN90.que", test::queue_file("alt", "PEN90.PLT"));
            test::select_plotter_row(page, test::plotter_row(page, "PEN90", ""));
            test::post_click(page, IDB_PLOTTER_ACTIVATE);
          }))
      .on("TAVIRO - Plotter hinzuf\xfcgen",
          [](HWND box) {
            EXPECT_EQ(test::message_text(box),
                      "Die Datei existiert bereits. \xdc"
                      "berschreiben?");
            test::click(box, IDNO);
          })
      .on(kMainCaption, test::on_page([](HWND page) { test::post_click(page, IDB_PLOTTER_SETTINGS); }))
      .on("TAVIRO - Plottereinstellungen \xe4ndern",
          [](HWND dialog) {
            EXPECT_EQ(plain_text(test::item_text(dialog, IDB_DRIVER_ADAPT)), "Anpassen");
            test::post_click(dialog, IDB_DRIVER_ADAPT);
          })
      .on("TAVIRO - Setup",
          [](HWND dialog) {
            EXPECT_EQ(plain_text(test::item_text(dialog, IDB_RESOLUTION_RECALCULATE)), "Aufl\xf6sung neu berechnenen");
            test::set_item_text(dialog, IDC_RESOLUTION_X, "");
            test::post_click(dialog, IDOK);
          })
      .on("TAVIRO - Setup",
          [](HWND box) {
            EXPECT_EQ(test::message_text(box),
                      "Bitte geben Sie die Plotteraufl\xf6sung als positive Zahl ein, zum Beispiel 0,025.");
            test::click(box, IDOK);
          })
      .on("TAVIRO - Setup", [](HWND dialog) { test::click(dialog, IDCANCEL); })
      .on("TAVIRO - Plottereinstellungen \xe4ndern", [](HWND dialog) { test::click(dialog, IDCANCEL); })
      .on(kMainCaption, test::on_page([](HWND page) { test::post_click(page, IDB_PLOTTER_SERIAL_PORT); }))
      .on("TAVIRO - Konfiguration COMx",
          [](HWND dialog) {
            EXPECT_EQ(test::combo_items(dialog, IDC_SERIAL_PARITY),
                      (std::vector<std::string>{"Keine", "Ungerade", "Gerade", "Markierung", "Leerzeichen"}));
            test::click(dialog, IDCANCEL);
          })
      .on(kMainCaption, [](HWND) { test::close_main_dialog(); });
  test::run_main_dialog_with(script);
  show_inactive_plotters() = false;
}

}  // namespace
}  // namespace tav
