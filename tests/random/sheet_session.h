#pragma once

// Two sheets on one platform: the test acts on the first as a user and, after every action,
// checks the sheet against the test's own reading of its controls; the second sheet is never
// touched and must stay as it opened.

#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"
#include "random/control_reading.h"
#include "random/expected_situation.h"
#include "random/user_action.h"

#include <cstddef>
#include <optional>
#include <string>

namespace random_test {

class Findings;

class SheetSession {
public:
    SheetSession() = default;
    SheetSession(const SheetSession&) = delete;
    SheetSession& operator=(const SheetSession&) = delete;

    // Performs the action on the first sheet; what is wrong afterwards, or "" when nothing is.
    std::string perform(const UserAction& action);
    // The checks at the end of a run; what is wrong, or "".
    std::string finish() const;

private:
    // What the platform saw, to tell which action reached it.
    struct Outside {
        std::size_t messages;
        std::optional<std::string> clipboard;
        int clipboardCalls;
        int sheetsOpened;
    };
    Outside outside() const;

    void record(const UserAction& action, const ControlReading& before);
    void checkAction(const UserAction& action, const ControlReading& before,
                     const ControlReading& after, const Outside& was, Findings& findings) const;
    void checkClick(const UserAction& action, const ControlReading& before,
                    const ControlReading& after, Findings& findings) const;
    void checkOption(const UserAction& action, const ControlReading& before,
                     const ControlReading& after, Findings& findings) const;
    void checkTyping(const UserAction& action, const ControlReading& before,
                     const ControlReading& after, Findings& findings) const;
    void checkPick(const UserAction& action, const ControlReading& before,
                   const ControlReading& after, Findings& findings) const;
    void checkCommand(const UserAction& action, const ControlReading& before,
                      const ControlReading& after, const Outside& was, Findings& findings) const;
    void checkCalculate(const ControlReading& before, const ControlReading& after,
                        const Outside& was, Findings& findings) const;
    void checkClear(const ControlReading& before, const ControlReading& after,
                    Findings& findings) const;
    void checkWeaponRows(const ControlReading& before, const ControlReading& after,
                         Findings& findings) const;
    void checkInvariants(const ControlReading& after, Findings& findings) const;
    void checkOtherSheet(Findings& findings) const;

    FakePlatform fake_;
    CombatSheet sheet_{fake_.services};
    CombatSheet other_{fake_.services};
    ControlReading otherAtStart_{other_};
    SheetHistory history_;
    long performed_ = 0;
};

} // namespace random_test
