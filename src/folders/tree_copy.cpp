#include "folders/tree_copy.h"

#include <cstring>
#include <memory>
#include <new>
#include <system_error>
#include <thread>

#include "util/ansi_text.h"
#include "util/stop_points.h"

namespace tav {
namespace {

constexpr DWORD kBufferSize = 1 << 20;
constexpr int kFilesAtATime = 2;
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

std::wstring joined(const std::wstring& folder, const std::wstring& name) {
  if (name.empty()) return folder;
  if (folder.empty()) return name;
  if (!folder.empty() && folder.back() == L'\\') return folder + name;
  return folder + L'\\' + name;
}

// Opens the file `to` for the copy of item: a new file, or one that exists and may be
// replaced. A read-only file is not replaced (Windows refuses it; Wine, run by an
// administrator, would not), nor is a folder; a hidden or system file loses its marks
// first, since Windows replaces it only by a file of the same marks.
HANDLE open_target(const std::wstring& to, const TreeItem& item) {
  const DWORD marks = item.attributes & kKeptAttributes;
  const DWORD flags = (marks ? marks : FILE_ATTRIBUTE_NORMAL) | FILE_FLAG_SEQUENTIAL_SCAN;
  HANDLE target = CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, flags, nullptr);
  if (target != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return target;
  const DWORD existing = GetFileAttributesW(to.c_str());
  if (existing == INVALID_FILE_ATTRIBUTES || (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return INVALID_HANDLE_VALUE;
  }
  if ((existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) &&
      !SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL)) {
    return INVALID_HANDLE_VALUE;
  }
  return CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, flags, nullptr);
}

bool copy_file(const std::wstring& from, const std::wstring& to, const TreeItem& item, char* buffer,
               std::atomic<std::uint64_t>& done) {
  HANDLE source = CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (source == INVALID_HANDLE_VALUE) return false;
  stop_point("copy");
  HANDLE target = open_target(to, item);
  if (target == INVALID_HANDLE_VALUE) {
    CloseHandle(source);
    return false;
  }
  bool ok = true;
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(source, buffer, kBufferSize, &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    DWORD written = 0;
    if (!WriteFile(target, buffer, got, &written, nullptr) || written != got) {
      ok = false;
      break;
    }
    done += got;
  }
  if (ok) ok = SetFileTime(target, nullptr, nullptr, &item.written) != FALSE;
  if (!CloseHandle(target)) ok = false;
  CloseHandle(source);
  // A file cut short is no copy: it goes again rather than pass for one.
  if (!ok) {
    SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(to.c_str());
  }
  return ok;
}

}  // namespace

std::string narrowed(std::wstring_view path) {
  if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return "\\\\" + narrowed(path.substr(8));
  if (path.rfind(L"\\\\?\\", 0) == 0) path.remove_prefix(4);
  return ansi_from_wide(path);
}

std::wstring tree_path(std::string_view path) {
  const std::wstring wide = wide_from_ansi(path);
  DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (n == 0) return wide;
  std::wstring full(n, L'\0');
  n = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
  full.resize(n);
  if (full.rfind(L"\\\\?\\", 0) == 0) return full;
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
  return full;
}

FolderTree list_tree(const std::wstring& top) {
  FolderTree tree;
  std::vector<std::wstring> folders{L""};
  while (!folders.empty()) {
    const std::wstring relative = std::move(folders.back());
    folders.pop_back();
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW(joined(joined(top, relative), L"*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
      if (GetLastError() != ERROR_FILE_NOT_FOUND) tree.fail(relative, GetLastError());
      continue;
    }
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      TreeItem item;
      item.path = joined(relative, name);
      item.attributes = found.dwFileAttributes;
      item.written = found.ftLastWriteTime;
      if (item.folder()) {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
          tree.fail(item.path, ERROR_NOT_SUPPORTED);
        } else {
          folders.push_back(item.path);
        }
      } else {
        item.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        tree.bytes += item.size;
      }
      tree.items.push_back(std::move(item));
    } while (FindNextFileW(search, &found));
    if (GetLastError() != ERROR_NO_MORE_FILES) tree.fail(relative, GetLastError());
    FindClose(search);
  }
  return tree;
}

std::vector<TreeEntry> comparable_entries(const FolderTree& tree) {
  std::vector<TreeEntry> entries;
  entries.reserve(tree.items.size());
  for (const TreeItem& item : tree.items) {
    std::wstring key = item.path;
    CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    const std::uint64_t written =
        (static_cast<std::uint64_t>(item.written.dwHighDateTime) << 32) | item.written.dwLowDateTime;
    entries.push_back({utf8(key), item.folder(), item.size, item.folder() ? 0 : written});
  }
  return entries;
}

bool same_contents(const std::wstring& a, const std::wstring& b) {
  HANDLE first =
      CreateFileW(a.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (first == INVALID_HANDLE_VALUE) return false;
  HANDLE second =
      CreateFileW(b.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (second == INVALID_HANDLE_VALUE) {
    CloseHandle(first);
    return false;
  }
  constexpr DWORD kPart = 1 << 16;
  std::unique_ptr<char[]> parts(new (std::nothrow) char[2 * kPart]);
  bool same = parts != nullptr;
  while (same) {
    DWORD got_a = 0;
    DWORD got_b = 0;
    if (!ReadFile(first, parts.get(), kPart, &got_a, nullptr) ||
        !ReadFile(second, parts.get() + kPart, kPart, &got_b, nullptr) || got_a != got_b ||
        std::memcmp(parts.get(), parts.get() + kPart, got_a) != 0) {
      same = false;
    } else if (got_a == 0) {
      break;
    }
  }
  CloseHandle(first);
  CloseHandle(second);
  return same;
}

bool copy_listed_tree(const FolderTree& tree, const std::wstring& from, const std::wstring& to, CopyCounters& done) {
  bool ok = true;
  std::vector<const TreeItem*> files;
  for (const TreeItem& item : tree.items) {
    if (!item.folder()) {
      files.push_back(&item);
      continue;
    }
    const std::wstring folder = joined(to, item.path);
    stop_point("create folder");
    if (!CreateDirectoryW(folder.c_str(), nullptr)) {
      const DWORD attributes = GetFileAttributesW(folder.c_str());
      if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) ok = false;
    }
  }
  // Several files on their way at once keep the disk busy while the system opens and closes
  // the next ones.
  std::atomic<std::size_t> next{0};
  std::atomic<bool> all_copied{true};
  const auto copy_files = [&] {
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kBufferSize]);
    for (std::size_t i; (i = next++) < files.size();) {
      const TreeItem& item = *files[i];
      if (!buffer || !copy_file(joined(from, item.path), joined(to, item.path), item, buffer.get(), done.bytes)) {
        all_copied = false;
      }
      ++done.files;
    }
  };
  std::vector<std::thread> helpers;
  for (int i = 1; i < kFilesAtATime; ++i) {
    try {
      helpers.emplace_back(copy_files);
    } catch (const std::system_error&) {
      break;  // the files are copied by fewer hands
    }
  }
  copy_files();
  for (std::thread& helper : helpers) helper.join();
  return ok && all_copied;
}

}  // namespace tav
