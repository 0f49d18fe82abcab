// Files the program rewrites under hostile conditions: a main configuration file that another
// program holds open, a save killed half-way, a configuration file that is a symbolic link or
// has restricted rights, and a main configuration file in UTF-16.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "config/profile.h"
#include "config/settings.h"
#include "shell/main_dialog.h"
#include "support/gui.h"
#include "support/installation.h"
#include "support/temp_folder.h"
#include "support/unix_command.h"
#include "util/atomic_file.h"

namespace tav {
namespace {

using test::ModalScript;

constexpr const char* kCaption = "TAVIRO - Setup 1.58";
const std::string kFile = "[SCREEN]\r\nWIDTHMM=345\r\n[PATH]\r\nDRIVES=CT\r\nTABCALCRUN=calc.exe\r\n";

// Runs the main dialog, answering the warning about the main configuration file (whose text
// is handed to `warned`) when it comes, and ends the dialog with OK after step.
void with_main_dialog(bool expect_warning, const std::function<void(HWND)>& step, std::string* warned = nullptr) {
  ModalScript script;
  if (expect_warning) {
    script.on(kCaption, [&](HWND box) {
      EXPECT_EQ(GetDlgItem(box, 1000), nullptr) << "the warning comes before the dialog can be used";
      if (warned) *warned = test::message_text(box);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
  }
  script.on(kCaption, [&](HWND dialog) {
    step(dialog);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  script.run([] { run_main_dialog(nullptr); });
}

// The child half of the lock test: another program that holds the file open without
// sharing it until it is told to let go.
TEST(FileLockChild, HoldsTheFileOpen) {
  const char* file = std::getenv("TAVIRO_LOCK_FILE");
  if (!file) GTEST_SKIP() << "runs only as the child of MainFileSafety";
  HANDLE lock = CreateFileA(file, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  SetEvent(OpenEventA(EVENT_MODIFY_STATE, FALSE, "TAVIRO_TEST_LOCKED"));
  WaitForSingleObject(OpenEventA(SYNCHRONIZE, FALSE, "TAVIRO_TEST_UNLOCK"), 60000);
  CloseHandle(lock);
}

// Starts another process that holds the file open without sharing; its handle is answered
// once it has the file.
HANDLE lock_in_another_process(const std::string& file, HANDLE unlock) {
  HANDLE locked = CreateEventA(nullptr, TRUE, FALSE, "TAVIRO_TEST_LOCKED");
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string line = std::string("\"") + program + "\" --gtest_filter=FileLockChild.*";
  SetEnvironmentVariableA("TAVIRO_LOCK_FILE", file.c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  const BOOL started =
      CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child);
  SetEnvironmentVariableA("TAVIRO_LOCK_FILE", nullptr);
  if (!started) return nullptr;
  CloseHandle(child.hThread);
  const HANDLE waits[] = {locked, child.hProcess};
  const bool holds = WaitForMultipleObjects(2, waits, FALSE, 30000) == WAIT_OBJECT_0;
  CloseHandle(locked);
  if (!holds) {
    SetEvent(unlock);
    CloseHandle(child.hProcess);
    return nullptr;
  }
  return child.hProcess;
}

TEST(MainFileSafety, FileLockedWhileTheDialogOpensIsNotOverwrittenWithDefaults) {
  test::TestInstallation installation;
  installation.write("taviro.ini", kFile);
  // Another program holds the file open without sharing it while the dialog opens.
  HANDLE unlock = CreateEventA(nullptr, TRUE, FALSE, "TAVIRO_TEST_UNLOCK");
  HANDLE other = lock_in_another_process(installation.path("taviro.ini"), unlock);
  ASSERT_NE(other, nullptr) << "the other program did not get hold of the file";
  std::string warning;
  with_main_dialog(
      true,
      [&](HWND) {
        SetEvent(unlock);  // the lock ends before OK
        WaitForSingleObject(other, 30000);
      },
      &warning);
  CloseHandle(other);
  CloseHandle(unlock);
  EXPECT_NE(warning.find("could not be read"), std::string::npos) << warning;
  EXPECT_EQ(installation.read("taviro.ini"), kFile);
  // A readable file is written again on the next run, without a warning.
  with_main_dialog(false, [](HWND) { settings().screen.widthmm = 346; });
  EXPECT_NE(installation.read("taviro.ini").find("WIDTHMM=346"), std::string::npos);
}

std::string utf16(const std::wstring& text) {
  return std::string("\xFF\xFE") + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

TEST(MainFileSafety, Utf16FileIsReadAndWrittenInUtf16) {
  test::TestInstallation installation;
  installation.write("taviro.ini", utf16(L"; Gr\u00fc\u00dfe\r\n[SCREEN]\r\nWIDTHMM=345\r\n"));
  with_main_dialog(false, [](HWND) {
    EXPECT_EQ(settings().screen.widthmm, 345);
    settings().screen.widthmm = 400;
  });
  const std::string written = installation.read("taviro.ini");
  ASSERT_GT(written.size(), 40u);
  EXPECT_EQ(written.substr(0, 2 + 28), utf16(L"; Gr\u00fc\u00dfe\r\n[SCREEN]\r\nWIDTHMM=400\r\n").substr(0, 30));
  EXPECT_NE(written.find(utf16(L"WIDTHMM=400\r\n").substr(2)), std::string::npos);
  EXPECT_EQ(written.find("WIDTHMM=400"), std::string::npos) << "no 8-bit line appended";
  char value[16] = {};
  profile::get_string("SCREEN", "HIGHTMM", "", value, sizeof value, installation.path("taviro.ini").c_str());
  EXPECT_STREQ(value, "220");
}

TEST(MainFileSafety, Utf16FileWithCharactersOutsideTheCodePageIsNeverWritten) {
  test::TestInstallation installation;
  const std::string file = utf16(L"; \u0416\u0443\u043a\r\n[SCREEN]\r\nWIDTHMM=345\r\n");
  installation.write("taviro.ini", file);
  std::string warning;
  with_main_dialog(
      true, [](HWND) { EXPECT_EQ(settings().screen.widthmm, 345); }, &warning);
  EXPECT_NE(warning.find("cannot write back"), std::string::npos) << warning;
  EXPECT_EQ(installation.read("taviro.ini"), file);
  EXPECT_FALSE(profile::write_int("SCREEN", "WIDTHMM", 1, installation.path("taviro.ini").c_str()));
  EXPECT_EQ(installation.read("taviro.ini"), file);
}

bool everyone_may_read(const std::string& path) {
  DWORD needed = 0;
  GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  std::string descriptor(needed, '\0');
  if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed)) return true;
  BOOL present = FALSE, defaulted = FALSE;
  PACL acl = nullptr;
  if (!GetSecurityDescriptorDacl(descriptor.data(), &present, &acl, &defaulted) || !present || !acl) return true;
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  bool readable = false;
  for (DWORD i = 0; i < acl->AceCount; ++i) {
    ACCESS_ALLOWED_ACE* ace = nullptr;
    if (GetAce(acl, i, reinterpret_cast<void**>(&ace)) && ace->Header.AceType == ACCESS_ALLOWED_ACE_TYPE &&
        EqualSid(&ace->SidStart, everyone) && (ace->Mask & FILE_READ_DATA)) {
      readable = true;
    }
  }
  FreeSid(everyone);
  return readable;
}

TEST(AtomicFileIdentity, LinkStaysALinkAndRightsStay) {
  test::TestInstallation installation;
  installation.write("shared\\taviro.ini", "[SCREEN]\r\nWIDTHMM=345\r\n");
  installation.write("group.ini", "[A]\r\nX=1\r\n");
  const std::string link = installation.path("taviro.ini");
  // The link goes when the test ends, by the Unix command (Wine's DeleteFileA removes the
  // file it points to), and before its target: a dangling link cannot be listed, so it would
  // stay on the test drive.
  struct RemoveLink {
    std::string path;
    ~RemoveLink() {
      test::unix_command("/bin/rm -f", path);
      test::eventually([&] { return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES; });
    }
  } remove_link{link};
  test::unix_command("/bin/ln -s", link, "shared/taviro.ini");
  test::unix_command("/bin/chmod 640", installation.path("group.ini"));
  ASSERT_TRUE(test::eventually([&] { return installation.read("taviro.ini") == "[SCREEN]\r\nWIDTHMM=345\r\n"; }));
  ASSERT_TRUE(test::eventually([&] { return !everyone_may_read(installation.path("group.ini")); }));

  EXPECT_TRUE(profile::write_int("SCREEN", "WIDTHMM", 346, link.c_str()));
  EXPECT_EQ(installation.read("shared\\taviro.ini"), "[SCREEN]\r\nWIDTHMM=346\r\n") << "the shared file took the value";
  installation.write("shared\\taviro.ini", "[SCREEN]\r\nWIDTHMM=347\r\n");
  EXPECT_EQ(installation.read("taviro.ini"), "[SCREEN]\r\nWIDTHMM=347\r\n") << "the link is still a link";

  EXPECT_TRUE(profile::write_int("A", "X", 2, installation.path("group.ini").c_str()));
  EXPECT_EQ(installation.read("group.ini"), "[A]\r\nX=2\r\n");
  EXPECT_FALSE(everyone_may_read(installation.path("group.ini"))) << "the file became readable by all";
}

// The child half of the kill test: saves a large file over and over until it is ended.
TEST(AtomicFileKillChild, SavesUntilEnded) {
  const char* target = std::getenv("TAVIRO_SAVE_TARGET");
  if (!target) GTEST_SKIP() << "runs only as the child of AtomicFileKill";
  for (char fill = 'b';; fill = fill == 'y' ? 'b' : static_cast<char>(fill + 1)) {
    write_file_atomically(target, std::string(16 << 20, fill));
  }
}

TEST(AtomicFileKill, KilledSaveLeavesOneWholeVersionAndTheNextSaveCleansUp) {
  test::TempFolder folder;
  const std::string target = folder.file("taviro.ini");
  folder.write("taviro.ini", std::string(16 << 20, 'a'));
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string line = std::string("\"") + program + "\" --gtest_filter=AtomicFileKillChild.*";
  SetEnvironmentVariableA("TAVIRO_SAVE_TARGET", target.c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
  SetEnvironmentVariableA("TAVIRO_SAVE_TARGET", nullptr);
  // Ends the child while its temporary file is being written, a few times over.
  const std::string temporary = temporary_name_for(target);
  for (int tries = 0; tries < 2000 && GetFileAttributesA(temporary.c_str()) == INVALID_FILE_ATTRIBUTES; ++tries)
    Sleep(5);
  Sleep(20);
  TerminateProcess(child.hProcess, 9);
  WaitForSingleObject(child.hProcess, 10000);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);

  const std::string after = folder.read("taviro.ini");
  ASSERT_EQ(after.size(), static_cast<std::size_t>(16 << 20));
  EXPECT_EQ(after.find_first_not_of(after[0]), std::string::npos) << "one whole version";
  // A leftover temporary file is never read as the file, and the next save removes it.
  char value[8] = {};
  EXPECT_EQ(profile::get_string("A", "B", "none", value, sizeof value, target.c_str()), 4);
  EXPECT_TRUE(write_file_atomically(target.c_str(), "[A]\r\nB=1\r\n"));
  EXPECT_EQ(folder.names(), std::vector<std::string>{"taviro.ini"});
}

}  // namespace
}  // namespace tav
