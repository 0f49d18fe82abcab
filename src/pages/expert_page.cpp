#include "pages/expert_page.h"

#include "config/core/key_catalogue.h"
#include "config/settings.h"
#include "controls/controls.h"
#include "controls/tooltips.h"
#include "resources/ids.h"

namespace tav {
namespace {

// One row per check box, in the page's order: construction (OPTIONS), then lay planning
// (MARKER). The two "Background image" boxes are separate options of the two programs.
struct ExpertBox {
  int id;
  bool OptionsSettings::*option;
  bool MarkerSettings::*marker;
};
const ExpertBox kBoxes[] = {
    {IDX_EXPERT_GRDTAB_SUBPATH, &OptionsSettings::enable_grdtab_subpath, nullptr},
    {IDX_EXPERT_GRDTAB_ALTREF, &OptionsSettings::enable_grdtab_altref, nullptr},
    {IDX_EXPERT_GRDTAB_ZGON, &OptionsSettings::enable_grdtab_zgon, nullptr},
    {IDX_EXPERT_GRDTAB_PWD, &OptionsSettings::enable_grdtab_pwd, nullptr},
    {IDX_EXPERT_GRDTAB_MEMMAP, &OptionsSettings::enable_grdtab_memmap, nullptr},
    {IDX_EXPERT_EXTDXVAL, &OptionsSettings::enable_extdxval, nullptr},
    {IDX_EXPERT_DUPLICTREE, &OptionsSettings::duplictree, nullptr},
    {IDX_EXPERT_SWITCH_SEAMADDITION, &OptionsSettings::switch_seamaddition, nullptr},
    {IDX_EXPERT_CONSTRUCTION_BG_PIC, &OptionsSettings::enable_bg_pic, nullptr},
    {IDX_EXPERT_SYMBLEN, &OptionsSettings::enable_symblen, nullptr},
    {IDX_EXPERT_BDL_FLIP, nullptr, &MarkerSettings::enable_bdl_flip},
    {IDX_EXPERT_ENH_REPEAT, nullptr, &MarkerSettings::enable_enh_repeat},
    {IDX_EXPERT_LAYPLANNING_BG_PIC, nullptr, &MarkerSettings::enable_bg_pic},
    {IDX_EXPERT_PMD_SZOPT, nullptr, &MarkerSettings::enable_pmd_szopt},
    {IDX_EXPERT_SHRINK_ASST, nullptr, &MarkerSettings::enable_shrink_asst},
};

bool& flag_of(const ExpertBox& box) {
  Settings& s = settings();
  return box.option ? s.options.*box.option : s.marker.*box.marker;
}

void show_flags(HWND page) {
  for (const ExpertBox& box : kBoxes) controls::check(page, box.id, flag_of(box));
}

}  // namespace

BOOL expert_page_open(HWND page, const InstalledVersion& /*installed_version*/) {
  show_flags(page);
  controls::attach_tooltips(page, {{IDX_EXPERT_EXTDXVAL, IDS_TIP_EXPERT_EXTDXVAL},
                                   {IDX_EXPERT_CONSTRUCTION_BG_PIC, IDS_TIP_EXPERT_CONSTRUCTION_BG_PIC},
                                   {IDX_EXPERT_LAYPLANNING_BG_PIC, IDS_TIP_EXPERT_LAYPLANNING_BG_PIC}});
  return TRUE;  // the dialog manager sets the focus
}

void expert_page_close(HWND page) {
  for (const ExpertBox& box : kBoxes) flag_of(box) = controls::is_checked(page, box.id);
}

void expert_page_defaults(HWND page) {
  for (const ExpertBox& box : kBoxes) catalogue::reset_to_defaults(settings(), {&flag_of(box)});
  show_flags(page);
}

}  // namespace tav
