// The Options page through its real controls, ending in what OK writes to the main
// configuration file; the error log buttons start the stand-in notepad.exe beside the tests.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "config/settings.h"
#include "controls/controls.h"
#include "controls/page_contract.h"
#include "language/installed_version.h"
#include "pages/options_page.h"
#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"
#include "support/probe_log.h"

namespace tav {
namespace {

using test::main_value;
using test::with_page;

void write_options(const test::TestInstallation& installation, const std::string& keys) {
  installation.write("taviro.ini", "[OPTIONS]\r\n" + keys);
}

std::vector<unsigned char> bitmap_bits(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {};
  std::vector<unsigned char> bits(static_cast<std::size_t>(info.bmWidthBytes) *
                                  static_cast<std::size_t>(info.bmHeight));
  GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
  return bits;
}

// True when the preview shows the bitmap resource `id`.
bool preview_shows(HWND page, int id) {
  HBITMAP shown =
      reinterpret_cast<HBITMAP>(SendDlgItemMessageA(page, IDT_OPTIONS_FONT_PREVIEW, STM_GETIMAGE, IMAGE_BITMAP, 0));
  HBITMAP expected = static_cast<HBITMAP>(
      LoadImageA(controls::program_instance(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  const bool same = shown && !bitmap_bits(shown).empty() && bitmap_bits(shown) == bitmap_bits(expected);
  DeleteObject(expected);
  return same && test::is_visible(page, IDT_OPTIONS_FONT_PREVIEW);
}

void press_arrow(HWND page, UINT key) {
  SendDlgItemMessageA(page, IDE_OPTIONS_BACKUPS, WM_KEYDOWN, key, 0);
  SendDlgItemMessageA(page, IDE_OPTIONS_BACKUPS, WM_KEYUP, key, 0);
}

TEST(OptionsPage, ShowsTheSettingsAndStoresThemOnOk) {
  test::TestInstallation installation;
  write_options(installation,
                "SAVEMINUTES=15\r\nBAKMAX=3\r\nTAVIROFONT=TAVIRO0.FNT\r\nEDITONCLICK=1\r\nENHMETAFILE=0\r\n"
                "CHECKMDLONSAVE=1\r\nSHOW_BAKFILES=1\r\nSAVE_VERIFY=0\r\nMDL_PREVIEW_IMAGE=1\r\n");
  with_page(
      test::kOptionsTab,
      [](HWND page, HWND) {
        EXPECT_EQ(test::item_text(page, IDE_OPTIONS_SAVE_MINUTES), "15");
        EXPECT_EQ(test::item_text(page, IDE_OPTIONS_BACKUPS), "3");
        EXPECT_EQ(test::combo_items(page, IDC_OPTIONS_FONT),
                  (std::vector<std::string>{"TAVIRO0", "TAVIRO1", "TAVIRO2", "TAVIRO3", "TAVIRO4", "TAVIRO5"}));
        EXPECT_EQ(test::combo_selection(page, IDC_OPTIONS_FONT), 0);
        EXPECT_TRUE(preview_shows(page, 134));
        EXPECT_TRUE(test::is_checked(page, IDX_OPTIONS_EDIT_ON_CLICK));
        EXPECT_FALSE(test::is_checked(page, IDX_OPTIONS_ENH_METAFILE));
        EXPECT_TRUE(test::is_checked(page, IDX_OPTIONS_CHECK_MODEL));
        EXPECT_TRUE(test::is_checked(page, IDX_OPTIONS_SHOW_BACKUPS));
        EXPECT_TRUE(test::is_checked(page, IDX_OPTIONS_PREVIEW_IMAGE));
        EXPECT_TRUE(test::is_checked(page, IDX_OPTIONS_AUTOZOOM));  // NO_INTERBB_ZOOM missing
        test::click(page, IDX_OPTIONS_EDIT_ON_CLICK);
        test::click(page, IDX_OPTIONS_ENH_METAFILE);
        test::click(page, IDX_OPTIONS_SAVE_VERIFY);
        test::click(page, IDX_OPTIONS_CACHE_HELP);
        test::click(page, IDX_OPTIONS_HIDE_MIRRORED);
        test::choose_combo_item(page, IDC_OPTIONS_FONT, 5);
        EXPECT_TRUE(preview_shows(page, 135));
        test::set_item_text(page, IDE_OPTIONS_SAVE_MINUTES, "250");
      },
      IDOK);
  EXPECT_EQ(main_value("OPTIONS", "SAVEMINUTES"), "99");
  EXPECT_EQ(main_value("OPTIONS", "BAKMAX"), "3");
  EXPECT_EQ(main_value("OPTIONS", "TAVIROFONT"), "TAVIRO5.FNT");
  EXPECT_EQ(main_value("OPTIONS", "EDITONCLICK"), "0");
  EXPECT_EQ(main_value("OPTIONS", "ENHMETAFILE"), "1");
  EXPECT_EQ(main_value("OPTIONS", "CHECKMDLONSAVE"), "1");
  EXPECT_EQ(main_value("OPTIONS", "CACHE_CHM"), "1");
  EXPECT_EQ(main_value("OPTIONS", "HIDE_MIRFOLD"), "1");
  EXPECT_EQ(main_value("OPTIONS", "NO_INTERBB_ZOOM"), "0");
  EXPECT_EQ(main_value("OPTIONS", "SHOW_BAKFILES"), "1");
  EXPECT_EQ(main_value("OPTIONS", "MDL_PREVIEW_IMAGE"), "1");
  EXPECT_EQ(main_value("OPTIONS", "SAVE_VERIFY"), "1");
}

TEST(OptionsPage, InvalidAutoSaveEntryKeepsTheSetting) {
  test::TestInstallation installation;
  write_options(installation, "SAVEMINUTES=20\r\n");
  with_page(
      test::kOptionsTab, [](HWND page, HWND) { test::set_item_text(page, IDE_OPTIONS_SAVE_MINUTES, ""); }, IDOK);
  EXPECT_EQ(main_value("OPTIONS", "SAVEMINUTES"), "20");
  with_page(
      test::kOptionsTab, [](HWND page, HWND) { test::set_item_text(page, IDE_OPTIONS_SAVE_MINUTES, "-5"); }, IDOK);
  EXPECT_EQ(main_value("OPTIONS", "SAVEMINUTES"), "20");
}

TEST(OptionsPage, LowerCaseFontNameFindsItsItemAndPicture) {
  test::TestInstallation installation;
  write_options(installation, "TAVIROFONT=taviro4.fnt\r\n");
  with_page(
      test::kOptionsTab,
      [](HWND page, HWND) {
        EXPECT_EQ(test::combo_selection(page, IDC_OPTIONS_FONT), 4);
        EXPECT_TRUE(preview_shows(page, 138));
        test::choose_combo_item(page, IDC_OPTIONS_FONT, 1);
        EXPECT_TRUE(preview_shows(page, 139));
        test::choose_combo_item(page, IDC_OPTIONS_FONT, -1);  // no selection: no picture
        EXPECT_FALSE(test::is_visible(page, IDT_OPTIONS_FONT_PREVIEW));
        test::choose_combo_item(page, IDC_OPTIONS_FONT, 3);
        EXPECT_TRUE(preview_shows(page, 137));
      },
      IDOK);
  EXPECT_EQ(main_value("OPTIONS", "TAVIROFONT"), "TAVIRO3.FNT");
}

TEST(OptionsPage, UnknownFontSelectsNothingAndStoresTaviro2) {
  test::TestInstallation installation;
  write_options(installation, "TAVIROFONT=OTHER.FNT\r\n");
  with_page(
      test::kOptionsTab,
      [](HWND page, HWND) {
        EXPECT_EQ(test::combo_selection(page, IDC_OPTIONS_FONT), -1);
        // The picture keeps the template's state: a visible, empty frame.
        HWND picture = GetDlgItem(page, IDT_OPTIONS_FONT_PREVIEW);
        EXPECT_EQ(GetWindowLongPtrA(picture, GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDFRAME);
        EXPECT_TRUE(IsWindowVisible(picture));
      },
      IDOK);
  EXPECT_EQ(main_value("OPTIONS", "TAVIROFONT"), "TAVIRO2.FNT");
}

TEST(OptionsPage, UpArrowRaisesTheBackupCountWithinZeroToNine) {
  test::TestInstallation installation;
  write_options(installation, "BAKMAX=8\r\n");
  with_page(
      test::kOptionsTab,
      [](HWND page, HWND) {
        press_arrow(page, VK_UP);
        EXPECT_EQ(test::item_text(page, IDE_OPTIONS_BACKUPS), "9");
        EXPECT_EQ(settings().options.bakmax, 9);  // stored at once
        press_arrow(page, VK_UP);
        EXPECT_EQ(test::item_text(page, IDE_OPTIONS_BACKUPS), "9");
        for (int i = 0; i < 12; ++i) press_arrow(page, VK_DOWN);
        EXPECT_EQ(test::item_text(page, IDE_OPTIONS_BACKUPS), "0");
        press_arrow(page, VK_UP);
        press_arrow(page, VK_UP);
      },
      IDOK);
  EXPECT_EQ(main_value("OPTIONS", "BAKMAX"), "2");
}

TEST(OptionsPage, AutozoomShowsTheInverseOfNoInterpieceZoom) {
  test::TestInstallation installation;
  write_options(installation, "NO_INTERBB_ZOOM=1\r\n");
  with_page(
      test::kOptionsTab,
      [](HWND page, HWND) {
        EXPECT_FALSE(test::is_checked(page, IDX_OPTIONS_AUTOZOOM));
        test::click(page, IDX_OPTIONS_AUTOZOOM);
      },
      IDOK);
  EXPECT_EQ(main_value("OPTIONS", "NO_INTERBB_ZOOM"), "0");
}

// The page made from its template with a given installed version, outside the main dialog.
class OptionsPageOfVersion {
 public:
  explicit OptionsPageOfVersion(int version) {
    owner_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 500, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(owner_, SW_SHOWNA);  // so that the page's controls count as visible
    page_ = CreateDialogParamA(controls::program_instance(), MAKEINTRESOURCEA(IDD_PAGE_OPTIONS), owner_, procedure,
                               static_cast<LPARAM>(version));
  }
  ~OptionsPageOfVersion() {
    DestroyWindow(page_);
    DestroyWindow(owner_);
  }
  HWND page() const { return page_; }

 private:
  static INT_PTR CALLBACK procedure(HWND page, UINT message, WPARAM, LPARAM lparam) {
    if (message == WM_INITDIALOG) return options_page_open(page, InstalledVersion::known(static_cast<int>(lparam)));
    if (message == WM_DESTROY) options_page_close(page);
    return FALSE;
  }
  HWND owner_ = nullptr;
  HWND page_ = nullptr;
};

TEST(OptionsPage, OptionsHiddenBelowTheirVersions) {
  test::TestInstallation installation;
  load_all_settings();
  const struct {
    int version;
    bool model_check, later_options;
  } cases[] = {{-1, false, false}, {901, false, false}, {902, true, false},
               {989, true, false}, {990, true, true},   {1100, true, true}};
  for (const auto& c : cases) {
    settings().options.cache_chm = true;  // a hidden option keeps the value it shows
    OptionsPageOfVersion options(c.version);
    HWND page = options.page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(IsWindowVisible(GetDlgItem(page, IDX_OPTIONS_CHECK_MODEL)) != 0, c.model_check) << c.version;
    for (int id : {IDX_OPTIONS_CACHE_HELP, IDX_OPTIONS_HIDE_MIRRORED, IDX_OPTIONS_AUTOZOOM}) {
      EXPECT_EQ(IsWindowVisible(GetDlgItem(page, id)) != 0, c.later_options) << c.version << " control " << id;
    }
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDX_OPTIONS_SHOW_BACKUPS)));
    EXPECT_TRUE(test::is_checked(page, IDX_OPTIONS_CACHE_HELP));
  }
  EXPECT_TRUE(settings().options.cache_chm);
}

TEST(OptionsPage, TheFrameworkHandsTheInstalledVersionToThePage) {
  test::TestInstallation installation;
  with_page(
      test::kOptionsTab,
      [](HWND page, HWND) {
        const int version = installed_version("\\", 1);
        EXPECT_EQ(test::is_visible(page, IDX_OPTIONS_CHECK_MODEL), version >= 902) << version;
        EXPECT_EQ(test::is_visible(page, IDX_OPTIONS_AUTOZOOM), version >= 990) << version;
      },
      IDCANCEL);
}

TEST(OptionsPage, ErrorLogButtonsStartTheEditor) {
  test::TestInstallation installation;
  test::ProbeLog log;
  with_page(
      test::kOptionsTab,
      [](HWND page, HWND) {
        test::click(page, IDB_OPTIONS_ERROR_LOG);
        test::click(page, IDB_OPTIONS_ERROR_LOG_SB);
      },
      IDCANCEL);
  auto lines = log.lines(2);
  // The editor gets the command as it stands and runs in the program's current folder. The
  // two editors run on their own, so either may write its line first.
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (std::vector<std::string>{"notepad.exe \\taviro\\mittlngs.$$$|U:\\",
                                             "notepad.exe \\taviro\\mittlung.$$$|U:\\"}));
}

// While the stand-in editor beside the tests is held open without sharing, the system
// finds it first but cannot start it.
class LockedEditor {
 public:
  LockedEditor() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string editor = program;
    editor = editor.substr(0, editor.rfind('\\') + 1) + "notepad.exe";
    file_ = CreateFileA(editor.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  ~LockedEditor() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  }
  bool locked() const { return file_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
};

TEST(OptionsPage, FailedEditorStartShowsError) {
  test::TestInstallation installation;
  test::ProbeLog log;
  LockedEditor editor;
  ASSERT_TRUE(editor.locked());
  std::string box_text;
  test::ModalScript script;
  script
      .on("TAVIRO - Setup 1.58",
          [](HWND dialog) {
            test::select_tab(GetDlgItem(dialog, IDC_MAIN_TABS), test::kOptionsTab);
            test::post_click(test::current_page(), IDB_OPTIONS_ERROR_LOG_SB);
          })
      .on("Error",
          [&](HWND box) {
            box_text = test::message_text(box);
            EXPECT_EQ(GetWindow(box, GW_OWNER), GetParent(test::current_page()));  // owned by the page's window
            test::click(box, IDOK);
          })
      .on("TAVIRO - Setup 1.58", [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  script.run([] { run_main_dialog(nullptr); });
  EXPECT_EQ(box_text, "Error");
  EXPECT_TRUE(log.lines(0, 300).empty());
}

TEST(OptionsPage, DefaultsShownAtOnceAndWrittenOnOk) {
  test::TestInstallation installation;
  write_options(installation,
                "SAVEMINUTES=30\r\nBAKMAX=5\r\nTAVIROFONT=TAVIRO4.FNT\r\nEDITONCLICK=1\r\nENHMETAFILE=1\r\n"
                "CHECKMDLONSAVE=1\r\nCACHE_CHM=1\r\nHIDE_MIRFOLD=1\r\nNO_INTERBB_ZOOM=1\r\nSHOW_BAKFILES=1\r\n"
                "MDL_PREVIEW_IMAGE=1\r\nSAVE_VERIFY=1\r\n");
  with_page(
      test::kOptionsTab,
      [](HWND page, HWND dialog) {
        test::click(dialog, IDB_MAIN_DEFAULTS);
        EXPECT_EQ(test::combo_selection(page, IDC_OPTIONS_FONT), 2);
        EXPECT_TRUE(preview_shows(page, 136));
        EXPECT_EQ(test::item_text(page, IDE_OPTIONS_BACKUPS), "1");
        EXPECT_EQ(test::item_text(page, IDE_OPTIONS_SAVE_MINUTES), "0");
        for (int id : {IDX_OPTIONS_EDIT_ON_CLICK, IDX_OPTIONS_ENH_METAFILE, IDX_OPTIONS_CHECK_MODEL,
                       IDX_OPTIONS_CACHE_HELP, IDX_OPTIONS_HIDE_MIRRORED, IDX_OPTIONS_SHOW_BACKUPS,
                       IDX_OPTIONS_PREVIEW_IMAGE, IDX_OPTIONS_SAVE_VERIFY}) {
          EXPECT_FALSE(test::is_checked(page, id)) << id;
        }
        EXPECT_TRUE(test::is_checked(page, IDX_OPTIONS_AUTOZOOM));
        // The held clipboard flag changes only when the page stores its unchecked box.
        EXPECT_EQ(settings().options.enhmetafile, 1);
        EXPECT_EQ(settings().options.editonclick, 0);
      },
      IDOK);
  EXPECT_EQ(main_value("OPTIONS", "TAVIROFONT"), "TAVIRO2.FNT");
  EXPECT_EQ(main_value("OPTIONS", "BAKMAX"), "1");
  EXPECT_EQ(main_value("OPTIONS", "SAVEMINUTES"), "0");
  EXPECT_EQ(main_value("OPTIONS", "EDITONCLICK"), "0");
  EXPECT_EQ(main_value("OPTIONS", "ENHMETAFILE"), "0");
  for (const char* key : {"CHECKMDLONSAVE", "CACHE_CHM", "HIDE_MIRFOLD", "NO_INTERBB_ZOOM", "SHOW_BAKFILES",
                          "MDL_PREVIEW_IMAGE", "SAVE_VERIFY"}) {
    EXPECT_EQ(main_value("OPTIONS", key), "0") << key;
  }
}

TEST(OptionsPage, DefaultsLeaveTheFontAloneWhenTaviro2IsMissing) {
  test::TestInstallation installation;
  write_options(installation, "TAVIROFONT=TAVIRO4.FNT\r\nBAKMAX=5\r\nSAVE_VERIFY=1\r\n");
  with_page(
      test::kOptionsTab,
      [](HWND page, HWND dialog) {
        SendDlgItemMessageA(page, IDC_OPTIONS_FONT, CB_DELETESTRING, 2, 0);  // TAVIRO2
        ASSERT_EQ(test::combo_selection(page, IDC_OPTIONS_FONT), 3);         // TAVIRO4 moved up
        test::click(dialog, IDB_MAIN_DEFAULTS);
        EXPECT_EQ(test::combo_selection(page, IDC_OPTIONS_FONT), 3);
        EXPECT_TRUE(preview_shows(page, 138));
        EXPECT_EQ(test::item_text(page, IDE_OPTIONS_BACKUPS), "1");
        EXPECT_FALSE(test::is_checked(page, IDX_OPTIONS_SAVE_VERIFY));
      },
      IDOK);
  EXPECT_EQ(main_value("OPTIONS", "TAVIROFONT"), "TAVIRO4.FNT");
  EXPECT_EQ(main_value("OPTIONS", "BAKMAX"), "1");
  EXPECT_EQ(main_value("OPTIONS", "SAVE_VERIFY"), "0");
}

TEST(OptionsPage_de, GermanTexts) {
  test::TestInstallation installation;
  with_page(
      test::kOptionsTab,
      [](HWND page, HWND) {
        EXPECT_EQ(test::plain_text(test::item_text(page, IDB_OPTIONS_ERROR_LOG)),
                  "Fehlerprotokoll \xf6"
                  "ffnen");
        EXPECT_EQ(test::plain_text(test::item_text(page, IDB_OPTIONS_ERROR_LOG_SB)),
                  "Fehlerprotokoll \xf6"
                  "ffnen (SB)");
        EXPECT_EQ(test::plain_text(test::item_text(page, IDT_OPTIONS_AUTOSAVE)), "Automatisch speichern alle");
        EXPECT_EQ(test::combo_items(page, IDC_OPTIONS_FONT).front(), "TAVIRO0");
      },
      IDCANCEL);
}

}  // namespace
}  // namespace tav
