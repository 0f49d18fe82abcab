// The help files of the demo installation, as the help viewer sees them: compiled help files
// with the pages of every tab and sub-dialog in six languages (English, German and Finnish in
// setup.chm, Polish, Russian and Chinese each in a file of their own, every file in the code
// page of its languages), every link and picture leading to a part of its file, and every
// caption a page quotes being a caption of the program's own templates in the page's language.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cwctype>
#include <algorithm>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "resources/resource_reader.h"
#include "shell/help_file.h"

namespace tav {
namespace {

const char* const kHelpFolder = "T:\\taviro\\hilfen\\";

struct Language {
  std::string folder;  // "/en/"
  LANGID id;
  std::string file;  // the help file holding the language
  UINT code_page;    // of the file, in which its pages are written
  const char* charset;
};
const Language kLanguages[] = {
    {"/en/", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), "setup.chm", 1252, "windows-1252"},
    {"/de/", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), "setup.chm", 1252, "windows-1252"},
    {"/fi/", MAKELANGID(LANG_FINNISH, SUBLANG_DEFAULT), "setup.chm", 1252, "windows-1252"},
    {"/pl/", MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT), "setup_pl.chm", 1250, "windows-1250"},
    {"/ru/", MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), "setup_ru.chm", 1251, "windows-1251"},
    {"/zh/", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), "setup_zh.chm", 936, "gb2312"},
};

const Language& language_of(const std::string& page) {
  for (const Language& language : kLanguages)
    if (page.rfind(language.folder, 0) == 0) return language;
  return kLanguages[0];
}

std::wstring from_page(const std::string& bytes, UINT code_page) {
  std::wstring text(bytes.size(), L'\0');
  const int length = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                         static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// Blanks and line breaks collapsed, '&' accelerators dropped, and with them the Latin access
// keys in parentheses of the Chinese texts ("语言(&L)" is quoted as "语言").
std::wstring normalized(std::wstring text) {
  std::wstring result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'(' && i + 3 < text.size() && text[i + 1] == L'&' && text[i + 3] == L')') {
      i += 3;
      continue;
    }
    if (c == L'&' && i + 1 < text.size() && text[i + 1] != L'&') continue;
    if (c == L'&') ++i;
    if (iswspace(c)) {
      if (!result.empty() && result.back() != L' ') result += L' ';
    } else {
      result += c;
    }
  }
  while (!result.empty() && result.back() == L' ') result.pop_back();
  return result;
}

std::wstring decoded(std::wstring html) {
  const std::pair<const wchar_t*, const wchar_t*> entities[] = {
      {L"&lt;", L"<"}, {L"&gt;", L">"}, {L"&quot;", L"\""}, {L"&nbsp;", L" "}, {L"&amp;", L"&&"}};
  for (const auto& [entity, character] : entities)
    for (std::size_t at = html.find(entity); at != std::wstring::npos; at = html.find(entity, at + 1))
      html.replace(at, wcslen(entity), character);
  return html;
}

std::vector<std::string> matches(const std::string& text, const std::regex& pattern, int group) {
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
    found.push_back((*it)[group].str());
  return found;
}

// A link of a page resolved to a part of the file ("../images/x.png" on "/en/a.html" gives
// "/images/x.png"); empty for a link that leads out of the file.
std::string resolve(const std::string& page, std::string link) {
  link = link.substr(0, link.find('#'));
  if (link.empty() || link.find(':') != std::string::npos) return {};
  std::string folder = page.substr(0, page.rfind('/') + 1);
  while (link.rfind("../", 0) == 0) {
    link.erase(0, 3);
    folder = folder.substr(0, folder.rfind('/', folder.size() - 2) + 1);
  }
  return folder + link;
}

// The dialog templates of the program in one language: id -> caption and control texts.
std::map<int, std::vector<std::wstring>> template_texts(LANGID language) {
  std::map<int, std::vector<std::wstring>> texts;
  for (const auto& [id, languages] : test::all_templates()) {
    const auto form = languages.find(language);
    if (form == languages.end()) continue;
    texts[id].push_back(form->second.caption);
    for (const test::Control& control : form->second.controls) texts[id].push_back(control.text);
  }
  return texts;
}

// One help file read through: its pages and the parts they link to.
struct Crawl {
  std::unique_ptr<test::HelpFile> file;
  std::map<std::string, std::string> pages;               // page -> bytes
  std::map<std::string, std::vector<std::string>> links;  // part -> parts it links to
  std::set<std::string> missing;                          // linked parts the file lacks
};

// The contents and index of a help file: "setup_pl.chm" has "/contents_pl.hhc" and "/index_pl.hhk".
std::vector<std::string> navigation_of(const std::string& file) {
  const std::string suffix = file.substr(5, file.size() - 9);  // "_pl" of "setup_pl.chm"
  return {"/contents" + suffix + ".hhc", "/index" + suffix + ".hhk"};
}

class HelpFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    files_.clear();
    for (const Language& language : kLanguages) {
      Crawl& crawl = files_[language.file];
      if (!crawl.file) crawl.file = std::make_unique<test::HelpFile>(kHelpFolder + language.file);
      if (crawl.file->opened()) read_from(crawl, language.folder + "index.html");
    }
  }
  static void TearDownTestSuite() { files_.clear(); }

  // Every page reachable from the start page, the contents and the index.
  static void read_from(Crawl& crawl, const std::string& start) {
    std::vector<std::string> queue = {start};
    for (const std::string& navigation : navigation_of(crawl.file->name())) {
      const std::string text = crawl.file->read(navigation).value_or("");
      for (const std::string& local : matches(text, std::regex(R"(name="Local" value="([^"]*)\")"), 1))
        queue.push_back("/" + local);
    }
    while (!queue.empty()) {
      const std::string page = queue.back();
      queue.pop_back();
      if (crawl.pages.count(page) || crawl.links.count(page)) continue;
      const auto bytes = crawl.file->read(page);
      if (!bytes) {
        crawl.missing.insert(page);
        continue;
      }
      if (page.size() < 5 || page.substr(page.size() - 5) != ".html") {
        crawl.links[page] = {};
        continue;
      }
      crawl.pages[page] = *bytes;
      for (const std::string& link : matches(*bytes, std::regex(R"((href|src)="([^"]*)\")"), 2)) {
        const std::string target = resolve(page, link);
        crawl.links[page].push_back(target.empty() ? "(outside the file) " + link : target);
        if (!target.empty()) queue.push_back(target);
      }
    }
  }

  static inline std::map<std::string, Crawl> files_;  // file name -> what it holds
};

// Each file opens on the start page of its first language and carries its contents and index.
TEST_F(HelpFileTest, EachFileIsCompiledHelpThatOpensOnItsStartPage) {
  ASSERT_EQ(files_.size(), 4u);
  for (const auto& [name, crawl] : files_) {
    ASSERT_TRUE(test::has_compiled_help_header(kHelpFolder + name)) << name << " is missing or not compiled help";
    ASSERT_TRUE(crawl.file->opened()) << name;
    const Language& first =
        *std::find_if(std::begin(kLanguages), std::end(kLanguages), [&](const Language& l) { return l.file == name; });
    EXPECT_EQ("/" + crawl.file->default_topic(), first.folder + "index.html") << name;
    for (const std::string& navigation : navigation_of(name))
      EXPECT_TRUE(crawl.file->read(navigation)) << name << navigation;
  }
}

TEST_F(HelpFileTest, EveryLinkAndPictureLeadsToAPartOfTheFile) {
  for (const auto& [name, crawl] : files_) {
    EXPECT_GE(crawl.pages.size(), 17u) << name;
    for (const std::string& part : crawl.missing) ADD_FAILURE() << part << " is linked but not in " << name;
    for (const auto& [page, targets] : crawl.links)
      for (const std::string& target : targets)
        EXPECT_NE(target.rfind("(outside", 0), 0u) << name << page << " links " << target;
  }
}

TEST_F(HelpFileTest, EveryPageHasATitleTheStylesheetAndItsCodePage) {
  for (const auto& [name, crawl] : files_) {
    for (const auto& [page, bytes] : crawl.pages) {
      EXPECT_TRUE(std::regex_search(bytes, std::regex("<title>[^<]+</title>"))) << page;
      EXPECT_NE(bytes.find(std::string("charset=") + language_of(page).charset), std::string::npos) << page;
      EXPECT_NE(bytes.find("href=\"../taviro.css\""), std::string::npos) << page;
    }
  }
}

// A picture is a PNG shown at its own size, so that screenshots stay sharp.
TEST_F(HelpFileTest, PicturesAreShownAtTheirOwnSize) {
  const std::regex picture(R"re(<img src="([^"]*)" width="([0-9]+)"\s+height="([0-9]+)")re");
  const auto big_endian = [](const std::string& bytes, std::size_t at) {
    unsigned long value = 0;
    for (std::size_t i = at; i < at + 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
  };
  std::size_t pictures = 0;
  for (const auto& [name, crawl] : files_)
    for (const auto& [page, bytes] : crawl.pages) {
      EXPECT_EQ(matches(bytes, std::regex("<img "), 0).size(), matches(bytes, picture, 0).size())
          << page << " has a picture without its size";
      for (std::sregex_iterator it(bytes.begin(), bytes.end(), picture), end; it != end; ++it, ++pictures) {
        const std::string png = crawl.file->read(resolve(page, (*it)[1])).value_or("");
        ASSERT_TRUE(png.size() > 24 && png.compare(1, 3, "PNG") == 0) << page << ": " << (*it)[1] << " is no PNG";
        EXPECT_EQ(big_endian(png, 16), std::stoul((*it)[2])) << page << ": width of " << (*it)[1];
        EXPECT_EQ(big_endian(png, 20), std::stoul((*it)[3])) << page << ": height of " << (*it)[1];
      }
    }
  EXPECT_GT(pictures, 0u);
}

// Each language has a page for the main dialog and for every page and sub-dialog (every
// dialog template of the program but the progress window), with the same pages in all six
// languages; its pages link only among themselves, and to the same page in the other
// languages of its file.
TEST_F(HelpFileTest, EachLanguageDocumentsEveryDialogAndStaysInItsLanguage) {
  std::map<std::string, std::set<std::string>> names;  // folder -> page names
  for (const Language& language : kLanguages) {
    std::set<int> documented;
    for (const auto& [page, bytes] : files_[language.file].pages) {
      if (page.rfind(language.folder, 0) != 0) continue;
      const std::string name = page.substr(language.folder.size());
      names[language.folder].insert(name);
      const auto ids = matches(bytes, std::regex(R"(<meta name="dialog" content="([0-9]+))"), 1);
      if (ids.empty())
        ADD_FAILURE() << page << " names no dialog";
      else
        documented.insert(std::stoi(ids[0]));
      const std::string code = language.folder.substr(1, 2);
      EXPECT_NE(bytes.find("lang=\"" + code + "\""), std::string::npos) << page;
      for (const std::string& target : files_[language.file].links[page]) {
        if (target.size() < 5 || target.substr(target.size() - 5) != ".html") continue;
        const bool same_page_other_language = target.size() == name.size() + 4 && target.substr(4) == name;
        EXPECT_TRUE(target.rfind(language.folder, 0) == 0 || same_page_other_language) << page << " links " << target;
      }
    }
    for (const auto& [id, texts] : template_texts(language.id)) {
      if (id == IDD_PROGRESS) continue;
      EXPECT_TRUE(documented.count(id)) << "no page in " << language.folder << " documents dialog " << id;
    }
  }
  for (const Language& language : kLanguages) EXPECT_EQ(names[language.folder], names["/en/"]) << language.folder;
}

// The captions a page shows as the program's (class "ui") are texts of the templates that
// the page names, or of the main dialog, in the page's language. A page whose templates are
// not yet built with their controls is left out and named in the output.
TEST_F(HelpFileTest, QuotedCaptionsAreThoseOfTheTemplatesInThePagesLanguage) {
  const std::regex caption(R"re(<span class="ui">([\s\S]*?)</span>)re");
  for (const Language& language : kLanguages) {
    const auto templates = template_texts(language.id);
    for (const auto& [page, bytes] : files_[language.file].pages) {
      if (page.rfind(language.folder, 0) != 0) continue;
      std::set<std::wstring> allowed;
      std::vector<int> ids = {IDD_MAIN};
      const auto named = matches(bytes, std::regex(R"(<meta name="dialog" content="([0-9 ]+)\")"), 1);
      for (std::size_t at = 0, next; !named.empty() && at < named[0].size(); at = next + 1) {
        next = named[0].find(' ', at);
        if (next == std::string::npos) next = named[0].size();
        ids.push_back(std::stoi(named[0].substr(at, next - at)));
      }
      bool complete = true;
      for (int id : ids) {
        const auto found = templates.find(id);
        if (found == templates.end() || found->second.size() < 2)
          complete = false;
        else
          for (const std::wstring& text : found->second) allowed.insert(normalized(text));
      }
      if (!complete) {
        std::printf("captions of %s not checked: one of its dialogs has no controls yet\n", page.c_str());
        continue;
      }
      for (const std::string& quoted : matches(bytes, caption, 1)) {
        const std::wstring text = normalized(decoded(from_page(quoted, language.code_page)));
        EXPECT_TRUE(allowed.count(text)) << page << " quotes \"" << quoted << "\", which its dialogs do not show";
      }
    }
  }
}

}  // namespace
}  // namespace tav
