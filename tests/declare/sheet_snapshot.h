#pragma once

// Every value of a combat sheet, control by control, under the control's name, so that
// two sheets, or one sheet before and after an operation, can be compared as a whole.

#include <map>
#include <string>
#include <string_view>

class CombatSheet;

namespace declare_test {

using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const CombatSheet& sheet);

// The snapshot without the entries whose names begin with the prefix.
Snapshot without(Snapshot values, std::string_view prefix);

} // namespace declare_test
