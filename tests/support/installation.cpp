#include "support/installation.h"

#include <windows.h>

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tav::test {

namespace {

// Removes a tree by its wide names, in the long-path form where the path has a drive, so
// that folders of any length go too.
bool remove_wide_tree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = folder + L"\\" + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_wide_tree(full);
      } else {
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(folder.c_str());
  return GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool remove_tree(const std::string& folder) {
  std::wstring wide(folder.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, folder.data(), static_cast<int>(folder.size()),
                                                           wide.data(), static_cast<int>(wide.size()))));
  if (wide.size() >= 3 && wide[1] == L':' && wide[2] == L'\\') wide.insert(0, L"\\\\?\\");
  return remove_wide_tree(wide);
}

bool make_folders(const std::string& folder) {
  for (std::size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1)) {
    CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryA(folder.c_str(), nullptr);
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TestInstallation::TestInstallation() {
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  previous_folder_ = current;
  EXPECT_TRUE(remove_tree("U:\\taviro")) << "the test drive U: is not usable";
  EXPECT_TRUE(make_folders("U:\\taviro"));
  EXPECT_TRUE(SetCurrentDirectoryA("U:\\"));
}

TestInstallation::~TestInstallation() { SetCurrentDirectoryA(previous_folder_.c_str()); }

std::string TestInstallation::path(const std::string& relative) const { return "U:\\taviro\\" + relative; }

void TestInstallation::write(const std::string& relative, const std::string& bytes) const {
  const std::string full = path(relative);
  make_folders(full.substr(0, full.rfind('\\')));
  std::ofstream out(full, std::ios::binary | std::ios::trunc);
  out << bytes;
  EXPECT_TRUE(out.good()) << "cannot write " << full;
}

std::string TestInstallation::read(const std::string& relative) const {
  std::ifstream in(path(relative), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool TestInstallation::exists(const std::string& relative) const {
  return GetFileAttributesA(path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void TestInstallation::remove(const std::string& relative) const {
  const std::string full = path(relative);
  SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!DeleteFileA(full.c_str())) remove_tree(full);
}

void TestInstallation::make_folder(const std::string& relative) const { make_folders(path(relative)); }

void TestInstallation::add_program_files() const {
  write("taviro.exe", "");
  write("taviroed.exe", "");
}

}  // namespace tav::test
