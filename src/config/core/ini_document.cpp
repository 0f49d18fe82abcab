#include "config/core/ini_document.h"

#include <cstddef>

namespace tav {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLineBreak = "\r\n";

// One line of the document: content [begin, end), the next line starts at next.
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
  bool has_break() const { return next != end; }
};

// Splits the text into lines at CR LF, LF or a lone CR.
class LineReader {
 public:
  LineReader(std::string_view text, std::size_t start) : text_(text), pos_(start) {}
  bool next(Line& line) {
    if (pos_ >= text_.size()) return false;
    line.begin = pos_;
    std::size_t i = pos_;
    while (i < text_.size() && text_[i] != '\n' && text_[i] != '\r') ++i;
    line.end = i;
    if (i < text_.size()) {
      i += (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ? 2 : 1;
    }
    line.next = pos_ = i;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_;
};

enum class Kind { blank, comment, section, key };

struct ParsedLine {
  Kind kind = Kind::blank;
  std::string_view name;        // compared form: trimmed, cut at its first NUL
  bool has_value = false;       // key line with '='
  std::size_t name_end = 0;     // key line: end of the trimmed name in the document
  std::size_t value_begin = 0;  // key line with '=': the trimmed value in the document
  std::size_t value_end = 0;
};

std::string_view cut_at_nul(std::string_view text) {
  std::size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

std::string_view trim(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && is_ini_blank(text[b])) ++b;
  while (e > b && is_ini_blank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

// The form in which the system compares a name handed to it: up to the first NUL, trimmed.
std::string_view requested_name(std::string_view name) { return trim(cut_at_nul(name)); }

char fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

ParsedLine parse_line(std::string_view text, const Line& line) {
  ParsedLine parsed;
  std::size_t b = line.begin;
  std::size_t e = line.end;
  while (b < e && is_ini_blank(text[b])) ++b;
  while (e > b && is_ini_blank(text[e - 1])) --e;
  if (b == e) return parsed;
  if (text[b] == ';') {
    parsed.kind = Kind::comment;
    return parsed;
  }
  if (text[b] == '[') {
    for (std::size_t r = e - 1; r > b; --r) {
      if (text[r] == ']') {
        parsed.kind = Kind::section;
        parsed.name = cut_at_nul(trim(text.substr(b + 1, r - b - 1)));
        return parsed;
      }
    }
    // No closing bracket: the system reads the line as a key, and so do we.
  }
  parsed.kind = Kind::key;
  std::size_t equals = text.substr(b, e - b).find('=');
  std::size_t name_end = equals == std::string_view::npos ? e : b + equals;
  while (name_end > b && is_ini_blank(text[name_end - 1])) --name_end;
  parsed.name_end = name_end;
  parsed.name = cut_at_nul(text.substr(b, name_end - b));
  if (equals != std::string_view::npos) {
    parsed.has_value = true;
    std::size_t vb = b + equals + 1;
    while (vb < e && is_ini_blank(text[vb])) ++vb;
    parsed.value_begin = vb < e ? vb : b + equals + 1;
    parsed.value_end = vb < e ? e : parsed.value_begin;
  }
  return parsed;
}

std::size_t mark_length(std::string_view text) {
  return text.substr(0, kUtf8Mark.size()) == kUtf8Mark ? kUtf8Mark.size() : 0;
}

// Where a key is, or where it would go.
struct Place {
  bool section_found = false;
  bool key_found = false;
  ParsedLine key;
  std::size_t insert_at = 0;        // a new key line goes here
  bool insert_needs_break = false;  // the line before insert_at has no line break
  bool key_line_ends = false;       // the key's line has its line break
};

// Scans the lines [body_begin, body_end) of a section for the key.
Place locate_in(std::string_view text, std::size_t body_begin, std::size_t body_end, std::string_view key,
                Place place) {
  LineReader reader(text.substr(0, body_end), body_begin);
  Line line;
  while (reader.next(line)) {
    ParsedLine parsed = parse_line(text, line);
    if (parsed.kind == Kind::blank) continue;
    place.insert_at = line.next;
    place.insert_needs_break = !line.has_break();
    if (parsed.kind == Kind::key && same_name(parsed.name, key)) {
      place.key_found = true;
      place.key = parsed;
      place.key_line_ends = line.has_break();
      return place;
    }
  }
  return place;
}

bool holds_line_end_or_nul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// A name in the form in which names are compared: ASCII letters in upper case.
std::string folded(std::string_view name) {
  std::string result(name);
  for (char& c : result) c = fold(c);
  return result;
}

}  // namespace

bool is_ini_blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A'; }

bool IniDocument::index_next() const {
  const std::string_view text = bytes_;
  std::size_t pos = scanned_ == 0 ? mark_length(text) : scanned_;
  const std::size_t size = text.size();
  while (pos < size) {
    // Only a line whose first non-blank character is '[' can be a section line; the others
    // are passed over without being taken apart.
    std::size_t first = pos;
    while (first < size && is_ini_blank(text[first])) ++first;
    const char* p = text.data() + first;
    const char* const stop = text.data() + size;
    while (p != stop && *p != '\n' && *p != '\r') ++p;
    const std::size_t end = static_cast<std::size_t>(p - text.data());
    Line line{pos, end, end};
    if (end < size) line.next = end + ((text[end] == '\r' && end + 1 < size && text[end + 1] == '\n') ? 2 : 1);
    pos = line.next;
    if (first < size && text[first] == '[') {
      const ParsedLine parsed = parse_line(text, line);
      if (parsed.kind == Kind::section) {
        sections_.push_back({folded(parsed.name), line.begin, line.next, line.has_break()});
        scanned_ = pos;
        return true;
      }
    }
  }
  scanned_ = size;
  return false;
}

void IniDocument::append(std::string_view more) {
  if (more.empty()) return;
  // A last line without its line break goes on in the new bytes: it is indexed again.
  if (!bytes_.empty() && bytes_.back() != '\n' && scanned_ >= bytes_.size()) {
    const std::size_t search_end = bytes_.back() == '\r' ? bytes_.size() - 1 : bytes_.size();
    const std::size_t previous = search_end == 0 ? std::string::npos : bytes_.find_last_of("\r\n", search_end - 1);
    const std::size_t last_line = previous == std::string::npos ? 0 : previous + 1;
    while (!sections_.empty() && sections_.back().begin >= last_line) sections_.pop_back();
    scanned_ = last_line;
  }
  bytes_.append(more);
}

void IniDocument::moved(std::size_t at, std::size_t removed, std::size_t inserted) {
  for (SectionLine& line : sections_) {
    if (line.begin < at) continue;
    line.begin = line.begin - removed + inserted;
    line.body = line.body - removed + inserted;
  }
  if (scanned_ >= at && scanned_ != 0) scanned_ = scanned_ - removed + inserted;
}

// Lines before the first section line form the section without a name; of sections with
// the same name only the first is searched.
IniDocument::Body IniDocument::body_of(std::string_view section) const {
  Body body;
  std::size_t i = 0;
  if (section.empty()) {
    body.found = true;
    body.begin = mark_length(bytes_);
  } else {
    const std::string name = folded(section);
    for (;; ++i) {
      if (i == sections_.size() && !index_next()) return body;
      if (sections_[i].name == name) break;
    }
    body.found = true;
    body.begin = sections_[i].body;
    body.needs_break = !sections_[i].has_break;
    ++i;
  }
  body.ended = i < sections_.size() || index_next();
  body.end = body.ended ? sections_[i].begin : bytes_.size();
  return body;
}

std::optional<std::string_view> IniDocument::find(std::string_view section, std::string_view key) const {
  return find_settled(section, key).value;
}

IniDocument::Lookup IniDocument::find_settled(std::string_view section, std::string_view key) const {
  const std::string_view text = bytes_;
  const Body body = body_of(requested_name(section));
  Lookup lookup;
  if (!body.found) return lookup;
  Place place;
  place.section_found = true;
  place = locate_in(text, body.begin, body.end, requested_name(key), place);
  // A key line without its line break may go on in the bytes that follow.
  lookup.settled = (place.key_found && place.key_line_ends) || (!place.key_found && body.ended);
  if (place.key_found && place.key.has_value) {
    lookup.value = cut_at_nul(text.substr(place.key.value_begin, place.key.value_end - place.key.value_begin));
  }
  return lookup;
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  if (holds_line_end_or_nul(section) || holds_line_end_or_nul(key)) return false;
  section = trim(section);
  key = trim(key);
  if (key.empty() || key.front() == ';' || key.front() == '[' || key.find('=') != std::string_view::npos) return false;
  // At the start of a file the key would read as a byte order mark.
  if (key.substr(0, kUtf8Mark.size()) == kUtf8Mark) return false;
  std::size_t line_end = value.find_first_of(std::string_view("\r\n\0", 3));
  if (line_end != std::string_view::npos) value = value.substr(0, line_end);

  const Body body = body_of(section);
  Place place;
  if (body.found) {
    place.section_found = true;
    place.insert_at = body.begin;
    place.insert_needs_break = body.needs_break;
    place = locate_in(bytes_, body.begin, body.end, key, place);
  }
  if (place.key_found) {
    if (place.key.has_value) {
      const std::size_t begin = place.key.value_begin;
      const std::size_t length = place.key.value_end - begin;
      // Writing back what a read gives changes nothing: blanks around a value are not part
      // of it, so a value written with them would otherwise gain them again on every write.
      if (cut_at_nul(std::string_view(bytes_).substr(begin, length)) == trim(value)) return true;
      bytes_.replace(begin, length, value);
      moved(begin, length, value.size());
    } else {
      std::string assignment = "=";
      assignment += value;
      bytes_.insert(place.key.name_end, assignment);
      moved(place.key.name_end, 0, assignment.size());
    }
    return true;
  }
  std::string added;
  bool new_section = false;
  if (!place.section_found) {
    if (bytes_.size() > mark_length(bytes_) && bytes_.back() != '\n' && bytes_.back() != '\r') added += kLineBreak;
    place.insert_at = bytes_.size() + added.size();  // where the section line will begin
    added += '[';
    added += section;
    added += ']';
    added += kLineBreak;
    new_section = true;
  } else if (place.insert_needs_break) {
    added += kLineBreak;
  }
  const std::size_t section_line = place.insert_at;
  if (new_section) place.insert_at = bytes_.size();
  added += key;
  added += '=';
  added += value;
  added += kLineBreak;
  bytes_.insert(place.insert_at, added);
  if (new_section) {
    // The whole document was searched for the section: the index is complete.
    sections_.push_back({folded(section), section_line, section_line + section.size() + 4, true});
    scanned_ = bytes_.size();
  } else {
    moved(place.insert_at, 0, added.size());
  }
  return true;
}

}  // namespace tav
