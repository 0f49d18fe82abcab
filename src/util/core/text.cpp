#include "util/core/text.h"

#include <new>
#include <vector>

#include "util/core/error_report.h"

namespace tav {
namespace {

unsigned char upper_cp1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A:
      return 0x8A;  // s caron
    case 0x9C:
      return 0x8C;  // oe
    case 0x9E:
      return 0x8E;  // z caron
    case 0xFF:
      return 0x9F;  // y diaeresis
    default:
      return c;
  }
}
unsigned char lower_cp1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:
      return 0x9A;
    case 0x8C:
      return 0x9C;
    case 0x8E:
      return 0x9E;
    case 0x9F:
      return 0xFF;
    default:
      return c;
  }
}
void default_upper(char* text, int count) {
  for (int i = 0; i < count; ++i) text[i] = static_cast<char>(upper_cp1252(static_cast<unsigned char>(text[i])));
}
void default_lower(char* text, int count) {
  for (int i = 0; i < count; ++i) text[i] = static_cast<char>(lower_cp1252(static_cast<unsigned char>(text[i])));
}

CaseMapper g_upper = default_upper;
CaseMapper g_lower = default_lower;

void convert_case(char* field, int count, CaseMapper mapper, const char* tag) {
  if (count < 0) {
    report_length_cut(tag);
    report_length_cut("convert_case");
    return;
  }
  if (count == 0) return;
  // The conversion works on a terminated copy, as the system's conversion expects one.
  std::vector<char> work;
  try {
    work.assign(field, field + count);
    work.push_back('\0');
  } catch (const std::bad_alloc&) {
    report_bad_argument("convert_case-1");
    return;
  }
  mapper(work.data(), count);
  std::memcpy(field, work.data(), static_cast<std::size_t>(count));
}

int clamp_search_length(int length, const char* tag) {
  if (length < 0) {
    report_length_cut(tag);
    return 0;
  }
  return length;
}

}  // namespace

void set_case_mappers(CaseMapper upper, CaseMapper lower) {
  g_upper = upper ? upper : default_upper;
  g_lower = lower ? lower : default_lower;
}

int significant_length(const char* field, int length) {
  for (int i = length; i > 0; --i) {
    if (field[i - 1] != ' ' && field[i - 1] != '\0') return i;
  }
  return 0;
}

int terminated_length(const char* field, int declared_length) {
  for (int i = 0; i < declared_length; ++i) {
    if (field[i] == '\0') return i;
  }
  return declared_length < 0 ? 0 : declared_length;
}

int squeeze(char* field, int length) {
  int kept = 0;
  for (int i = 0; i < length; ++i) {
    if (field[i] != ' ' && field[i] != '\0') field[kept++] = field[i];
  }
  for (int i = kept; i < length; ++i) field[i] = ' ';
  return kept;
}

int trim(char* field, int length) {
  int first = 0;
  while (first < length && field[first] == ' ') ++first;
  if (first >= length) return 0;  // a blank field, or a length of 0 or less
  int last = length - 1;
  while (field[last] == ' ') --last;
  const int n = last - first + 1;
  if (first > 0) std::memmove(field, field + first, static_cast<std::size_t>(n));
  return n;
}

int find_text(const char* text, int text_length, const char* pattern, int pattern_length) {
  text_length = clamp_search_length(text_length, "find_text");
  pattern_length = clamp_search_length(pattern_length, "find_text");
  if (text_length == 0 || pattern_length == 0) return 0;
  for (int i = 0; i + pattern_length <= text_length; ++i) {
    if (std::memcmp(text + i, pattern, static_cast<std::size_t>(pattern_length)) == 0) return i + 1;
  }
  return 0;
}

int find_last_text(const char* text, int text_length, const char* pattern, int pattern_length) {
  text_length = clamp_search_length(text_length, "find_last_text");
  pattern_length = clamp_search_length(pattern_length, "find_last_text");
  if (text_length == 0 || pattern_length == 0) return 0;
  for (int i = text_length - pattern_length; i >= 0; --i) {
    if (std::memcmp(text + i, pattern, static_cast<std::size_t>(pattern_length)) == 0) return i + 1;
  }
  return 0;
}

int nth_backslash(const char* path, int n, int length) {
  if (n == 0) {
    report_bad_argument("nth_backslash");
    return 0;
  }
  int count = 0;
  if (n > 0) {
    for (int i = 1; i <= length; ++i) {
      if (path[i - 1] == '\\' && ++count == n) return i;
    }
  } else {
    for (int i = length; i >= 1; --i) {
      if (path[i - 1] == '\\' && --count == n) return i;
    }
  }
  return 0;
}

bool same_text(const char* first, const char* second, int count) {
  for (int i = 0; i < count; ++i) {
    if (first[i] == second[i]) continue;
    char a = first[i], b = second[i];
    to_lower_case(&a, 1);
    to_lower_case(&b, 1);
    if (a != b) return false;
  }
  return true;
}

std::string_view cut_characters(std::string_view text, std::size_t limit, LeadBytePredicate is_lead_byte) {
  std::size_t cut = 0;
  while (cut < text.size()) {
    const std::size_t width = is_lead_byte && is_lead_byte(static_cast<unsigned char>(text[cut])) ? 2 : 1;
    if (cut + width > limit) break;
    cut += width;
  }
  return text.substr(0, cut < text.size() ? cut : text.size());
}

void to_upper_case(char* field, int count) { convert_case(field, count, g_upper, "to_upper_case"); }
void to_lower_case(char* field, int count) { convert_case(field, count, g_lower, "to_lower_case"); }

namespace {

// Removes "\.\" steps: a\.\b becomes a\b.
void remove_dot_steps(std::string& path) {
  for (;;) {
    if (path.size() < 3) return;
    const std::size_t at = path.find("\\.\\");
    if (at == std::string::npos || at + 3 > path.size()) return;
    const std::size_t before = path.size();
    path.erase(at + 1, 2);
    if (before < 5) return;
  }
}

// Removes "\..\" steps together with the component in front: a\b\..\c becomes a\c.
void remove_parent_steps(std::string& path) {
  if (path.size() < 4) return;
  for (;;) {
    const std::size_t at = path.find("\\..\\");
    if (at == std::string::npos) return;
    const std::size_t front = at == 0 ? std::string::npos : path.rfind('\\', at - 1);
    const std::string rest = path.substr(at + 4);
    path = (front == std::string::npos) ? rest : path.substr(0, front + 1) + rest;
    if (path.size() < 4) return;
  }
}

}  // namespace

int resolve_relative_path(const char* base, int base_size, const char* relative, int relative_size, char* result,
                          int result_size) {
  if (result_size <= 0) return 0;
  const int r = terminated_length(relative, relative_size);
  std::string rel(relative, static_cast<std::size_t>(r));
  std::string out;
  const bool usable = r + 1 < 3 || rel[0] == '\\' || (rel.size() >= 3 && rel[1] == ':' && rel[2] == '\\');
  if (usable) {
    out = rel;
  } else {
    const int b = terminated_length(base, base_size);
    const std::string_view base_text(base, static_cast<std::size_t>(b));
    const std::size_t slash = base_text.rfind('\\');
    if (slash != std::string_view::npos) out.assign(base_text.substr(0, slash + 1));
    out += rel;
    remove_dot_steps(out);
    remove_parent_steps(out);
  }
  if (static_cast<int>(out.size()) > result_size - 1) out.resize(static_cast<std::size_t>(result_size - 1));
  std::memcpy(result, out.data(), out.size());
  result[out.size()] = '\0';
  return static_cast<int>(out.size());
}

}  // namespace tav
