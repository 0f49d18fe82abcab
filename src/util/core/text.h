#pragma once
// Operations on the program's fixed-size, blank-padded text fields. Every field is passed
// with its declared length; a terminator is the character code 0. Positions are 1-based,
// as the stored files and the other TAVIRO programs count them.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace tav {

// Position of the last character that is neither a blank nor a terminator; 0 when none.
int significant_length(const char* field, int length);
// Position of the first terminator minus one; the declared length when there is none.
int terminated_length(const char* field, int declared_length);
// Keeps every character that is neither blank nor terminator, packed from the start, and
// fills the rest with blanks. Answers the number of characters kept.
int squeeze(char* field, int length);
// Moves the stretch between the first and last non-blank character to position 1 and
// answers its length (0 for a blank field). Characters after it stay as they were.
int trim(char* field, int length);
// First / last occurrence (1-based) of pattern in text, 0 when absent.
int find_text(const char* text, int text_length, const char* pattern, int pattern_length);
int find_last_text(const char* text, int text_length, const char* pattern, int pattern_length);
// Position of the n-th backslash, from the start for n > 0, from the end for n < 0.
int nth_backslash(const char* path, int n, int length);
// True when the first count characters agree without regard to case.
bool same_text(const char* first, const char* second, int count);
// Upper / lower case of the first count characters, in the current code page.
void to_upper_case(char* field, int count);
void to_lower_case(char* field, int count);
// Resolves a relative path (given up to its terminator) against the folder of a base path.
// Writes the terminated result into result (at most result_size - 1 characters) and
// answers its length.
int resolve_relative_path(const char* base, int base_size, const char* relative, int relative_size, char* result,
                          int result_size);

// Tells whether a byte starts a two-byte character of the current code page; nullptr for a
// code page of single bytes only.
using LeadBytePredicate = bool (*)(unsigned char byte);
// The first `limit` bytes of text, or fewer so that no two-byte character is split.
std::string_view cut_characters(std::string_view text, std::size_t limit, LeadBytePredicate is_lead_byte);

// Case conversion of the current code page. The Windows layer installs the system's
// conversion at start-up; the default covers ASCII and the Western European code page.
using CaseMapper = void (*)(char* text, int count);
void set_case_mappers(CaseMapper upper, CaseMapper lower);

// A text field of N characters, blank-padded, with one spare byte so that a terminated
// copy always fits.
template <std::size_t N>
class Field {
 public:
  Field() { clear(); }
  explicit Field(std::string_view text) { assign(text); }

  static constexpr int size() { return static_cast<int>(N); }
  char* data() { return chars_; }
  const char* data() const { return chars_; }
  char& operator[](std::size_t i) { return chars_[i]; }
  char operator[](std::size_t i) const { return chars_[i]; }

  void clear() {
    std::memset(chars_, ' ', N);
    chars_[N] = '\0';
  }
  // Copies at most N characters of text and blank-fills the rest; a longer text is cut.
  void assign(std::string_view text) {
    clear();
    std::memcpy(chars_, text.data(), text.size() < N ? text.size() : N);
  }
  int significant_length() const { return tav::significant_length(chars_, size()); }
  int terminated_length() const { return tav::terminated_length(chars_, size()); }
  // The text up to its significant length.
  std::string str() const { return std::string(chars_, static_cast<std::size_t>(significant_length())); }
  // The whole field, blanks included (up to N characters).
  std::string_view raw() const { return std::string_view(chars_, N); }

  friend bool operator==(const Field& a, const Field& b) { return std::memcmp(a.chars_, b.chars_, N) == 0; }

 private:
  char chars_[N + 1];
};

}  // namespace tav
