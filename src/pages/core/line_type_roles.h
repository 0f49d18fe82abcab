#pragma once
// The roles of the six line types in the line types dialog.
//
// Every line type has a usage: the role in which the drawing programs use it. The roles grain
// line, annotation line, split line and cut internal line are single roles, each chosen in a
// drop-down list and held by at most one of line types 2 to 6; any number of line types can
// be marking lines or auxiliary lines, shown in two list boxes. Line type 1 is not offered:
// its usage is kept as it was read. A line type with a usage outside 1 to 6 is shown in no
// list and keeps that usage unless the user picks it for a single role.

#include <array>
#include <vector>

namespace tav::line_types {

inline constexpr int kLineTypes = 6;
inline constexpr int kFirstOffered = 2;  // line types 2 to 6 are offered

// Usage codes as stored in lintypes.ini.
inline constexpr int kGrain = 1;
inline constexpr int kAnnotation = 2;
inline constexpr int kMarking = 3;
inline constexpr int kAuxiliary = 4;
inline constexpr int kSplit = 5;
inline constexpr int kCutInternal = 6;
inline constexpr int kDefaultUsage = kAuxiliary;

// The drop-down lists of the single roles, and the role each one chooses.
inline constexpr int kSingleRoleLists = 4;
inline constexpr std::array<int, kSingleRoleLists> kSingleRoles = {kGrain, kAnnotation, kSplit, kCutInternal};

// Every drop-down list holds the same items: item 0 "not set", then item i for line type
// i + 1 (items 1 to 5).
inline constexpr int kItems = kLineTypes;
inline constexpr int kNotSet = 0;

// Usages of line types 1 to 6 at indices 1 to 6; index 0 carries no meaning.
using Usages = std::array<int, kLineTypes + 1>;

class Roles {
 public:
  // The usages as read. Where a file gives one single role to several of line types 2 to 6,
  // the last of them holds it and the others become auxiliary lines, so that the dialog
  // shows every line type in the role OK will write.
  explicit Roles(const Usages& read);

  // The user picked `item` in the drop-down list `list` (0 to 3): the line type of that item
  // takes the list's role (leaving any other single role it held without holder), and the
  // previous holder of the role becomes an auxiliary line. "Not set" only frees the role.
  // An item or list outside the ranges changes nothing.
  void choose(int list, int item);

  // "<" and ">": an auxiliary line becomes a marking line, or the other way round. false
  // (and no change) unless line_type is one of 2 to 6 and holds the other of the two usages.
  bool make_marking(int line_type);
  bool make_auxiliary(int line_type);

  // What OK writes, line type 1 included.
  const Usages& usages() const { return usages_; }
  // The item a drop-down list shows: its role's holder, or "not set".
  int selected_item(int list) const;
  // Line types 2 to 6 that hold usage, in their order.
  std::vector<int> holders(int usage) const;

 private:
  bool change(int line_type, int from, int to);
  Usages usages_;
};

}  // namespace tav::line_types
