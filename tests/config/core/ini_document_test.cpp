#include "config/core/ini_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tav {
namespace {

std::string value_of(const IniDocument& doc, std::string_view section, std::string_view key) {
  std::optional<std::string_view> value = doc.find(section, key);
  return value ? std::string(*value) : std::string("<missing>");
}

std::string after_set(std::string bytes, std::string_view section, std::string_view key, std::string_view value) {
  IniDocument doc(std::move(bytes));
  EXPECT_TRUE(doc.set(section, key, value));
  return doc.bytes();
}

TEST(IniDocumentRead, NamesIgnoreCaseAndBlanks) {
  IniDocument doc(
      "[Screen]\r\n  WidthMM \t=\v 300 \f\r\n\x1A"
      "HIGHTMM=220\x1A\r\n[ path ]\r\nDRIVES=CDE\r\n");
  EXPECT_EQ(value_of(doc, "SCREEN", "WIDTHMM"), "300");
  EXPECT_EQ(value_of(doc, "screen", "widthmm"), "300");
  EXPECT_EQ(value_of(doc, " SCREEN\t", " HIGHTMM "), "220");
  EXPECT_EQ(value_of(doc, "PATH", "drives"), "CDE");
  EXPECT_EQ(value_of(doc, "PATH", "WIDTHMM"), "<missing>");
  EXPECT_EQ(value_of(doc, "OPTIONS", "DRIVES"), "<missing>");
  // Case folding is ASCII only: other bytes must match exactly.
  IniDocument high("[S]\r\n\xC4=1\r\n");
  EXPECT_EQ(value_of(high, "s", "\xC4"), "1");
  EXPECT_EQ(value_of(high, "s", "\xE4"), "<missing>");
}

TEST(IniDocumentRead, FirstSectionAndKeyWinAndDuplicatesAreNotSearched) {
  IniDocument doc("[s]\na=1\nA=2\n[t]\nb=9\n[S]\na=3\nc=4\n");
  EXPECT_EQ(value_of(doc, "s", "a"), "1");
  // The platform does not look into a later section of the same name.
  EXPECT_EQ(value_of(doc, "s", "c"), "<missing>");
  EXPECT_EQ(value_of(doc, "t", "b"), "9");
}

TEST(IniDocumentRead, ValuesKeepQuotesAndInnerText) {
  IniDocument doc("[s]\r\nq=\"a;b\"\r\nsingle='x'\r\neq=b=c\r\nempty=\r\nblank=   \r\ninner = a  b \r\n");
  EXPECT_EQ(value_of(doc, "s", "q"), "\"a;b\"");
  EXPECT_EQ(value_of(doc, "s", "single"), "'x'");
  EXPECT_EQ(value_of(doc, "s", "eq"), "b=c");
  EXPECT_EQ(value_of(doc, "s", "empty"), "");
  EXPECT_EQ(value_of(doc, "s", "blank"), "");
  EXPECT_EQ(value_of(doc, "s", "inner"), "a  b");
}

TEST(IniDocumentRead, KeyWithoutEqualsReadsMissingAndHidesLaterKey) {
  IniDocument doc("[s]\r\nc\r\nc=late\r\nkey only\r\n");
  EXPECT_EQ(value_of(doc, "s", "c"), "<missing>");
  EXPECT_EQ(value_of(doc, "s", "key only"), "<missing>");
}

TEST(IniDocumentRead, SectionLines) {
  IniDocument doc("[a]b]x\r\nk=1\r\n \t[c] ; note\r\nk=2\r\n[v\r\nk=3\r\n[[f]\r\nk=4\r\n[]\r\nk=5\r\n");
  EXPECT_EQ(value_of(doc, "a]b", "k"), "1");  // the name ends at the last ']'
  EXPECT_EQ(value_of(doc, "a", "k"), "<missing>");
  EXPECT_EQ(value_of(doc, "c", "k"), "2");
  EXPECT_EQ(value_of(doc, "v", "k"), "<missing>");  // no ']': a key line of section c
  EXPECT_EQ(value_of(doc, "c", "[v"), "<missing>");
  EXPECT_EQ(value_of(doc, "[f", "k"), "4");
  // "[]" repeats the section without a name (the lines before the first section).
  EXPECT_EQ(value_of(doc, "", "k"), "<missing>");
}

TEST(IniDocumentRead, LinesBeforeTheFirstSection) {
  IniDocument doc("x=1\r\n[s]\r\ny=2\r\n");
  EXPECT_EQ(value_of(doc, "", "x"), "1");
  EXPECT_EQ(value_of(doc, "  ", "x"), "1");
  EXPECT_EQ(value_of(doc, "s", "x"), "<missing>");
  EXPECT_EQ(value_of(doc, "", "y"), "<missing>");
}

TEST(IniDocumentRead, CommentLinesNeverMatch) {
  IniDocument doc("[s]\r\n;a=1\r\n  ;b=2\r\n#c=3\r\na=4\r\n");
  EXPECT_EQ(value_of(doc, "s", "a"), "4");
  EXPECT_EQ(value_of(doc, "s", ";a"), "<missing>");
  EXPECT_EQ(value_of(doc, "s", "b"), "<missing>");
  EXPECT_EQ(value_of(doc, "s", "#c"), "3");  // only ';' starts a comment
}

TEST(IniDocumentRead, AllLineEndings) {
  for (std::string end : {"\r\n", "\n", "\r"}) {
    IniDocument doc("[s]" + end + "a=1" + end + end + "[t]" + end + "b=2");
    EXPECT_EQ(value_of(doc, "s", "a"), "1");
    EXPECT_EQ(value_of(doc, "t", "b"), "2") << "no line break after the last line";
  }
  IniDocument mixed("[s]\na=1\r\nb=2\rc=3\n\r\nd=4");
  EXPECT_EQ(value_of(mixed, "s", "b"), "2");
  EXPECT_EQ(value_of(mixed, "s", "c"), "3");
  EXPECT_EQ(value_of(mixed, "s", "d"), "4");
}

TEST(IniDocumentRead, ByteOrderMarkBinaryBytesAndNul) {
  IniDocument bom("\xEF\xBB\xBF[s]\r\na=1\r\n");
  EXPECT_EQ(value_of(bom, "s", "a"), "1");
  const char raw[] = "[s]\r\na=x\0y\r\nb=\xFF\x80\x01\xA0\r\nc=\0\r\nd=2\r\n";
  IniDocument binary(std::string(raw, sizeof raw - 1));
  EXPECT_EQ(value_of(binary, "s", "a"), "x");  // read up to the first NUL, as the platform does
  EXPECT_EQ(value_of(binary, "s", "b"), "\xFF\x80\x01\xA0");
  EXPECT_EQ(value_of(binary, "s", "c"), "");
  EXPECT_EQ(value_of(binary, "s", "d"), "2");  // the NUL does not end the file
  EXPECT_EQ(value_of(IniDocument(""), "s", "a"), "<missing>");
}

TEST(IniDocumentRead, VeryLongLines) {
  std::string long_value(100000, 'v');
  IniDocument doc("[s]\r\na=" + long_value + "\r\n" + std::string(100000, ' ') + "b=2\r\n");
  EXPECT_EQ(value_of(doc, "s", "a"), long_value);
  EXPECT_EQ(value_of(doc, "s", "b"), "2");
}

// A file read in parts: every answer given as settled on the first bytes is the answer of
// the whole file, and once the rest is appended, reads and writes are those of the whole
// file, whatever look-ups indexed the part before.
TEST(IniDocumentRead, FileReadInPartsAnswersAsTheWholeFile) {
  const std::vector<std::string> files = {
      "x=0\r\n[s]\r\na=1\r\nA=2\r\n[t]\r\nb=9\r\n[S]\r\na=3\r\nc=4\r\n",
      "\xEF\xBB\xBF[s]\ra=1\r[t]\rb=2\r\n[u]\nc=3",
      "; note\n[s]\n\n  [t] x\nb\nb=2\n[u]\n[s]\na=5\n[v]\r\nd=4\r\n\r\n",
  };
  const std::pair<const char*, const char*> keys[] = {{"", "x"},  {"s", "a"}, {"s", "c"}, {"t", "b"},
                                                      {"u", "c"}, {"v", "d"}, {"w", "e"}, {"S", "A"}};
  for (const std::string& file : files) {
    const IniDocument whole(file);
    for (std::size_t cut = 0; cut <= file.size(); ++cut) {
      SCOPED_TRACE(file.substr(0, cut));
      IniDocument part(file.substr(0, cut));
      for (const auto& [section, key] : keys) {
        const IniDocument::Lookup lookup = part.find_settled(section, key);
        if (lookup.settled) {
          EXPECT_EQ(lookup.value, whole.find(section, key)) << section << "/" << key;
        }
      }
      part.append(file.substr(cut));
      for (const auto& [section, key] : keys) EXPECT_EQ(part.find(section, key), whole.find(section, key));
      for (const auto& [section, key] : keys) {
        IniDocument written = part;
        ASSERT_TRUE(written.set(section, key, "new"));
        EXPECT_EQ(written.bytes(), after_set(file, section, key, "new"));
        EXPECT_EQ(value_of(written, section, key), "new");
      }
    }
  }
}

TEST(IniDocumentWrite, ReplacesTheValueInPlace) {
  EXPECT_EQ(after_set("[s]\nWidthMM = 300 \n;x\r\nb=2", "S", "WIDTHMM", "310"), "[s]\nWidthMM = 310 \n;x\r\nb=2");
  EXPECT_EQ(after_set("[s]\r\na=old\r\n", "s", "a", ""), "[s]\r\na=\r\n");
  EXPECT_EQ(after_set("[s]\r\na=   \r\n", "s", "a", "1"), "[s]\r\na=1   \r\n");
  EXPECT_EQ(after_set("[s]\ra=1\rb=2", "s", "b", "\"q;x\""), "[s]\ra=1\rb=\"q;x\"");
  // The bytes after a NUL belong to the old value and go with it.
  EXPECT_EQ(after_set(std::string("[s]\r\na=x\0yz\r\n", 13), "s", "a", "new"), "[s]\r\na=new\r\n");
  // A duplicate key or section keeps its value.
  EXPECT_EQ(after_set("[s]\na=1\na=2\n[s]\na=3\n", "s", "a", "9"), "[s]\na=9\na=2\n[s]\na=3\n");
}

TEST(IniDocumentWrite, KeyWithoutEqualsGetsOne) {
  IniDocument doc("[s]\r\nc  \r\nc=late\r\n");
  ASSERT_TRUE(doc.set("s", "C", "now"));
  EXPECT_EQ(doc.bytes(), "[s]\r\nc=now  \r\nc=late\r\n");
  EXPECT_EQ(value_of(doc, "s", "c"), "now");
}

TEST(IniDocumentWrite, NewKeyAfterTheLastNonBlankLineOfItsSection) {
  EXPECT_EQ(after_set("[a]\nx=1\n\n\n[b]\ny=2\n", "a", "z", "3"), "[a]\nx=1\nz=3\r\n\n\n[b]\ny=2\n");
  EXPECT_EQ(after_set("[a]\r\nx=1\r\n; note\r\n\r\n[b]\r\n", "A", "z", "3"),
            "[a]\r\nx=1\r\n; note\r\nz=3\r\n\r\n[b]\r\n");
  EXPECT_EQ(after_set("[a]\n\n[b]\n", "a", "z", "3"), "[a]\nz=3\r\n\n[b]\n");
  EXPECT_EQ(after_set("[a]\nx=1", "a", "z", "3"), "[a]\nx=1\r\nz=3\r\n");
  EXPECT_EQ(after_set("[a]", "a", "z", "3"), "[a]\r\nz=3\r\n");
  EXPECT_EQ(after_set("[a]\r\n[a]\r\n", "a", "z", "3"), "[a]\r\nz=3\r\n[a]\r\n");
  // The section without a name starts the file, after a byte order mark.
  EXPECT_EQ(after_set("\xEF\xBB\xBF[a]\r\n", "", "z", "3"), "\xEF\xBB\xBFz=3\r\n[a]\r\n");
  EXPECT_EQ(after_set("x=1\n[a]\n", "", "z", "3"), "x=1\nz=3\r\n[a]\n");
}

TEST(IniDocumentWrite, NewSectionAtTheEnd) {
  EXPECT_EQ(after_set("", "OPTIONS", "BAKMAX", "1"), "[OPTIONS]\r\nBAKMAX=1\r\n");
  EXPECT_EQ(after_set("[a]\nx=1\n", "b", "y", "2"), "[a]\nx=1\n[b]\r\ny=2\r\n");
  EXPECT_EQ(after_set("[a]\nx=1", "b", "y", "2"), "[a]\nx=1\r\n[b]\r\ny=2\r\n");
  EXPECT_EQ(after_set("[a]\rx=1\r", "b", "y", "2"), "[a]\rx=1\r[b]\r\ny=2\r\n");
  EXPECT_EQ(after_set("\xEF\xBB\xBF", "b", "y", "2"), "\xEF\xBB\xBF[b]\r\ny=2\r\n");
  EXPECT_EQ(after_set("x", " b ", " y ", " 2"), "x\r\n[b]\r\ny= 2\r\n");
}

TEST(IniDocumentWrite, ValuesCannotStartNewLines) {
  IniDocument doc("[s]\r\na=1\r\n");
  ASSERT_TRUE(doc.set("s", "a", "x\r\n[t]\r\nb=2"));
  EXPECT_EQ(doc.bytes(), "[s]\r\na=x\r\n");
  ASSERT_TRUE(doc.set("s", "a", std::string_view("y\0z", 3)));
  EXPECT_EQ(doc.bytes(), "[s]\r\na=y\r\n");
}

TEST(IniDocumentWrite, RefusesNamesThatCannotBeReadBack) {
  const std::string start = "[s]\r\na=1\r\n";
  IniDocument doc(start);
  for (std::string_view key : {std::string_view(""), std::string_view("  "), std::string_view(";a"),
                               std::string_view("[a]"), std::string_view("a=b"), std::string_view("a\nb"),
                               std::string_view("a\0b", 3), std::string_view("\xEF\xBB\xBFkey")}) {
    EXPECT_FALSE(doc.set("s", key, "v")) << key;
  }
  EXPECT_FALSE(doc.set("s\r\n[t", "a", "v"));
  EXPECT_FALSE(doc.set(std::string_view("s\0", 2), "a", "v"));
  EXPECT_EQ(doc.bytes(), start);
  // Any other name reads back, however odd.
  for (std::string_view section : {"x]y", "[f", ";s", "a b"}) {
    ASSERT_TRUE(doc.set(section, "k#!", "v")) << section;
    EXPECT_EQ(value_of(doc, section, "k#!"), "v") << section;
  }
}

// Writes random keys into random documents and checks that each write changes one stretch of
// bytes, that the key reads back and that no other key's value changes.
TEST(IniDocumentWrite, RandomWritesChangeOnlyTheirKey) {
  std::uint32_t seed = 12345;
  auto next = [&seed](std::uint32_t n) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % n;
  };
  const std::vector<std::string> names = {"a", "B", "ab", "Key", "", "x y"};
  const std::vector<std::string> pieces = {"[a]",  "[B]", "[ab]", "[]",    "a=1",   "B = 2 ", "ab=\"q\"",  "key",
                                           ";a=c", "",    "  ",   "[x y]", "x y=3", "[v",     "a=\x01\xFF"};
  const std::vector<std::string> ends = {"\r\n", "\n", "\r", ""};
  for (int round = 0; round < 400; ++round) {
    std::string text = next(4) == 0 ? "\xEF\xBB\xBF" : "";
    for (std::uint32_t i = 0, n = next(12); i < n; ++i) {
      std::string end = ends[next(3)];
      text += pieces[next(static_cast<std::uint32_t>(pieces.size()))] + end;
    }
    if (next(2) == 0) text += pieces[next(static_cast<std::uint32_t>(pieces.size()))];
    IniDocument doc(text);
    for (int step = 0; step < 5; ++step) {
      std::string section = names[next(static_cast<std::uint32_t>(names.size()))];
      std::string key = names[next(static_cast<std::uint32_t>(names.size()) - 2)];
      std::string value = std::string("v") + std::to_string(next(100));
      std::vector<std::string> before;
      for (const std::string& s : names) {
        for (const std::string& k : names) before.push_back(value_of(doc, s, k));
      }
      const std::string old_bytes = doc.bytes();
      ASSERT_TRUE(doc.set(section, key, value));
      const std::string& new_bytes = doc.bytes();
      std::size_t head = 0;
      while (head < old_bytes.size() && head < new_bytes.size() && old_bytes[head] == new_bytes[head]) ++head;
      std::size_t tail = 0;
      while (tail < old_bytes.size() - head && tail < new_bytes.size() - head &&
             old_bytes[old_bytes.size() - 1 - tail] == new_bytes[new_bytes.size() - 1 - tail]) {
        ++tail;
      }
      // The write removed no line break: every other line stays as it was.
      std::string removed = old_bytes.substr(head, old_bytes.size() - head - tail);
      EXPECT_EQ(removed.find_first_of("\r\n"), std::string::npos) << old_bytes;
      EXPECT_EQ(value_of(doc, section, key), value) << old_bytes;
      std::size_t i = 0;
      for (const std::string& s : names) {
        for (const std::string& k : names) {
          // The names differ from each other also without regard to case.
          if (s != section || k != key) {
            EXPECT_EQ(value_of(doc, s, k), before[i]) << "[" << s << "] " << k << " in\n" << old_bytes;
          }
          ++i;
        }
      }
    }
  }
}

// A toolbox slot written as "AB  " used to gain two blanks on every OK. Whatever the value,
// writing it twice leaves the bytes of the first write, and writing back what a read
// returns changes nothing.
TEST(IniDocumentWrite, RoundTripsReachAFixedPointWithTheFirstWrite) {
  const std::vector<std::string> documents = {"", "[TOOLBOX2]\r\nB02=AB\r\n", "[TOOLBOX2]\nB02 = AB  \n[X]\n",
                                              "[toolbox2]\rB02=\x1A\r", "B02=x\r\n[TOOLBOX2]\r\nB02"};
  const std::vector<std::string> values = {"AB  ", "  AB", "AB\x1A", "A B", "", "    ", "\t", "AB", "x\x1Ay  "};
  for (const std::string& document : documents) {
    for (const std::string& value : values) {
      IniDocument doc(document);
      ASSERT_TRUE(doc.set("TOOLBOX2", "B02", value));
      const std::string first = doc.bytes();
      ASSERT_TRUE(doc.set("TOOLBOX2", "B02", value));
      EXPECT_EQ(doc.bytes(), first) << '"' << value << "\" in " << document;
      const std::string read = value_of(doc, "TOOLBOX2", "B02");
      ASSERT_TRUE(doc.set("toolbox2", "b02", read));
      EXPECT_EQ(doc.bytes(), first) << '"' << value << "\" in " << document;
    }
  }
}

}  // namespace
}  // namespace tav
