#include "language/language_check.h"

#include <string>

#include "language/installed_version.h"
#include "language/language_folders.h"
#include "resources/ids.h"

namespace tav {
namespace {

// A version number as the installation writes it: 1100 as "11.00".
std::string version_text(int version) {
  const int hundredths = version < 0 ? -version : version;
  std::string text =
      std::to_string(hundredths / 100) + "." + std::to_string(hundredths % 100 / 10) + std::to_string(hundredths % 10);
  return version < 0 ? "-" + text : text;
}

}  // namespace

std::vector<CheckFinding> language_findings() {
  using Verdict = LanguageFolder::Verdict;
  const int installed = installed_version("\\", 1);
  std::vector<CheckFinding> findings;
  for (const LanguageFolder& folder : language_folders(installed)) {
    const std::string path = "\\taviro\\" + folder.code;
    switch (folder.verdict) {
      case Verdict::listed:
        break;
      case Verdict::no_name:
        findings.push_back({IDS_CHECK_LANGUAGE_NO_NAME, {path}});
        break;
      case Verdict::other_version:
        findings.push_back({IDS_CHECK_LANGUAGE_VERSION, {path, version_text(folder.version), version_text(installed)}});
        break;
      case Verdict::not_a_number:
        findings.push_back({IDS_CHECK_LANGUAGE_NUMBER, {path}});
        break;
    }
  }
  return findings;
}

}  // namespace tav
