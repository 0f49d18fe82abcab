#include "util/case_mapping.h"

#include <windows.h>

#include "util/core/text.h"

namespace tav {
namespace {
void system_upper(char* text, int count) { CharUpperBuffA(text, static_cast<DWORD>(count)); }
void system_lower(char* text, int count) { CharLowerBuffA(text, static_cast<DWORD>(count)); }
}  // namespace

void install_system_case_mappers() { set_case_mappers(system_upper, system_lower); }

}  // namespace tav
