// The plotter actions and the relocations, ended abruptly at each of their stop points.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "controls/page_contract.h"
#include "crash/stop_point_harness.h"
#include "folders/folder_test_support.h"
#include "folders/network_dialog.h"
#include "pages/page_test_support.h"
#include "plotter/plotter_page.h"
#include "plotter/plotter_test_support.h"
#include "resources/ids.h"
#include "support/gui.h"
#include "support/installation.h"

namespace tav::test {
namespace {

// Lays out a plotter folder: ROLL60A active, PEN90 and CUT160 available.
void plotter_folder(const TestInstallation& installation) {
  installation.write("taviro.ini", "[SCREEN]\r\nWIDTHMM=345\r\n[OPTIONS]\r\nBAKMAX=1\r\n");
  installation.write("plotter\\ROLL60A.plt", driver_file("Rollenplotter 60"));
  installation.write("plotter\\ROLL60A.que", queue_file("Rolle Halle 1", "ROLL60A.PLT"));
  installation.write("plotter\\PEN90.plt", driver_file("Stiftplotter 90"));
  installation.write("plotter\\CUT160.plt", driver_file("Cutter 160", true));
}

// On the Plotter page with the inactive plotters shown: selects the row of the driver and
// queue, posts the button and answers the question that follows with Yes (when `question`
// is given); a notice after the action is answered with OK.
void plotter_action(const char* driver, const char* queue, int button, const char* question = nullptr) {
  show_inactive_plotters() = true;
  ModalScript script;
  script.on(kMainCaption, on_plotter_page([=](HWND page) {
              const int row = plotter_row(page, driver, queue);
              ASSERT_GE(row, 0) << driver;
              select_plotter_row(page, row);
              post_click(page, button);
            }));
  if (question) script.on(question, [](HWND box) { click(box, IDYES); });
  script.on(kMainCaption, [](HWND top) {
    if (top != window_state().main_dialog) click(top, IDOK);
    close_main_dialog();
  });
  run_main_dialog_with(script);
}

const CrashAction kActivate{"activate",
                            [](const TestInstallation& installation) {
                              plotter_folder(installation);
                              installation.write("plotter\\PEN90.que.tavtmp", "left by a killed run");
                            },
                            [] { plotter_action("PEN90", "", IDB_PLOTTER_ACTIVATE); },
                            {"plotter\\PEN90.que", "plotter\\PEN90.plt"}};

const CrashAction kActivateOverExisting{
    "activate over a queue file",
    [](const TestInstallation& installation) {
      plotter_folder(installation);
      installation.write("plotter\\CUT160.que", "[DEVICE]\r\nNAME=alt\r\n[QUEUE]\r\nCOPIES=2\r\n");
    },
    [] { plotter_action("CUT160", "", IDB_PLOTTER_ACTIVATE, "TAVIRO - Add plotter"); },
    {"plotter\\CUT160.que"}};

const CrashAction kDuplicate{"duplicate",
                             plotter_folder,
                             [] { plotter_action("ROLL60A", "ROLL60A", IDB_PLOTTER_DUPLICATE); },
                             {"plotter\\ROLL60A2.que", "plotter\\ROLL60A.que"}};

const CrashAction kDeactivate{"deactivate",
                              plotter_folder,
                              [] { plotter_action("ROLL60A", "ROLL60A", IDB_PLOTTER_DEACTIVATE, kMainCaption); },
                              {"plotter\\ROLL60A.que", "plotter\\ROLL60A.plt"}};

const CrashAction kRemove{
    "remove",
    plotter_folder,
    [] { plotter_action("ROLL60A", "ROLL60A", IDB_PLOTTER_REMOVE, kMainCaption); },
    {"plotter\\ROLL60A.plt", "plotter\\ROLL60A.que", "plotter\\diverse\\ROLL60A.plt", "plotter\\diverse\\ROLL60A.que"},
    [](const TestInstallation& installation) {
      // Each file is in the plotter folder or in its folder for removed plotters.
      for (const char* name : {"ROLL60A.plt", "ROLL60A.que"}) {
        EXPECT_TRUE(installation.exists(std::string("plotter\\") + name) ||
                    installation.exists(std::string("plotter\\diverse\\") + name))
            << name << " is lost";
      }
    }};

// Remove while the folder for removed plotters holds the files of an earlier ROLL60A.
const CrashAction kRemoveOverEarlier{
    "remove over an earlier removed plotter",
    [](const TestInstallation& installation) {
      plotter_folder(installation);
      installation.write("plotter\\diverse\\ROLL60A.plt", "earlier driver");
      installation.write("plotter\\diverse\\ROLL60A.que", "earlier queue");
    },
    [] { plotter_action("ROLL60A", "ROLL60A", IDB_PLOTTER_REMOVE, kMainCaption); },
    {"plotter\\ROLL60A.plt", "plotter\\ROLL60A.que", "plotter\\diverse\\ROLL60A.bk0", "plotter\\diverse\\ROLL60A.bk1"},
    [](const TestInstallation& installation) {
      // Each of the four files is whole, in the plotter folder or in its subfolder.
      std::string found;
      for (const auto& [path, contents] : tree_of(installation.path("plotter"))) found += contents + "|";
      for (const char* contents : {"Rollenplotter 60", "Rolle Halle 1", "earlier driver|", "earlier queue|"}) {
        EXPECT_NE(found.find(contents), std::string::npos) << contents << " is lost";
      }
    }};

// Brings back PEN90 from the folder for removed plotters with Ctrl+B on the Plotter page.
const CrashAction kBringBack{
    "bring back",
    [](const TestInstallation& installation) {
      plotter_folder(installation);
      installation.remove("plotter\\PEN90.plt");
      installation.write("plotter\\diverse\\PEN90.plt", driver_file("Stiftplotter 90"));
      installation.write("plotter\\diverse\\PEN90.que", queue_file("Stift", "PEN90.PLT"));
    },
    [] {
      ModalScript script;
      script.on(kMainCaption,
                on_plotter_page([](HWND page) { PostMessageA(page, WM_COMMAND, IDM_PLOTTER_BRING_BACK, 0); }));
      script.on("TAVIRO - Bring back plotter", [](HWND dialog) { click(dialog, IDOK); });
      script.on(kMainCaption, [](HWND) { close_main_dialog(); });
      run_main_dialog_with(script);
    },
    {"plotter\\PEN90.plt", "plotter\\PEN90.que", "plotter\\diverse\\PEN90.plt", "plotter\\diverse\\PEN90.que"},
    [](const TestInstallation& installation) {
      // The queue never comes back without its driver, and no file is lost.
      EXPECT_TRUE(!installation.exists("plotter\\PEN90.que") || installation.exists("plotter\\PEN90.plt"));
      for (const char* name : {"PEN90.plt", "PEN90.que"}) {
        EXPECT_TRUE(installation.exists(std::string("plotter\\") + name) ||
                    installation.exists(std::string("plotter\\diverse\\") + name))
            << name << " is lost";
      }
    }};

const CrashAction kDriverSettings{"driver settings",
                                  plotter_folder,
                                  [] {
                                    ModalScript script;
                                    script.on(kMainCaption, on_plotter_page([](HWND page) {
                                                select_plotter_row(page, plotter_row(page, "ROLL60A", "ROLL60A"));
                                                post_click(page, IDB_PLOTTER_SETTINGS);
                                              }));
                                    script.on("TAVIRO - Plotter setup", [](HWND dialog) {
                                      set_item_text(dialog, IDE_DRIVER_PAPER_WIDTH, "1234");
                                      click(dialog, IDX_DRIVER_ORIGIN_CENTRE);
                                      click(dialog, IDB_DRIVER_OK);
                                    });
                                    script.on(kMainCaption, [](HWND) { close_main_dialog(); });
                                    run_main_dialog_with(script);
                                  },
                                  {"plotter\\ROLL60A.plt"}};

const CrashAction kSerialPort{
    "serial port",
    plotter_folder,
    [] {
      ModalScript script;
      script.on(kMainCaption, on_plotter_page([](HWND page) { post_click(page, IDB_PLOTTER_SERIAL_PORT); }));
      script.on("TAVIRO - Configure COM port", [](HWND dialog) {
        click(dialog, IDX_SERIAL_XON_XOFF);
        click(dialog, IDOK);
      });
      script.on(kMainCaption, [](HWND) { close_main_dialog(); });
      run_main_dialog_with(script);
    },
    {"taviro.ini"}};

// An installation whose shapes and measurement system DOB lie on the base drive.
const Tree kForms = {{"\\kragen01.frm", "Kragen"}, {"\\alt", "<dir>"}, {"\\alt\\k0.frm", "alt"}};
const Tree kMas = {{"\\m.mas", "Masse"}, {"\\tab", "<dir>"}, {"\\tab\\t1.mas", "Tabelle"}};

std::string dob_system_file(const std::string& flag, const std::string& base) {
  std::string text = "Damen\r\ndob      DOB Groessen\r\nV1100\r\n" + flag + "  Datenordner\r\n";
  for (const char* folder : {"mas", "prog", "st", "interfac", "xwert", "mask", "swert"})
    text += base + folder + "\\\r\n";
  return text + "ENDE\r\n";
}

void relocation_installation(const TestInstallation& installation) {
  remove_tree("X:\\TAVIRO");
  installation.write("taviro.ini", "[PATH]\r\nPATHFORM=\r\n[OPTIONS]\r\nBAKMAX=1\r\n");
  make_tree(installation.path("forms"), kForms);
  installation.write("dob\\taviro_s.kon", dob_system_file("-", "\\taviro\\dob\\"));
  make_tree(installation.path("dob\\mas"), kMas);
}

// Runs the network configuration with copying, removing and no questions asked: `choose`
// picks what to relocate, then the run is started and confirmed.
void network_run(const std::function<void(HWND)>& choose) {
  constexpr const char* kNetwork = "TAVIRO - Setup - Network configuration";
  ModalScript script;
  script.on(kNetwork, [&](HWND dialog) {
    choose(dialog);
    click(dialog, IDX_NETWORK_COPY);
    click(dialog, IDX_NETWORK_REMOVE);
    click(dialog, IDX_NETWORK_NO_WARNING);
    post_click(dialog, IDB_NETWORK_RUN);
  });
  script.on(kNetwork, [](HWND box) { click(box, IDYES); });
  script.on(kNetwork, [](HWND window) {
    // A run that kept a folder ends with its summary first.
    HWND dialog = GetDlgItem(window, IDC_NETWORK_SYSTEMS) ? window : GetWindow(window, GW_OWNER);
    if (dialog != window) PostMessageA(window, WM_COMMAND, IDOK, 0);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  script.run([] { open_network_dialog(nullptr); });
}

void choose_x_drive(HWND dialog, int list) {
  const std::vector<std::string> items = combo_items(dialog, list);
  const auto found = std::find(items.begin(), items.end(), "X:");
  ASSERT_NE(found, items.end());
  choose_combo_item(dialog, list, static_cast<int>(found - items.begin()));
}

// Every file of a tree is whole at its old place or at its new one.
void nothing_lost(const Tree& tree, const std::string& old_folder, const std::string& new_folder) {
  const Tree at_old = tree_of(old_folder);
  const Tree at_new = tree_of(new_folder);
  for (const auto& [path, contents] : tree) {
    const auto in_old = at_old.find(path);
    const auto in_new = at_new.find(path);
    EXPECT_TRUE((in_old != at_old.end() && in_old->second == contents) ||
                (in_new != at_new.end() && in_new->second == contents))
        << path << " is lost";
  }
}

void relocate_forms() {
  network_run([](HWND dialog) {
    click(dialog, IDX_NETWORK_FORMS_MOVE);
    choose_x_drive(dialog, IDC_NETWORK_FORMS_DRIVE);
  });
}

void relocate_dob() {
  network_run([](HWND dialog) {
    click(dialog, IDX_NETWORK_SYSTEMS_MOVE);
    choose_x_drive(dialog, IDC_NETWORK_SYSTEMS_DRIVE);
    click(dialog, IDB_NETWORK_ALL);
  });
}

// Opens the network configuration on what a stopped run left and closes it again.
void look_at_network_configuration() {
  ModalScript script;
  script.on("TAVIRO - Setup - Network configuration", [](HWND dialog) { click(dialog, IDCANCEL); });
  script.run([] { open_network_dialog(nullptr); });
}

// The run after a stop: once the key names the new place the relocation is done (a stop
// while the old folder went to the recycle bin leaves it, whole); otherwise the user runs it
// again.
void finish_forms_relocation() {
  if (main_value("PATH", "PATHFORM").rfind("X:", 0) == 0) {
    look_at_network_configuration();
  } else {
    relocate_forms();
  }
}

const CrashAction kDataFolder{
    "data folder relocation",
    relocation_installation,
    relocate_forms,
    {"taviro.ini"},
    [](const TestInstallation& installation) { nothing_lost(kForms, installation.path("forms"), "X:\\TAVIRO\\FORMS"); },
    finish_forms_relocation};

const CrashAction kMeasurementSystem{"measurement system relocation",
                                     relocation_installation,
                                     relocate_dob,
                                     {"dob\\taviro_s.kon"},
                                     [](const TestInstallation& installation) {
                                       nothing_lost(kMas, installation.path("dob\\mas"), "X:\\taviro\\dob\\mas");
                                     },
                                     [] {
                                       std::string system;
                                       {
                                         std::ifstream in("U:\\taviro\\dob\\taviro_s.kon", std::ios::binary);
                                         system.assign(std::istreambuf_iterator<char>(in), {});
                                       }
                                       if (system.find("X:\\taviro\\dob\\") != std::string::npos) {
                                         look_at_network_configuration();
                                       } else {
                                         relocate_dob();
                                       }
                                     }};

// The shapes folder is the basic blocks' folder too: it is copied and re-pointed, and after
// any stop still whole where the basic blocks look for it.
const CrashAction kSharedDataFolder{
    "data folder relocation, folder kept for another key",
    [](const TestInstallation& installation) {
      relocation_installation(installation);
      installation.write("taviro.ini",
                         "[PATH]\r\nPATHFORM=\r\nPATHPROG=\\TAVIRO\\FORMS\\\r\n[OPTIONS]\r\nBAKMAX=1\r\n");
    },
    relocate_forms,
    {"taviro.ini"},
    [](const TestInstallation& installation) { EXPECT_EQ(tree_of(installation.path("forms")), kForms); },
    finish_forms_relocation};

const std::vector<const CrashAction*> kActions = {
    &kActivate,  &kActivateOverExisting, &kDuplicate,  &kDeactivate, &kRemove,           &kRemoveOverEarlier,
    &kBringBack, &kDriverSettings,       &kSerialPort, &kDataFolder, &kSharedDataFolder, &kMeasurementSystem};
const bool kRegistered = [] {
  for (const CrashAction* action : kActions) register_crash_action(*action);
  return true;
}();

TEST(StopAtEveryWrite, PlotterActionsAndRelocations) {
  ASSERT_TRUE(kRegistered);
  CleanDrives drives;
  stop_each_at_every_point(kActions);
}

}  // namespace
}  // namespace tav::test
