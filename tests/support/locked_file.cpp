#include "support/locked_file.h"

#include <windows.h>

namespace tav::test {

LockedFile::LockedFile(const std::string& path, Sharing sharing)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, sharing == reading ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING,
                          0, nullptr)) {}
LockedFile::~LockedFile() { release(); }
bool LockedFile::locked() const { return handle_ != INVALID_HANDLE_VALUE; }
void LockedFile::release() {
  if (locked()) CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace tav::test
