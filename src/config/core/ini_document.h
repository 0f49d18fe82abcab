#pragma once
// An INI file held as its exact bytes. Reading follows what the other TAVIRO programs see
// through the system's profile functions; writing changes only the bytes of the one value
// (or adds one line, or one section) and keeps every other byte, line endings included.
//
// Reading rules:
// - Lines end with CR LF, LF or a lone CR; the last line may lack its line break.
// - A UTF-8 byte order mark at the start is skipped when reading and kept when writing.
// - Blanks are space, tab, vertical tab, form feed and the end-of-file mark 0x1A; they are
//   trimmed around section names, key names and values.
// - A section line starts (after blanks) with '[' and contains a ']'; the name lies between
//   the '[' and the last ']' of the line. Text after that ']' is ignored.
// - Lines before the first section line form a section without a name: section "" finds
//   them, and a later "[]" is a duplicate of it.
// - A line whose first non-blank character is ';' is a comment and never a key. (The
//   system's functions would read it as a key whose name starts with ';'; no caller asks
//   for such names.)
// - Every other non-blank line is a key line: the name is the text before the first '=',
//   the value the text after it. A line without '=' is a key without a value: it reads as
//   missing and, as on the system, hides a later line with the same name.
// - Section and key names are compared without regard to ASCII case. The first matching
//   section and, within it, the first matching key win; a later duplicate section is not
//   searched.
// - Names and values end at their first NUL byte, as the system sees them; the bytes after
//   it stay in the file. Enclosing quotes are part of the value.
// - Bytes are taken as they are: no code-page conversion.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string bytes) : bytes_(std::move(bytes)) {}

  const std::string& bytes() const { return bytes_; }

  // The value of the key, or nothing when the section or key is missing or the key line
  // has no '='. The view points into the document and is valid until the next change.
  std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

  // Sets the key's value. An existing value is replaced in place (the line keeps its key
  // spelling, blanks and line ending); a key without '=' gets one; a new key goes after
  // the last non-blank line of its section; a new section goes at the end. New lines end
  // with CR LF. The value is stored up to its first CR, LF or NUL, so that it cannot start
  // a new line. Returns false, changing nothing, for names that cannot be stored and read
  // back: a key that is empty, starts with ';', '[' or a UTF-8 byte order mark, or holds
  // '=', CR, LF or NUL; a section that holds CR, LF or NUL.
  // Writing the value that find() returns, with or without blanks around it, changes no
  // byte, so a load-write round trip reaches a fixed point with the first write.
  bool set(std::string_view section, std::string_view key, std::string_view value);

  // find() on a document that may hold only the first lines of a file (see append): with
  // `settled` the answer stays the same whatever bytes follow, because the key's line was
  // found whole or its section ends at a later section line. A missing section is never
  // settled.
  struct Lookup {
    std::optional<std::string_view> value;
    bool settled = false;
  };
  Lookup find_settled(std::string_view section, std::string_view key) const;

  // Adds bytes at the end: the file read so far grows by its next part. Keeps the index.
  void append(std::string_view more);

  // A section line of the document: its name (ASCII letters in upper case), where the line
  // begins and where the section's first line after it begins. The document indexes its
  // section lines as far as a look-up needs them, from the top, and set() keeps the index up
  // to date, so a key is found by reading the lines down to its own section only, however
  // large the rest of the file is.
  struct SectionLine {
    std::string name;
    std::size_t begin;
    std::size_t body;
    bool has_break;
  };

 private:
  // Where the lines of a section lie: [begin, end), the line before begin lacking its line
  // break or not, and whether end is where a later section line begins (or the end of
  // the bytes).
  struct Body {
    bool found = false;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool needs_break = false;
    bool ended = false;
  };
  Body body_of(std::string_view section) const;
  // Indexes the next section line; false when no section line follows.
  bool index_next() const;
  // Moves the indexed section lines at or after `at` by a change of the bytes there.
  void moved(std::size_t at, std::size_t removed, std::size_t inserted);

  std::string bytes_;
  mutable std::vector<SectionLine> sections_;
  mutable std::size_t scanned_ = 0;  // the lines before this position are indexed
};

// Blank characters for the trimming of names and values.
bool is_ini_blank(char c);

}  // namespace tav
