#include "shell/page_table.h"

#include <array>

#include "resources/ids.h"

namespace tav {
namespace {

// Page code, template, open, command, notification, close, defaults, open sets focus.
std::array<PageEntry, 9> g_pages = {{
    {kPageScreen, IDD_PAGE_SCREEN, nullptr, nullptr, nullptr, nullptr, nullptr, false},
    {kPageDrives, IDD_PAGE_DRIVES, nullptr, nullptr, nullptr, nullptr, nullptr, false},
    {kPagePlotter, IDD_PAGE_PLOTTER, nullptr, nullptr, nullptr, nullptr, nullptr, false},
    {kPageOptions, IDD_PAGE_OPTIONS, nullptr, nullptr, nullptr, nullptr, nullptr, false},
    {kPageDigitizer, IDD_PAGE_DIGITIZER, nullptr, nullptr, nullptr, nullptr, nullptr, false},
    {kPageLayplanning, IDD_PAGE_LAYPLANNING, nullptr, nullptr, nullptr, nullptr, nullptr, false},
    {kPageToolbox, IDD_PAGE_TOOLBOX, nullptr, nullptr, nullptr, nullptr, nullptr, false},
    {kPageLanguage, IDD_PAGE_LANGUAGE, nullptr, nullptr, nullptr, nullptr, nullptr, true},
    {kPageExpert, IDD_PAGE_EXPERT, nullptr, nullptr, nullptr, nullptr, nullptr, true},
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

}  // namespace

std::span<PageEntry> page_entries() { return g_pages; }

PageEntry* find_page(int code) {
  for (auto& page : g_pages) {
    if (page.code == code) return &page;
  }
  return nullptr;
}

std::span<const TabEntry> tab_entries() { return kTabs; }
std::span<const int> command_chain() { return kCommandChain; }
std::span<const int> notification_chain() { return kNotificationChain; }

}  // namespace tav
