#pragma once
namespace tav {
// Makes the text helpers convert letter case with the system's conversion of the current
// ANSI code page.
void install_system_case_mappers();
}  // namespace tav
