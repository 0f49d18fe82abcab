// The yardstick of the relocation benchmark: a folder tree copied with the plainest Win32
// code, FindFirstFileW recursion, CreateDirectoryW per folder and CopyFileW per file, nothing
// else (no check, no progress, no second file on its way).
//
//   bare_copy <old folder> <new folder> <bytes of the tree>
//
// Prints one line: copied=1|0 seconds=... MiB/s=...
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

bool copy_folder(const std::wstring& from, const std::wstring& to) {
  if (!CreateDirectoryW(to.c_str(), nullptr)) return false;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((from + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  do {
    if (std::wcscmp(found.cFileName, L".") == 0 || std::wcscmp(found.cFileName, L"..") == 0) continue;
    const std::wstring source = from + L'\\' + found.cFileName;
    const std::wstring target = to + L'\\' + found.cFileName;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ok = copy_folder(source, target) && ok;
    } else {
      ok = CopyFileW(source.c_str(), target.c_str(), TRUE) && ok;
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return ok;
}

double seconds() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::wstring wide(const char* text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, result.data(), n);
  result.resize(std::wcslen(result.c_str()));
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: bare_copy <old folder> <new folder> <bytes>\n");
    return 2;
  }
  const double start = seconds();
  const bool copied = copy_folder(wide(argv[1]), wide(argv[2]));
  const double elapsed = seconds() - start;
  std::printf("copied=%d seconds=%.3f MiB/s=%.1f\n", copied ? 1 : 0, elapsed,
              std::strtod(argv[3], nullptr) / elapsed / 1048576.0);
  return copied ? 0 : 1;
}
