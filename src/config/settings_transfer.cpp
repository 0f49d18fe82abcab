#include "config/settings_transfer.h"

#include <cstring>
#include <vector>

#include "config/core/key_catalogue.h"
#include "config/profile.h"
#include "config/settings.h"
#include "util/atomic_file.h"
#include "util/backups.h"
#include "util/current_folder.h"

namespace tav {
namespace {

// Kept copies of the main configuration file before an import changes it, whatever BAKMAX
// says: the administrator can always go back one step.
constexpr int kImportBackups = 1;

// A key the import file names is read from it, every other key from the installation.
class ImportReader : public KeyReader {
 public:
  ImportReader(const profile::ProfileSnapshot& file, const profile::ProfileSnapshot& installation)
      : file_(file), installation_(installation) {}
  std::string text(std::string_view section, std::string_view key, std::string_view default_text, int size) override {
    if (size < 1) return {};
    std::vector<char> buffer(static_cast<std::size_t>(size));
    const int length = source(section, key).get_string(section, key, default_text, buffer.data(), size);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
  }
  int integer(std::string_view section, std::string_view key, int default_value) override {
    return source(section, key).get_int(section, key, default_value);
  }

 private:
  const profile::ProfileSnapshot& source(std::string_view section, std::string_view key) const {
    return file_.document().find(section, key) ? file_ : installation_;
  }
  const profile::ProfileSnapshot& file_;
  const profile::ProfileSnapshot& installation_;
};

TransferResult failed(TransferOutcome outcome, DWORD error) {
  TransferResult result;
  result.outcome = outcome;
  result.error = error;
  return result;
}

}  // namespace

TransferResult export_settings(const char* file) {
  Settings record;
  if (load_settings_from(record, profile::kMainFile) == MainFileState::unreadable) {
    return failed(TransferOutcome::main_file_failed, GetLastError());
  }
  if (!write_file_atomically(file, exported_text(record))) return failed(TransferOutcome::file_failed, GetLastError());
  TransferResult result;
  result.keys = static_cast<int>(written_keys(record).size());
  return result;
}

TransferResult import_settings(const char* file) {
  std::string bytes;
  if (read_file(file, bytes) != FileRead::read) {
    return failed(TransferOutcome::file_failed, GetLastError() ? GetLastError() : ERROR_FILE_NOT_FOUND);
  }
  // The file as an INI file is read as the main file is (UTF-16 too); its lines are checked
  // in the bytes it holds.
  const profile::ProfileSnapshot imported(file);
  if (imported.unreadable()) return failed(TransferOutcome::file_failed, GetLastError());
  TransferResult result;
  result.refused = refused_line(imported.document().bytes());
  if (result.refused) {
    result.outcome = TransferOutcome::file_refused;
    return result;
  }

  Settings before;
  Settings after;
  const std::string folder = current_folder();
  {
    const profile::ProfileSnapshot installation(profile::kMainFile);
    if (installation.unreadable() || installation.read_only()) {
      return failed(TransferOutcome::main_file_failed,
                    installation.read_only() ? ERROR_NO_UNICODE_TRANSLATION : GetLastError());
    }
    ImportReader only_installation(installation, installation);
    load_settings(before, only_installation, folder);
    ImportReader with_file(imported, installation);
    load_settings(after, with_file, folder);
  }
  const std::vector<WrittenKey> changed = changed_keys(before, after);
  if (changed.empty()) return result;
  if (!numbered_backup(profile::kMainFile, static_cast<int>(std::strlen(profile::kMainFile)), kImportBackups)) {
    return failed(TransferOutcome::main_file_failed, GetLastError());
  }
  profile::ProfileBatch batch(profile::kMainFile);
  for (const WrittenKey& key : changed) batch.write_string(key.section, key.key, key.value);
  if (!batch.save()) return failed(TransferOutcome::main_file_failed, GetLastError());
  result.keys = static_cast<int>(changed.size());
  return result;
}

}  // namespace tav
