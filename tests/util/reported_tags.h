#pragma once
// Collects what the file and path routines report through the error hook while it lives.
#include <ostream>
#include <string>
#include <vector>

#include "util/core/error_report.h"

namespace tav::test {

struct Report {
  ErrorKind kind;
  std::string tag;
  long value;
  bool operator==(const Report&) const = default;
};
inline void PrintTo(const Report& r, std::ostream* out) {
  *out << static_cast<int>(r.kind) << ":" << r.tag << ":" << r.value;
}

class ReportedTags {
 public:
  ReportedTags() {
    set_error_observer([this](ErrorKind kind, const char* tag, long value) { seen.push_back({kind, tag, value}); });
  }
  ~ReportedTags() { set_error_observer(nullptr); }
  ReportedTags(const ReportedTags&) = delete;
  ReportedTags& operator=(const ReportedTags&) = delete;

  bool contains(const std::string& tag) const {
    for (const Report& r : seen) {
      if (r.tag == tag) return true;
    }
    return false;
  }
  std::vector<Report> seen;
};

}  // namespace tav::test
