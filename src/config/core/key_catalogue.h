#pragma once
// The catalogue of the main configuration file: every key that the main dialog loads when it
// opens and writes when the user confirms with OK. One table declares each key once, in load
// order, with its place in the write order; both orders are derived from it.
//
// The catalogue works against an abstract key reader and writer, so the same rules run on a
// file through the profile functions and on a document in memory.

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "config/core/settings_record.h"

namespace tav {

class KeyReader {
 public:
  virtual ~KeyReader() = default;
  // The key's value, or default_text when the file, section or key is missing; at most
  // size - 1 characters.
  virtual std::string text(std::string_view section, std::string_view key, std::string_view default_text, int size) = 0;
  // The key's integer, or default_value when the file, section or key is missing.
  virtual int integer(std::string_view section, std::string_view key, int default_value) = 0;
};

class KeyWriter {
 public:
  virtual ~KeyWriter() = default;
  virtual void text(std::string_view section, std::string_view key, std::string_view value) = 0;
  virtual void integer(std::string_view section, std::string_view key, int value) = 0;  // "245", "-1"
  virtual void flag(std::string_view section, std::string_view key, bool flag) = 0;     // "1", "0"
};

// Fills the record from the keys, in load order. current_folder is the process's current
// folder, whose drive letter replaces the full stops of DRIVES.
void load_settings(Settings& settings, KeyReader& reader, std::string_view current_folder);
// Writes the record, in write order. The record is not changed.
void write_settings(const Settings& settings, KeyWriter& writer);

namespace catalogue {

// How the key is stored in the file: integer (plain decimal), flag ("1"/"0", read as an
// integer with -1 for "missing"), text.
enum class Type { integer, flag, text };

enum class LoadRule {
  as_read,
  nonzero_as_one,  // held as 1 when the value is nonzero, else 0
  clamp_0_to_99,
  clamp_0_to_9,
  inverted,       // the flag is held inverted
  with_length,    // the text and its length as read
  drive_letters,  // full stop -> current drive letter, blanks and zeros squeezed out, count kept
  font_name,      // read as a file name of 256 characters, held as the name before its extension
  first_four,     // the first four characters read, else four blanks (a toolbox slot)
  not_read,       // the key is written only
};

enum class WriteRule {
  as_held,
  fifteen_or_zero,       // 15 when the held value is nonzero, else 0
  if_font_size_changed,  // written only when the font-size-changed flag is set
  one_digit,             // exactly one decimal digit
  four_digits,           // exactly four decimal digits with leading zeros
  inverse,               // the inverse of the held flag
  up_to_length,          // the characters up to the length companion
  font_file,             // the held name followed by ".FNT"
  autonester_program,    // empty when the program length is 0 or less, else the program
  autonester_folder,     // empty when the program length is 0 or less, else its folder
  autonester_key,        // 0 without program, 1 for the key "0", else the key
  toolbox_slot,          // four blanks as an empty value, else the four characters
  not_written,           // the key is read only
};

// A blank-padded text field of the record (its size is the field length of the key), with
// its length companion when it has one.
struct TextMember {
  char* chars;
  int size;
  int* length;
};

template <std::size_t N>
TextMember field(Field<N>& held, int* length = nullptr) {
  return {held.data(), Field<N>::size(), length};
}

// The default when the key is missing: a number (integers, flags), a text, or the value that
// another text member holds at that point of the loading.
struct Default {
  Default(int value) : number(value) {}
  Default(bool value) : number(value ? 1 : 0) {}
  Default(const char* value) : text(value) {}
  static Default value_of(TextMember member);

  int number = 0;
  const char* text = "";
  const char* value_of_chars = nullptr;
  int value_of_size = 0;
};

// One key of the file, declared once: where it is, how it is stored, the member of the
// record that holds it, its default, how it is read and written, and its place in the write
// order (from 1; 0 for a key that is never written). The table lists the keys in load order.
struct KeyEntry {
  std::string_view section;
  std::string_view key;
  Type type;
  std::variant<int*, bool*, TextMember> member;
  Default fallback;
  LoadRule load;
  WriteRule write;
  int write_place;
  // The member's address, whatever its type.
  const void* held() const;
};

// Every key of the file with the members of `settings`, in load order.
std::vector<KeyEntry> key_table(Settings& settings);
// The keys that are read, in load order; the keys that are written, in write order.
std::vector<KeyEntry> load_order(Settings& settings);
std::vector<KeyEntry> write_order(Settings& settings);

// Sets the given members (addresses of members of `settings`, for a text its field's
// characters) to what loading gives for a missing key: the Defaults of the pages.
void reset_to_defaults(Settings& settings, std::initializer_list<const void*> members);

// "B01" to "B25" for slots 1 to 25; empty for any other slot.
std::string_view toolbox_key(int slot);

// The default text of a load entry as it stands now.
std::string default_text(const Default& fallback);

}  // namespace catalogue
}  // namespace tav
