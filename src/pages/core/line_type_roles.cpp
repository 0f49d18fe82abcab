#include "pages/core/line_type_roles.h"

namespace tav::line_types {

Roles::Roles(const Usages& read) : usages_(read) {
  for (const int role : kSingleRoles) {
    const std::vector<int> held_by = holders(role);
    for (std::size_t n = 0; n + 1 < held_by.size(); ++n) usages_[static_cast<std::size_t>(held_by[n])] = kAuxiliary;
  }
}

void Roles::choose(int list, int item) {
  if (list < 0 || list >= kSingleRoleLists || item < 0 || item >= kItems) return;
  const int role = kSingleRoles[static_cast<std::size_t>(list)];
  const int chosen = item == kNotSet ? 0 : item + 1;
  for (int t = kFirstOffered; t <= kLineTypes; ++t) {
    int& usage = usages_[static_cast<std::size_t>(t)];
    if (t == chosen) {
      usage = role;
    } else if (usage == role) {
      usage = kAuxiliary;
    }
  }
}

bool Roles::change(int line_type, int from, int to) {
  if (line_type < kFirstOffered || line_type > kLineTypes) return false;
  int& usage = usages_[static_cast<std::size_t>(line_type)];
  if (usage != from) return false;
  usage = to;
  return true;
}

bool Roles::make_marking(int line_type) { return change(line_type, kAuxiliary, kMarking); }
bool Roles::make_auxiliary(int line_type) { return change(line_type, kMarking, kAuxiliary); }

int Roles::selected_item(int list) const {
  if (list < 0 || list >= kSingleRoleLists) return kNotSet;
  const std::vector<int> held_by = holders(kSingleRoles[static_cast<std::size_t>(list)]);
  return held_by.empty() ? kNotSet : held_by.back() - 1;
}

std::vector<int> Roles::holders(int usage) const {
  std::vector<int> line_types;
  for (int t = kFirstOffered; t <= kLineTypes; ++t) {
    if (usages_[static_cast<std::size_t>(t)] == usage) line_types.push_back(t);
  }
  return line_types;
}

}  // namespace tav::line_types
