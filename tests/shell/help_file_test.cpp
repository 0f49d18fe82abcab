// The help file of the demo installation, as the help viewer sees it: a compiled help file
// with the pages of every tab and sub-dialog in English and German, every link and picture
// leading to a part of the file, and every caption a page quotes being a caption of the
// program's own templates in the page's language.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cwctype>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "resources/resource_reader.h"
#include "shell/help_file.h"

namespace tav {
namespace {

const char* const kHelpFile = "T:\\taviro\\hilfen\\setup.chm";

struct Language {
  std::string folder;  // "/en/"
  LANGID id;
};
const Language kLanguages[] = {{"/en/", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)},
                               {"/de/", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)}};

std::wstring from_page(const std::string& bytes) {  // the pages are in the file's code page 1252
  std::wstring text(bytes.size(), L'\0');
  const int length = MultiByteToWideChar(1252, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                         static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::wstring normalized(std::wstring text) {  // blanks and line breaks collapsed, '&' accelerators dropped
  std::wstring result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
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

class HelpFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    file_ = new test::HelpFile(kHelpFile);
    pages_.clear();
    links_.clear();
    missing_.clear();
    if (!file_->opened()) return;
    // Every page reachable from the two start pages, the contents and the index.
    std::vector<std::string> queue = {"/en/index.html", "/de/index.html"};
    for (const char* navigation : {"/contents.hhc", "/index.hhk"}) {
      const std::string text = file_->read(navigation).value_or("");
      for (const std::string& local : matches(text, std::regex(R"(name="Local" value="([^"]*)\")"), 1))
        queue.push_back("/" + local);
    }
    while (!queue.empty()) {
      const std::string page = queue.back();
      queue.pop_back();
      if (pages_.count(page) || links_.count(page)) continue;
      const auto bytes = file_->read(page);
      if (!bytes) {
        missing_.insert(page);
        continue;
      }
      if (page.size() < 5 || page.substr(page.size() - 5) != ".html") {
        links_[page] = {};
        continue;
      }
      pages_[page] = *bytes;
      for (const std::string& link : matches(*bytes, std::regex(R"((href|src)="([^"]*)\")"), 2)) {
        const std::string target = resolve(page, link);
        links_[page].push_back(target.empty() ? "(outside the file) " + link : target);
        if (!target.empty()) queue.push_back(target);
      }
    }
  }
  static void TearDownTestSuite() {
    delete file_;
    file_ = nullptr;
  }

  static inline test::HelpFile* file_ = nullptr;
  static inline std::map<std::string, std::string> pages_;               // page -> bytes
  static inline std::map<std::string, std::vector<std::string>> links_;  // part -> parts it links to
  static inline std::set<std::string> missing_;                          // linked parts the file lacks
};

TEST_F(HelpFileTest, IsACompiledHelpFileThatOpensOnTheEnglishStartPage) {
  ASSERT_TRUE(test::has_compiled_help_header(kHelpFile)) << kHelpFile << " is missing or not a compiled help file";
  ASSERT_TRUE(file_->opened());
  EXPECT_EQ(file_->default_topic(), "en/index.html");
  EXPECT_TRUE(file_->read("/contents.hhc")) << "no contents";
  EXPECT_TRUE(file_->read("/index.hhk")) << "no index";
}

TEST_F(HelpFileTest, EveryLinkAndPictureLeadsToAPartOfTheFile) {
  ASSERT_TRUE(file_->opened());
  EXPECT_GE(pages_.size(), 2u);
  for (const std::string& part : missing_) ADD_FAILURE() << part << " is linked but not in the help file";
  for (const auto& [page, targets] : links_)
    for (const std::string& target : targets) EXPECT_NE(target.rfind("(outside", 0), 0u) << page << " links " << target;
}

TEST_F(HelpFileTest, EveryPageHasATitleTheStylesheetAndItsCodePage) {
  for (const auto& [page, bytes] : pages_) {
    EXPECT_TRUE(std::regex_search(bytes, std::regex("<title>[^<]+</title>"))) << page;
    EXPECT_NE(bytes.find("charset=windows-1252"), std::string::npos) << page;
    EXPECT_NE(bytes.find("href=\"../taviro.css\""), std::string::npos) << page;
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
  for (const auto& [page, bytes] : pages_) {
    EXPECT_EQ(matches(bytes, std::regex("<img "), 0).size(), matches(bytes, picture, 0).size())
        << page << " has a picture without its size";
    for (std::sregex_iterator it(bytes.begin(), bytes.end(), picture), end; it != end; ++it, ++pictures) {
      const std::string png = file_->read(resolve(page, (*it)[1])).value_or("");
      ASSERT_TRUE(png.size() > 24 && png.compare(1, 3, "PNG") == 0) << page << ": " << (*it)[1] << " is no PNG";
      EXPECT_EQ(big_endian(png, 16), std::stoul((*it)[2])) << page << ": width of " << (*it)[1];
      EXPECT_EQ(big_endian(png, 20), std::stoul((*it)[3])) << page << ": height of " << (*it)[1];
    }
  }
  EXPECT_GT(pictures, 0u);
}

// Each language has a page for the main dialog and for every page and sub-dialog (every
// dialog template of the program but the progress window), with the same pages in both
// languages; its pages link only among themselves, and to the same page in the other
// language.
TEST_F(HelpFileTest, EachLanguageDocumentsEveryDialogAndStaysInItsLanguage) {
  ASSERT_TRUE(file_->opened());
  std::map<std::string, std::set<std::string>> names;  // folder -> page names
  for (const Language& language : kLanguages) {
    std::set<int> documented;
    for (const auto& [page, bytes] : pages_) {
      if (page.rfind(language.folder, 0) != 0) continue;
      const std::string name = page.substr(language.folder.size());
      names[language.folder].insert(name);
      const auto ids = matches(bytes, std::regex(R"(<meta name="dialog" content="([0-9]+))"), 1);
      if (ids.empty())
        ADD_FAILURE() << page << " names no dialog";
      else
        documented.insert(std::stoi(ids[0]));
      EXPECT_NE(bytes.find(language.folder == "/en/" ? "lang=\"en\"" : "lang=\"de\""), std::string::npos) << page;
      const std::string other = language.folder == "/en/" ? "/de/" : "/en/";
      for (const std::string& target : links_[page]) {
        if (target.size() < 5 || target.substr(target.size() - 5) != ".html") continue;
        EXPECT_TRUE(target.rfind(language.folder, 0) == 0 || target == other + name) << page << " links " << target;
      }
    }
    for (const auto& [id, texts] : template_texts(language.id)) {
      if (id == IDD_PROGRESS) continue;
      EXPECT_TRUE(documented.count(id)) << "no page in " << language.folder << " documents dialog " << id;
    }
  }
  EXPECT_EQ(names["/en/"], names["/de/"]);
}

// The captions a page shows as the program's (class "ui") are texts of the templates that
// the page names, or of the main dialog, in the page's language. A page whose templates are
// not yet built with their controls is left out and named in the output.
TEST_F(HelpFileTest, QuotedCaptionsAreThoseOfTheTemplatesInThePagesLanguage) {
  ASSERT_TRUE(file_->opened());
  const std::regex caption(R"re(<span class="ui">([\s\S]*?)</span>)re");
  for (const Language& language : kLanguages) {
    const auto templates = template_texts(language.id);
    for (const auto& [page, bytes] : pages_) {
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
        const std::wstring text = normalized(decoded(from_page(quoted)));
        EXPECT_TRUE(allowed.count(text)) << page << " quotes \"" << quoted << "\", which its dialogs do not show";
      }
    }
  }
}

}  // namespace
}  // namespace tav
