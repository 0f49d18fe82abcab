// The screen calibration dialog, opened from the Screen page's "Edit values" and driven
// with real mouse messages, arrow clicks and preset choices.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "config/settings.h"
#include "controls/page_contract.h"
#include "pages/page_test_support.h"
#include "resources/ids.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav {
namespace {

const char* const kMainCaption = "TAVIRO - Setup 1.58";
const char* const kCaption = "TAVIRO - Adjust screen size";

struct Resolution {
  int horizontal, vertical, width_mm, height_mm;
};

Resolution device() {
  HDC screen = GetDC(nullptr);
  const Resolution r{GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES), GetDeviceCaps(screen, HORZSIZE),
                     GetDeviceCaps(screen, VERTSIZE)};
  ReleaseDC(nullptr, screen);
  return r;
}

RECT frame_of(HWND dialog) {
  RECT frame{};
  GetWindowRect(GetDlgItem(dialog, IDT_CALIB_FRAME), &frame);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
  return frame;
}
int frame_width(HWND dialog) { return frame_of(dialog).right - frame_of(dialog).left; }
int frame_height(HWND dialog) { return frame_of(dialog).bottom - frame_of(dialog).top; }

void move_mouse(HWND dialog, int x, int y, bool left_button) {
  SendMessageA(dialog, WM_MOUSEMOVE, left_button ? MK_LBUTTON : 0, MAKELPARAM(x, y));
}

bool cursor_is(LPCSTR name) { return GetCursor() == LoadCursorA(nullptr, name); }

// Opens the calibration dialog from the Screen page, runs step on it and closes it with
// OK; then runs after on the Screen page and ends the main dialog with closing_command.
void with_calibration(const std::function<void(HWND)>& step, const std::function<void(HWND)>& after,
                      int closing_command, const char* caption = kCaption) {
  test::ModalScript script;
  script.on(kMainCaption, [](HWND) { test::post_click(test::current_page(), IDB_SCREEN_CALIBRATE); })
      .on(caption,
          [&](HWND dialog) {
            step(dialog);
            test::click(dialog, IDOK);
          })
      .on(kMainCaption, [&](HWND dialog) {
        after(test::current_page());
        SendMessageA(dialog, WM_COMMAND, closing_command, 0);
      });
  script.run([] { run_main_dialog(nullptr); });
}

void write_millimetres(const test::TestInstallation& installation, int width, int height) {
  installation.write("taviro.ini",
                     "[SCREEN]\r\nWIDTHMM=" + std::to_string(width) + "\r\nHIGHTMM=" + std::to_string(height) + "\r\n");
}

TEST(CalibrationDialog, RectangleSizedFromTheMillimetresAndTheDeviceResolution) {
  test::TestInstallation installation;
  const Resolution screen = device();
  ASSERT_GT(screen.horizontal, 0);
  with_calibration(
      [&](HWND dialog) {
        const RECT frame = frame_of(dialog);
        EXPECT_EQ(frame.left, 7);
        EXPECT_EQ(frame.top, 7);
        EXPECT_EQ(frame_width(dialog), 100 * screen.horizontal / 300);
        EXPECT_EQ(frame_height(dialog), 100 * screen.vertical / 220);
        EXPECT_EQ(test::combo_selection(dialog, IDC_CALIB_PRESETS), -1);  // 300 by 220 is no preset
        EXPECT_EQ(test::combo_items(dialog, IDC_CALIB_PRESETS).size(), 10u);
        EXPECT_EQ(test::combo_items(dialog, IDC_CALIB_PRESETS)[9], "30\"-LCD (16:9)");
        // Every arrow button carries its icon; the controls keep their names.
        for (int id : {IDB_CALIB_LOWER, IDB_CALIB_HIGHER, IDB_CALIB_NARROWER, IDB_CALIB_WIDER}) {
          EXPECT_NE(SendDlgItemMessageA(dialog, id, BM_GETIMAGE, IMAGE_ICON, 0), 0) << id;
        }
        EXPECT_EQ(test::item_text(dialog, IDB_CALIB_LOWER), "/\\");
        EXPECT_EQ(test::item_text(dialog, IDB_CALIB_HIGHER), "\\/");
        // No close box, and Escape does not end the dialog.
        EXPECT_FALSE(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_SYSMENU);
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindowVisible(dialog));
      },
      [](HWND) {}, IDCANCEL);
}

TEST(CalibrationDialog, WindowsValuesPreselectedAndClearedByAnArrowClick) {
  test::TestInstallation installation;
  write_millimetres(installation, 320, 240);
  const Resolution screen = device();
  with_calibration(
      [&](HWND dialog) {
        EXPECT_EQ(test::combo_selection(dialog, IDC_CALIB_PRESETS), 0);
        EXPECT_EQ(test::combo_items(dialog, IDC_CALIB_PRESETS)[0], "Windows-Werte");
        const int width = frame_width(dialog);
        test::click(dialog, IDB_CALIB_WIDER);
        EXPECT_EQ(frame_width(dialog), width + 1);
        EXPECT_EQ(settings().screen.widthmm, 100 * screen.horizontal / (width + 1));  // changed live
        EXPECT_EQ(test::combo_selection(dialog, IDC_CALIB_PRESETS), -1);
      },
      [&](HWND page) { EXPECT_EQ(test::item_text(page, IDE_SCREEN_WIDTH), std::to_string(settings().screen.widthmm)); },
      IDOK);
  EXPECT_EQ(test::main_value("SCREEN", "WIDTHMM"),
            std::to_string(100 * screen.horizontal / (100 * screen.horizontal / 320 + 1)));
}

TEST(CalibrationDialog, ArrowClicksFromAPreset) {
  test::TestInstallation installation;
  const Resolution screen = device();
  with_calibration(
      [&](HWND dialog) {
        test::choose_combo_item(dialog, IDC_CALIB_PRESETS, 1);  // 19" monitor, 360 by 270
        EXPECT_EQ(settings().screen.widthmm, 360);
        EXPECT_EQ(settings().screen.hightmm, 270);
        const int width = 100 * screen.horizontal / 360;
        const int height = 100 * screen.vertical / 270;
        EXPECT_EQ(frame_width(dialog), width);
        EXPECT_EQ(frame_height(dialog), height);
        EXPECT_EQ(test::combo_selection(dialog, IDC_CALIB_PRESETS), 1);

        test::click(dialog, IDB_CALIB_WIDER);
        test::click(dialog, IDB_CALIB_HIGHER);
        EXPECT_EQ(frame_width(dialog), width + 1);
        EXPECT_EQ(frame_height(dialog), height + 1);
        EXPECT_EQ(settings().screen.widthmm, 100 * screen.horizontal / (width + 1));
        EXPECT_EQ(settings().screen.hightmm, 100 * screen.vertical / (height + 1));
        test::click(dialog, IDB_CALIB_NARROWER);
        test::click(dialog, IDB_CALIB_LOWER);
        EXPECT_EQ(frame_width(dialog), width);
        EXPECT_EQ(frame_height(dialog), height);
        const int width_mm = 100 * screen.horizontal / width;
        const int height_mm = 100 * screen.vertical / height;
        EXPECT_EQ(settings().screen.widthmm, width_mm);
        // Back on the preset's pixels: the preset is selected again when its sizes come back.
        EXPECT_EQ(test::combo_selection(dialog, IDC_CALIB_PRESETS), width_mm == 360 && height_mm == 270 ? 1 : -1);
      },
      [](HWND) {}, IDOK);
  EXPECT_EQ(test::main_value("SCREEN", "WIDTHMM"),
            std::to_string(100 * screen.horizontal / (100 * screen.horizontal / 360)));
}

TEST(CalibrationDialog, ArrowsStopAtFivePixels) {
  test::TestInstallation installation;
  const Resolution screen = device();
  // Huge millimetres give a rectangle of a few pixels.
  write_millimetres(installation, 100 * screen.horizontal / 6, 100 * screen.vertical / 6);
  with_calibration(
      [&](HWND dialog) {
        ASSERT_EQ(frame_width(dialog), 6);
        test::click(dialog, IDB_CALIB_NARROWER);
        EXPECT_EQ(frame_width(dialog), 5);
        const int width_mm = settings().screen.widthmm;
        test::click(dialog, IDB_CALIB_NARROWER);
        EXPECT_EQ(frame_width(dialog), 5);
        EXPECT_EQ(settings().screen.widthmm, width_mm);
      },
      [](HWND) {}, IDCANCEL);
}

TEST(CalibrationDialog, DraggingTheRightEdgeToTwenty) {
  test::TestInstallation installation;
  const Resolution screen = device();
  with_calibration(
      [&](HWND dialog) {
        const int right = 7 + frame_width(dialog);
        const int height = frame_height(dialog);
        move_mouse(dialog, right + 2, 60, false);
        EXPECT_TRUE(cursor_is(IDC_SIZEWE));
        move_mouse(dialog, right + 2, 60, true);  // the button went down: dragging starts
        move_mouse(dialog, 100, 70, true);
        EXPECT_EQ(frame_width(dialog), 93);
        EXPECT_EQ(settings().screen.widthmm, 100 * screen.horizontal / 93);
        move_mouse(dialog, 20, 80, true);
        EXPECT_EQ(frame_width(dialog), 20);  // not 13: dragging stops at 20 pixels
        EXPECT_EQ(frame_height(dialog), height);
        EXPECT_EQ(settings().screen.widthmm, 100 * screen.horizontal / 20);
        move_mouse(dialog, 20, 80, false);  // the button is up: dragging ends
        move_mouse(dialog, 150, 90, true);  // a new drag away from the edges changes nothing
        EXPECT_EQ(frame_width(dialog), 20);
        move_mouse(dialog, 150, 90, false);
        EXPECT_TRUE(cursor_is(IDC_ARROW));
      },
      [&](HWND page) {
        EXPECT_EQ(test::item_text(page, IDE_SCREEN_WIDTH), std::to_string(100 * screen.horizontal / 20));
      },
      IDOK);
  EXPECT_EQ(test::main_value("SCREEN", "WIDTHMM"), std::to_string(100 * screen.horizontal / 20));
}

TEST(CalibrationDialog, DiagonalDragFromTheCorner) {
  test::TestInstallation installation;
  write_millimetres(installation, 320, 240);
  const Resolution screen = device();
  with_calibration(
      [&](HWND dialog) {
        const int right = 7 + frame_width(dialog);
        const int bottom = 7 + frame_height(dialog);
        move_mouse(dialog, right - 1, bottom + 1, false);
        EXPECT_TRUE(cursor_is(IDC_SIZENWSE));
        move_mouse(dialog, right - 1, bottom + 1, true);
        move_mouse(dialog, right - 40, bottom - 30, true);
        EXPECT_EQ(frame_width(dialog), right - 40 - 7);
        EXPECT_EQ(frame_height(dialog), bottom - 30 - 7);
        EXPECT_EQ(settings().screen.widthmm, 100 * screen.horizontal / (right - 47));
        EXPECT_EQ(settings().screen.hightmm, 100 * screen.vertical / (bottom - 37));
        EXPECT_EQ(test::combo_selection(dialog, IDC_CALIB_PRESETS), -1);
        move_mouse(dialog, right - 40, bottom - 30, false);
        // Only the bottom edge: the north-south cursor.
        move_mouse(dialog, 30, bottom - 30, false);
        EXPECT_TRUE(cursor_is(IDC_SIZENS));
      },
      [](HWND) {}, IDOK);
  EXPECT_EQ(test::main_value("SCREEN", "HIGHTMM"), std::to_string(settings().screen.hightmm));
}

TEST(CalibrationDialog, WindowsValuesChosenTakeTheSystemsSize) {
  test::TestInstallation installation;
  write_millimetres(installation, 400, 300);
  const Resolution screen = device();
  with_calibration(
      [&](HWND dialog) {
        EXPECT_EQ(test::combo_selection(dialog, IDC_CALIB_PRESETS), 2);  // 21" monitor
        test::choose_combo_item(dialog, IDC_CALIB_PRESETS, 0);
        EXPECT_EQ(settings().screen.widthmm, screen.width_mm);
        EXPECT_EQ(settings().screen.hightmm, screen.height_mm);
        EXPECT_EQ(test::combo_selection(dialog, IDC_CALIB_PRESETS), 0);
        if (screen.width_mm > 0 && screen.height_mm > 0) {
          EXPECT_EQ(frame_width(dialog), 100 * screen.horizontal / screen.width_mm);
        }
      },
      [](HWND) {}, IDOK);
  EXPECT_EQ(test::main_value("SCREEN", "WIDTHMM"), std::to_string(screen.width_mm));
}

TEST(CalibrationDialog, ChangesAreDiscardedByTheMainDialogsCancel) {
  test::TestInstallation installation;
  write_millimetres(installation, 320, 240);
  const std::string file = installation.read("taviro.ini");
  with_calibration([](HWND dialog) { test::choose_combo_item(dialog, IDC_CALIB_PRESETS, 9); },
                   [](HWND page) { EXPECT_EQ(test::item_text(page, IDE_SCREEN_WIDTH), "664"); }, IDCANCEL);
  EXPECT_EQ(installation.read("taviro.ini"), file);
}

TEST(CalibrationDialog, GrowsWithARectangleLargerThanItsTemplate) {
  test::TestInstallation installation;
  const Resolution screen = device();
  write_millimetres(installation, 120, 150);  // about 8 cm of screen per 10 cm
  with_calibration(
      [&](HWND dialog) {
        const RECT frame = frame_of(dialog);
        EXPECT_EQ(frame.right - frame.left, 100 * screen.horizontal / 120);
        RECT client{}, ok{};
        GetClientRect(dialog, &client);
        GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&ok), 2);
        EXPECT_GT(ok.left, frame.right);  // the controls stay beside the rectangle
        EXPECT_LE(ok.right, client.right);
        EXPECT_GT(client.bottom, frame.bottom);
      },
      [](HWND) {}, IDCANCEL);
}

TEST(CalibrationDialog, StaysOnTheScreenWithARectangleLargerThanTheScreen) {
  test::TestInstallation installation;
  write_millimetres(installation, 20, 20);  // 10 cm would be five screens wide
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  with_calibration(
      [&](HWND dialog) {
        RECT window{}, ok{};
        GetWindowRect(dialog, &window);
        GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
        EXPECT_GE(window.left, work.left);
        EXPECT_GE(window.top, work.top);
        EXPECT_LE(window.right, work.right);
        EXPECT_LE(window.bottom, work.bottom);
        EXPECT_LE(ok.right, work.right);  // OK can still be clicked
        EXPECT_LE(ok.bottom, work.bottom);
      },
      [](HWND) {}, IDCANCEL);
}

TEST(CalibrationDialog, LaidOutAgainOnAScreenOfAnotherScaling) {
  test::TestInstallation installation;
  with_calibration(
      [&](HWND dialog) {
        const auto origin = [&](int id) {
          RECT place{};
          GetWindowRect(GetDlgItem(dialog, id), &place);
          MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
          return POINT{place.left, place.top};
        };
        const int width = frame_width(dialog), height = frame_height(dialog);
        const POINT ok = origin(IDOK);
        // Moved to a screen of twice the scaling (the system has not scaled the dialog here).
        RECT window{};
        GetWindowRect(dialog, &window);
        SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&window));
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        EXPECT_EQ(frame_width(dialog), width);  // the rectangle still measures 10 cm
        EXPECT_EQ(frame_height(dialog), height);
        EXPECT_EQ(origin(IDOK).x, 2 * ok.x);
        EXPECT_EQ(origin(IDOK).y, 2 * ok.y);
        ICONINFO icon{};
        ASSERT_TRUE(GetIconInfo(
            reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, IDB_CALIB_WIDER, BM_GETIMAGE, IMAGE_ICON, 0)), &icon));
        BITMAP image{};
        GetObjectA(icon.hbmColor, sizeof image, &image);
        EXPECT_EQ(image.bmWidth, 48);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
      },
      [](HWND) {}, IDCANCEL);
}

TEST(CalibrationDialog_de, GermanCaption) {
  test::TestInstallation installation;
  with_calibration(
      [](HWND dialog) {
        EXPECT_EQ(test::combo_items(dialog, IDC_CALIB_PRESETS)[0], "Windows-Werte");  // the same in every language
      },
      [](HWND) {}, IDCANCEL,
      "TAVIRO - Bildschirmgr\xf6\xdf"
      "e einstellen");
}

}  // namespace
}  // namespace tav
