#pragma once
// The hem position of a pattern piece, as the rotation angles in degrees that the TAVIRO
// programs read from section SB4 of the lay-planning settings file: BAHN_ROT for the lay
// plan, KONSTR_ROT for the construction. The dialog holds them as real numbers and shows the
// position nearest to each.

namespace tav::hem {

// Before anything is read: hem at the start of the material, hem at the bottom.
inline constexpr double kInitialLayplanAngle = -90;
inline constexpr double kInitialConstructionAngle = 0;

enum class Layplan { start_of_material, end_of_material };  // BAHN_ROT -90, 90
enum class Construction { bottom, left, right };            // KONSTR_ROT 0, 90, -90

// The start of the material for an angle within one degree of -90, else the end.
Layplan layplan_position(double angle);
// Bottom within one degree of 0, left within one degree of 90, else right.
Construction construction_position(double angle);

int layplan_angle(Layplan position);
int construction_angle(Construction position);

}  // namespace tav::hem
