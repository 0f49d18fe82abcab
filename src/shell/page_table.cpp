#include "shell/page_table.h"
#include "shell/page_table_override.h"

#include <array>

#include "folders/drives_page.h"
#include "language/language_page.h"
#include "pages/layplanning_page.h"
#include "pages/toolbox_page.h"
#include "plotter/plotter_page.h"
#include "pages/digitizer_page.h"
#include "pages/expert_page.h"
#include "pages/options_page.h"
#include "pages/screen_page.h"
#include "resources/ids.h"

namespace tav {
namespace {

// Page code, template, open, command, notification, close, defaults, open sets focus.
constexpr std::array<PageEntry, 9> kPages = {{
    {kPageScreen, IDD_PAGE_SCREEN, screen_page_open, screen_page_command, nullptr, screen_page_close,
     screen_page_defaults, false},
    {kPageDrives, IDD_PAGE_DRIVES, drives_page_open, drives_page_command, nullptr, drives_page_close, nullptr, false},
    {kPagePlotter, IDD_PAGE_PLOTTER, plotter_page_open, plotter_page_command, plotter_page_notify, plotter_page_close,
     nullptr, false},
    {kPageOptions, IDD_PAGE_OPTIONS, options_page_open, options_page_command, options_page_notify, options_page_close,
     options_page_defaults, false},
    {kPageDigitizer, IDD_PAGE_DIGITIZER, digitizer_page_open, nullptr, nullptr, digitizer_page_close,
     digitizer_page_defaults, false},
    {kPageLayplanning, IDD_PAGE_LAYPLANNING, layplanning_page_open, layplanning_page_command, nullptr,
     layplanning_page_close, nullptr, false},
    {kPageToolbox, IDD_PAGE_TOOLBOX, toolbox_page_open, toolbox_page_command, nullptr, toolbox_page_close, nullptr,
     false},
    {kPageLanguage, IDD_PAGE_LANGUAGE, language_page_open, language_page_command, nullptr, language_page_close,
     language_page_defaults, true},
    {kPageExpert, IDD_PAGE_EXPERT, expert_page_open, nullptr, nullptr, expert_page_close, expert_page_defaults, true},
}};

constexpr std::array<TabEntry, 9> kTabs = {{
    {IDT_MAIN_TITLE_SCREEN, kPageScreen, true},
    {IDT_MAIN_TITLE_DRIVES, kPageDrives, false},
    {IDT_MAIN_TITLE_PLOTTER, kPagePlotter, false},
    {IDT_MAIN_TITLE_DIGITIZER, kPageDigitizer, true},
    {IDT_MAIN_TITLE_LAYPLANNING, kPageLayplanning, false},
    {IDT_MAIN_TITLE_TOOLBOX, kPageToolbox, false},
    {IDT_MAIN_TITLE_LANGUAGE, kPageLanguage, true},
    {IDT_MAIN_TITLE_OPTIONS, kPageOptions, true},
    {IDT_MAIN_TITLE_EXPERT, kPageExpert, true},
}};

constexpr std::array<int, 7> kCommandChain = {kPageScreen,      kPageDrives,  kPagePlotter, kPageOptions,
                                              kPageLayplanning, kPageToolbox, kPageLanguage};
constexpr std::array<int, 2> kNotificationChain = {kPagePlotter, kPageOptions};

// The table in use: kPages, unless a ScopedPageTable stands in for it.
std::span<const PageEntry> g_pages = kPages;

}  // namespace

std::span<const PageEntry> page_entries() { return g_pages; }

const PageEntry* find_page(int code) {
  for (const PageEntry& page : g_pages) {
    if (page.code == code) return &page;
  }
  return nullptr;
}

std::span<const TabEntry> tab_entries() { return kTabs; }
std::span<const int> command_chain() { return kCommandChain; }
std::span<const int> notification_chain() { return kNotificationChain; }

ScopedPageTable::ScopedPageTable(std::span<const PageEntry> pages) : previous_(g_pages) { g_pages = pages; }
ScopedPageTable::~ScopedPageTable() { g_pages = previous_; }

}  // namespace tav
