#pragma once

// Every control and form-level value of one sheet read as text, in a fixed order, so that
// two readings can be compared entry by entry and the differences named.

#include <string>
#include <string_view>
#include <vector>

class CombatSheet;

namespace random_test {

class ControlReading {
public:
    explicit ControlReading(const CombatSheet& sheet);

    // The value read under the name ("toHit[3]", "situation.aMoveMod", "Setup.visible").
    const std::string& operator[](std::string_view name) const;
    // The names whose values differ between the two readings.
    std::vector<std::string> differences(const ControlReading& other) const;
    bool operator==(const ControlReading& other) const { return values_ == other.values_; }

private:
    std::vector<std::string> values_;
};

} // namespace random_test
