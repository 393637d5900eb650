#pragma once

// How old a sheet's results are. Calculate writes the to-hit numbers and the total heat, and
// Declare the declaration, from what the sheet holds at that moment, and nothing works them out
// again until the user asks: a tick, a weapon or a situation changed since leaves numbers of a
// situation that no longer holds. Each result remembers what it was worked out from, and is
// stale for as long as the sheet holds something else.

#include "app/situation_modifiers.h"

#include <optional>
#include <string>
#include <vector>

class ResultsAge {
public:
    // None: the sheet shows no such result; Fresh: it holds for the sheet as it is.
    enum class Age { None, Fresh, Stale };

    // Everything a result is worked out from, as the sheet holds it now. A result that went
    // stale elsewhere is worked out from no fields at all, which no sheet holds.
    struct Inputs {
        SituationModifiers situation;
        std::vector<std::string> fields;
        bool operator==(const Inputs&) const = default;
    };

    // After a successful Calculate: the numbers hold for the sheet as it is now.
    void calculated(const Inputs& now) { numbersFrom_ = now; }
    // After Declare: the declaration holds as long as the numbers it quotes, and a declaration
    // quoting stale numbers stays stale until it is declared again.
    void declared(const Inputs& now);
    // After Clear: nothing is left to grow old.
    void cleared();

    Age numbers(const Inputs& now) const { return ageOf(numbersFrom_, now); }
    Age declaration(const Inputs& now) const { return ageOf(declarationFrom_, now); }
    // The ages kept with a sheet, given back to the sheet they were kept with.
    void restore(const Inputs& now, Age numbers, Age declaration);

private:
    static Age ageOf(const std::optional<Inputs>& from, const Inputs& now);
    static std::optional<Inputs> fromAge(Age age, const Inputs& now);

    std::optional<Inputs> numbersFrom_;
    std::optional<Inputs> declarationFrom_;
};
