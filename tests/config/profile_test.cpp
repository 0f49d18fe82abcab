#include "config/profile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/installation.h"
#include "support/temp_folder.h"
#include "util/atomic_file.h"

namespace tav {
namespace {

using profile::ProfileBatch;
using test::TempFolder;

std::string text_of(std::string_view section, std::string_view key, std::string_view default_text,
                    const std::string& file, int size = 256) {
  std::vector<char> dest(static_cast<std::size_t>(size) + 1, 'X');
  int length = profile::get_string(section, key, default_text, dest.data(), size, file.c_str());
  EXPECT_EQ(dest[static_cast<std::size_t>(length)], '\0');
  return std::string(dest.data(), static_cast<std::size_t>(length));
}

TEST(ProfileRead, MissingFileSectionOrKeyGivesTheDefaults) {
  TempFolder folder;
  const std::string missing = folder.file("none.ini");
  EXPECT_EQ(text_of("PATH", "DRIVES", "C", missing), "C");
  EXPECT_EQ(profile::get_int("SCREEN", "WIDTHMM", 300, missing.c_str()), 300);
  EXPECT_TRUE(profile::read_flag("OPTIONS", "CACHE_CHM", true, missing.c_str()));
  EXPECT_FALSE(profile::read_flag("OPTIONS", "CACHE_CHM", false, missing.c_str()));
  const std::string file = folder.file("taviro.ini");
  folder.write("taviro.ini", "[OPTIONS]\r\nTWO=2\r\nZERO=0\r\nMINUS=-1\r\nTEXT=abc\r\n");
  EXPECT_TRUE(profile::read_flag("OPTIONS", "TWO", false, file.c_str()));
  EXPECT_FALSE(profile::read_flag("OPTIONS", "ZERO", true, file.c_str()));
  EXPECT_TRUE(profile::read_flag("OPTIONS", "MINUS", true, file.c_str()));  // -1 reads as missing
  EXPECT_FALSE(profile::read_flag("OPTIONS", "MINUS", false, file.c_str()));
  EXPECT_TRUE(profile::read_flag("OPTIONS", "MISSING", true, file.c_str()));
  EXPECT_FALSE(profile::read_flag("OPTIONS", "TEXT", true, file.c_str()));  // no digits: 0
  EXPECT_EQ(text_of("OPTIONS", "MISSING", "dflt", file), "dflt");
  EXPECT_EQ(text_of("NOSECTION", "TEXT", "dflt", file), "dflt");
  // A folder in place of the file reads as a missing file.
  EXPECT_EQ(text_of("OPTIONS", "TEXT", "dflt", folder.path()), "dflt");
}

TEST(ProfileRead, TextsAreCutAndKeepTheirQuotes) {
  TempFolder folder;
  const std::string file = folder.file("p.ini");
  folder.write("p.ini", "\xEF\xBB\xBF[PLOT]\nQUOTED = \"a;b\" \nLONG=abcdefghij\n");
  EXPECT_EQ(text_of("plot", "quoted", "", file), "\"a;b\"");
  EXPECT_EQ(text_of("PLOT", "LONG", "", file, 5), "abcd");
  EXPECT_EQ(text_of("PLOT", "LONG", "", file, 1), "");
  // Fixed-length fields pass their significant length.
  const char field[8] = {'P', 'L', 'O', 'T', ' ', ' ', ' ', ' '};
  EXPECT_EQ(text_of(std::string_view(field, 4), "LONG", "", file), "abcdefghij");
}

TEST(ProfileRead, IndirectionThroughStandard) {
  TempFolder folder;
  const std::string file = folder.file("p.ini");
  folder.write("p.ini", "[PEN]\r\nNAME=#LABEL#\r\nQUOTED=\"a;b\"\r\n[STANDARD]\r\n#LABEL#=Text ;comment\r\n");
  char dest[256];
  EXPECT_EQ(profile::get_string_indirect("PEN", "NAME", "", dest, 256, file.c_str()), 5);
  EXPECT_STREQ(dest, "Text ");
  EXPECT_EQ(profile::get_string_indirect("PEN", "QUOTED", "", dest, 256, file.c_str()), 5);
  EXPECT_STREQ(dest, "\"a;b\"");
}

TEST(ProfileWrite, IntegersFlagsAndTextsAsTheOtherProgramsRead) {
  TempFolder folder;
  const std::string file = folder.file("taviro.ini");
  EXPECT_TRUE(profile::write_int("SCREEN", "WIDTHMM", 7, file.c_str()));
  EXPECT_TRUE(profile::write_int("SCREEN", "HIGHTMM", -1, file.c_str()));
  EXPECT_TRUE(profile::write_flag("OPTIONS", "CACHE_CHM", true, file.c_str()));
  EXPECT_TRUE(profile::write_flag("OPTIONS", "HIDE_MIRFOLD", false, file.c_str()));
  EXPECT_TRUE(profile::write_string("PATH", "DRIVES", "CDE", file.c_str()));
  EXPECT_TRUE(profile::write_string("TOOLBOX2", "B01", "", file.c_str()));
  EXPECT_EQ(folder.read("taviro.ini"),
            "[SCREEN]\r\nWIDTHMM=7\r\nHIGHTMM=-1\r\n[OPTIONS]\r\nCACHE_CHM=1\r\nHIDE_MIRFOLD=0\r\n"
            "[PATH]\r\nDRIVES=CDE\r\n[TOOLBOX2]\r\nB01=\r\n");
  // Each read sees the previous write.
  EXPECT_EQ(profile::get_int("SCREEN", "WIDTHMM", 0, file.c_str()), 7);
  EXPECT_TRUE(profile::write_int("screen", "widthmm", 310, file.c_str()));
  EXPECT_EQ(profile::get_int("SCREEN", "WIDTHMM", 0, file.c_str()), 310);
  EXPECT_EQ(text_of("TOOLBOX2", "B01", "dflt", file), "");  // an empty value stays a key
  EXPECT_EQ(folder.names(), std::vector<std::string>{"taviro.ini"});
}

TEST(ProfileWrite, KeepsEveryOtherByte) {
  TempFolder folder;
  const std::string file = folder.file("taviro.ini");
  const std::string start = "\xEF\xBB\xBF; TAVIRO\n[Screen]\nWidthMM = 300   \n\n[PATH]\r\nDRIVES=C\r\nX=\xE4\xF6\x01";
  folder.write("taviro.ini", start);
  EXPECT_TRUE(profile::write_int("SCREEN", "WIDTHMM", 245, file.c_str()));
  EXPECT_TRUE(profile::write_int("SCREEN", "HIGHTMM", 220, file.c_str()));
  EXPECT_TRUE(profile::write_string("PATH", "TEXTPROCRUN", "\"C:\\Program Files\\w.exe\" /n", file.c_str()));
  EXPECT_EQ(folder.read("taviro.ini"),
            "\xEF\xBB\xBF; TAVIRO\n[Screen]\nWidthMM = 245   \nHIGHTMM=220\r\n\n[PATH]\r\nDRIVES=C\r\nX=\xE4\xF6\x01"
            "\r\nTEXTPROCRUN=\"C:\\Program Files\\w.exe\" /n\r\n");
  EXPECT_EQ(text_of("PATH", "TEXTPROCRUN", "", file), "\"C:\\Program Files\\w.exe\" /n");
}

TEST(ProfileWrite, ReadOnlyFileMissingFolderOrUnreadableFileIsLeftAlone) {
  TempFolder folder;
  const std::string file = folder.file("taviro.ini");
  const std::string start = "[OPTIONS]\r\nBAKMAX=1\r\n";
  folder.write("taviro.ini", start);
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(profile::write_int("OPTIONS", "BAKMAX", 5, file.c_str()));
  EXPECT_FALSE(profile::write_int("OPTIONS", "BAKMAX", 1, file.c_str()));  // even without a change
  EXPECT_EQ(folder.read("taviro.ini"), start);
  EXPECT_EQ(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));

  const std::string in_missing_folder = folder.file("missing\\taviro.ini");
  EXPECT_FALSE(profile::write_int("OPTIONS", "BAKMAX", 5, in_missing_folder.c_str()));
  EXPECT_FALSE(folder.exists("missing"));

  // A file another program holds open without sharing cannot be read: a write must not
  // replace it with a file that holds only the new key.
  HANDLE locked = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(profile::write_int("OPTIONS", "SAVEMINUTES", 5, file.c_str()));
  CloseHandle(locked);
  EXPECT_EQ(folder.read("taviro.ini"), start);

  // A file whose bytes are locked by another program opens but cannot be read: the write
  // must fail rather than save a document built from nothing.
  HANDLE range_locked = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(range_locked, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(LockFile(range_locked, 0, 0, static_cast<DWORD>(start.size()), 0));
  EXPECT_FALSE(profile::write_int("OPTIONS", "SAVEMINUTES", 5, file.c_str()));
  UnlockFile(range_locked, 0, 0, static_cast<DWORD>(start.size()), 0);
  CloseHandle(range_locked);
  EXPECT_EQ(folder.read("taviro.ini"), start);

  EXPECT_FALSE(profile::write_int("OPTIONS", "BAKMAX", 5, folder.path().c_str()));  // a folder
  EXPECT_FALSE(profile::write_int("OPTIONS", "BAD=NAME", 5, file.c_str()));
  EXPECT_EQ(folder.read("taviro.ini"), start);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"taviro.ini"}) << "a temporary file was left behind";
}

TEST(ProfileBatchWrite, SameBytesAsSingleWritesWithOneSave) {
  TempFolder folder;
  const std::string start = "[SCREEN]\nWIDTHMM=300\n\n[MARKER]\r\nONEPATHONLY=1";
  folder.write("single.ini", start);
  folder.write("batch.ini", start);
  const std::string single = folder.file("single.ini");
  profile::write_int("SCREEN", "WIDTHMM", 280, single.c_str());
  profile::write_flag("OPTIONS", "USEMENUBUTTONS", true, single.c_str());
  profile::write_int("SCREEN", "BACKGROUND", 15, single.c_str());
  profile::write_string("MARKER", "AUTONESTERPATH", ".\\", single.c_str());
  profile::write_flag("marker", "onepathonly", false, single.c_str());

  const std::string file = folder.file("batch.ini");
  ProfileBatch batch(file.c_str());
  EXPECT_TRUE(batch.write_int("SCREEN", "WIDTHMM", 280));
  EXPECT_TRUE(batch.write_flag("OPTIONS", "USEMENUBUTTONS", true));
  EXPECT_TRUE(batch.write_int("SCREEN", "BACKGROUND", 15));
  EXPECT_TRUE(batch.write_string("MARKER", "AUTONESTERPATH", ".\\"));
  EXPECT_TRUE(batch.write_flag("marker", "onepathonly", false));
  EXPECT_FALSE(batch.write_string("MARKER", ";x", "v"));
  EXPECT_EQ(folder.read("batch.ini"), start) << "nothing is written before save";
  EXPECT_TRUE(batch.save());
  EXPECT_EQ(folder.read("batch.ini"), folder.read("single.ini"));

  // A save without a change leaves the file as it is.
  FILETIME before{};
  FILETIME after{};
  HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  GetFileTime(handle, nullptr, nullptr, &before);
  CloseHandle(handle);
  Sleep(20);
  ProfileBatch unchanged(file.c_str());
  EXPECT_TRUE(unchanged.write_int("SCREEN", "WIDTHMM", 280));
  EXPECT_TRUE(unchanged.save());
  handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  GetFileTime(handle, nullptr, nullptr, &after);
  CloseHandle(handle);
  EXPECT_EQ(CompareFileTime(&before, &after), 0);

  ProfileBatch fresh(folder.file("new.ini").c_str());
  EXPECT_TRUE(fresh.write_int("SCREEN", "WIDTHMM", 1));
  EXPECT_TRUE(fresh.save());
  EXPECT_EQ(folder.read("new.ini"), "[SCREEN]\r\nWIDTHMM=1\r\n");
}

TEST(ProfileMainFile, ReadersResolveAgainstTheCurrentDrive) {
  test::TestInstallation installation;
  const std::string main_file =
      "[PATH]\r\nDRIVES=CDE   \r\nEMPTY=\r\n[SCREEN]\r\nWIDTHMM=280\r\n[OPTIONS]\r\nON=2\r\nOFF=0\r\nMINUS=-1\r\n";
  installation.write("taviro.ini", main_file);
  installation.write("settngsb.ini", "[HEM]\r\nPOS=3\r\nMINUS=-1\r\n");
  char dest[256];
  int length = -5;
  EXPECT_TRUE(profile::main_string("PATH", "DRIVES", dest, length));
  EXPECT_EQ(length, 3);
  EXPECT_STREQ(dest, "CDE");
  EXPECT_FALSE(profile::main_string("PATH", "EMPTY", dest, length));
  EXPECT_EQ(length, 0);
  EXPECT_FALSE(profile::main_string("PATH", "MISSING", dest, length));

  int value = -5;
  EXPECT_TRUE(profile::main_int("SCREEN", "WIDTHMM", value));
  EXPECT_EQ(value, 280);
  EXPECT_TRUE(profile::main_int("SCREEN", "MISSING", value));
  EXPECT_EQ(value, 0);

  bool flag = false;
  EXPECT_TRUE(profile::main_logical("OPTIONS", "ON", flag));
  EXPECT_TRUE(flag);
  EXPECT_TRUE(profile::main_logical("OPTIONS", "OFF", flag));
  EXPECT_FALSE(flag);
  flag = false;
  EXPECT_FALSE(profile::main_logical("OPTIONS", "MISSING", flag));
  EXPECT_TRUE(flag);  // a missing key reads as -1, which is not 0
  EXPECT_FALSE(profile::main_logical("OPTIONS", "MINUS", flag));

  value = 42;
  EXPECT_TRUE(profile::settngsb_int("HEM", "POS", value));
  EXPECT_EQ(value, 3);
  value = 42;
  EXPECT_FALSE(profile::settngsb_int("HEM", "MISSING", value));
  EXPECT_FALSE(profile::settngsb_int("HEM", "MINUS", value));
  EXPECT_EQ(value, 42);

  // Writes go to the same file, through a temporary file in its folder.
  EXPECT_TRUE(profile::write_int("SCREEN", "HIGHTMM", 220, profile::kMainFile));
  EXPECT_TRUE(profile::main_int("SCREEN", "HIGHTMM", value));
  EXPECT_EQ(value, 220);
  std::string expected = main_file;
  expected.insert(expected.find("[OPTIONS]"), "HIGHTMM=220\r\n");
  EXPECT_EQ(installation.read("taviro.ini"), expected);
}

TEST(AtomicFile, ReplacesCreatesAndRefuses) {
  TempFolder folder;
  const std::string file = folder.file("queue.que");
  EXPECT_TRUE(write_file_atomically(file.c_str(), "first"));
  EXPECT_EQ(folder.read("queue.que"), "first");
  EXPECT_TRUE(write_file_atomically(file.c_str(), std::string_view("a\0b", 3)));
  EXPECT_EQ(folder.read("queue.que"), std::string("a\0b", 3));
  EXPECT_TRUE(write_file_atomically(file.c_str(), ""));
  EXPECT_EQ(folder.read("queue.que"), "");
  EXPECT_TRUE(folder.exists("queue.que"));

  // A hidden or system file stays so when its contents are replaced.
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_TRUE(write_file_atomically(file.c_str(), "hidden"));
  EXPECT_EQ(folder.read("queue.que"), "hidden");
  EXPECT_EQ(GetFileAttributesA(file.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));

  folder.write("queue.que", "kept");
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(write_file_atomically(file.c_str(), "new"));
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_FALSE(write_file_atomically(folder.file("missing\\x.que").c_str(), "new"));
  EXPECT_FALSE(write_file_atomically(folder.path().c_str(), "new"));
  EXPECT_FALSE(write_file_atomically("", "new"));
  EXPECT_EQ(folder.read("queue.que"), "kept");
  EXPECT_EQ(folder.names(), std::vector<std::string>{"queue.que"});
}

TEST(ProfileDialogHelpers, MoveFlagsBetweenSettingsAndControls) {
  HWND page = CreateWindowExA(0, "STATIC", "page", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(page, nullptr);
  HWND box = CreateWindowExA(0, "BUTTON", "box", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, 0, 0, 80, 20, page,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(1001)), nullptr, nullptr);
  ASSERT_NE(box, nullptr);
  profile::check_from_flag(page, 1001, true);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(profile::flag_from_check(page, 1001));
  profile::check_from_flag(page, 1001, false);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_FALSE(profile::flag_from_check(page, 1001));
  SendMessageA(box, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_FALSE(profile::flag_from_check(page, 1001));

  profile::enable_from_flag(page, 1001, false);
  EXPECT_FALSE(IsWindowEnabled(box));
  profile::enable_from_flag(page, 1001, true);
  EXPECT_TRUE(IsWindowEnabled(box));
  profile::show_control(page, 1001, SW_HIDE);
  EXPECT_EQ(GetWindowLongA(box, GWL_STYLE) & WS_VISIBLE, 0);
  profile::show_control(page, 1001, SW_SHOW);
  EXPECT_NE(GetWindowLongA(box, GWL_STYLE) & WS_VISIBLE, 0);
  // A missing control is no fault.
  profile::enable_from_flag(page, 4711, true);
  profile::show_control(page, 4711, SW_HIDE);
  DestroyWindow(page);
}

}  // namespace
}  // namespace tav
