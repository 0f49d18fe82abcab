#include "config/settings.h"

#include <windows.h>

#include <exception>
#include <vector>

#include "config/core/key_catalogue.h"
#include "config/profile.h"
#include "util/current_folder.h"
#include "util/program_log.h"

namespace tav {
namespace {

// Reads every key from one reading of the file.
class SnapshotKeyReader : public KeyReader {
 public:
  explicit SnapshotKeyReader(const profile::ProfileSnapshot& snapshot) : snapshot_(snapshot) {}
  std::string text(std::string_view section, std::string_view key, std::string_view default_text, int size) override {
    if (size < 1) return {};
    std::vector<char> buffer(static_cast<std::size_t>(size));
    const int length = snapshot_.get_string(section, key, default_text, buffer.data(), size);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
  }
  int integer(std::string_view section, std::string_view key, int default_value) override {
    return snapshot_.get_int(section, key, default_value);
  }

 private:
  const profile::ProfileSnapshot& snapshot_;
};

class SingleKeyWriter : public KeyWriter {
 public:
  explicit SingleKeyWriter(const char* file) : file_(file) {}
  void text(std::string_view section, std::string_view key, std::string_view value) override {
    profile::write_string(section, key, value, file_);
  }
  void integer(std::string_view section, std::string_view key, int value) override {
    profile::write_int(section, key, value, file_);
  }
  void flag(std::string_view section, std::string_view key, bool flag) override {
    profile::write_flag(section, key, flag, file_);
  }

 private:
  const char* file_;
};

class BatchKeyWriter : public KeyWriter {
 public:
  explicit BatchKeyWriter(profile::ProfileBatch& batch) : batch_(batch) {}
  void text(std::string_view section, std::string_view key, std::string_view value) override {
    batch_.write_string(section, key, value);
  }
  void integer(std::string_view section, std::string_view key, int value) override {
    batch_.write_int(section, key, value);
  }
  void flag(std::string_view section, std::string_view key, bool flag) override {
    batch_.write_flag(section, key, flag);
  }

 private:
  profile::ProfileBatch& batch_;
};

}  // namespace

Settings& settings() {
  static Settings record;
  return record;
}

MainFileState& main_file_state() {
  static MainFileState state = MainFileState::usable;
  return state;
}

MainFileState load_settings_from(Settings& record, const char* file) {
  const profile::ProfileSnapshot snapshot(file);
  SnapshotKeyReader reader(snapshot);
  load_settings(record, reader, current_folder());
  if (snapshot.unreadable()) return MainFileState::unreadable;
  return snapshot.read_only() ? MainFileState::not_writable : MainFileState::usable;
}

bool write_settings_to(const Settings& record, const char* file) {
  profile::ProfileBatch batch(file);
  BatchKeyWriter writer(batch);
  write_settings(record, writer);
  return batch.save();
}

void write_settings_key_by_key(const Settings& record, const char* file) {
  SingleKeyWriter writer(file);
  write_settings(record, writer);
}

// Both are called from the main dialog's procedure, which no exception may leave: when memory
// runs out the keys read so far stay loaded, and the file stays as it was.
void load_all_settings() {
  // A fresh record: the companions start as at the beginning of a run (no font size picked).
  settings() = Settings{};
  main_file_state() = MainFileState::usable;
  try {
    main_file_state() = load_settings_from(settings(), profile::kMainFile);
  } catch (const std::exception& caught) {
    // Part of the keys is missing: writing them all would replace the others with defaults.
    record_caught("read settings", caught.what());
    main_file_state() = MainFileState::unreadable;
  }
}

bool write_all_settings() {
  // Settings that were not read from the file are never written over it.
  if (main_file_state() != MainFileState::usable) return true;
  try {
    return write_settings_to(settings(), profile::kMainFile);
  } catch (const std::exception& caught) {
    record_caught("save settings", caught.what());
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return false;
  }
}

}  // namespace tav
