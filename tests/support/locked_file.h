#pragma once
// A file held open as another program would hold it: without sharing it at all, or letting
// others read it but neither write nor delete it (so that reading works and replacing it
// fails).
#include <string>

namespace tav::test {

class LockedFile {
 public:
  enum Sharing { nothing, reading };
  explicit LockedFile(const std::string& path, Sharing sharing = nothing);
  ~LockedFile();
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;
  bool locked() const;
  // Lets the file go before the object ends.
  void release();

 private:
  void* handle_;
};

}  // namespace tav::test
