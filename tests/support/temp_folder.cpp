#include "support/temp_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "support/installation.h"  // remove_tree

namespace tav::test {

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  char base[MAX_PATH] = {};
  DWORD length = GetTempPathA(MAX_PATH, base);
  EXPECT_TRUE(length > 0 && length < MAX_PATH) << "no temporary folder";
  std::string stem = std::string(base, length);
  if (!stem.empty() && stem.back() == '\\') stem.pop_back();
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[64];
    wsprintfA(name, "\\tav-%lx-%lx-%x", GetCurrentProcessId(), GetTickCount(), counter++);
    if (CreateDirectoryA((stem + name).c_str(), nullptr)) {
      path_ = stem + name;
      return;
    }
  }
  ADD_FAILURE() << "cannot create a temporary folder in " << stem;
}

TempFolder::~TempFolder() {
  if (!path_.empty()) remove_tree(path_);
}

std::string TempFolder::file(std::string_view relative) const { return path_ + "\\" + std::string(relative); }

void TempFolder::write(std::string_view relative, std::string_view bytes) const {
  const std::string full = file(relative);
  HANDLE handle = CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE) << "cannot create " << full;
  DWORD written = 0;
  BOOL ok = bytes.empty() || WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(handle);
  EXPECT_TRUE(ok && written == bytes.size()) << "cannot write " << full;
}

std::string TempFolder::read(std::string_view relative) const {
  const std::string full = file(relative);
  HANDLE handle = CreateFileA(full.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(handle, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(handle);
  return bytes;
}

bool TempFolder::exists(std::string_view relative) const {
  return GetFileAttributesA(file(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> TempFolder::names() const {
  std::vector<std::string> found;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name != "." && name != "..") found.push_back(name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace tav::test
