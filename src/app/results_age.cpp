#include "app/results_age.h"

ResultsAge::Age ResultsAge::ageOf(const std::optional<Inputs>& from, const Inputs& now) {
    if (!from) {
        return Age::None;
    }
    return *from == now ? Age::Fresh : Age::Stale;
}

std::optional<ResultsAge::Inputs> ResultsAge::fromAge(Age age, const Inputs& now) {
    switch (age) {
    case Age::Fresh:
        return now;
    case Age::Stale:
        return Inputs{};
    default:
        return std::nullopt;
    }
}

// A declaration made before any calculation quotes no number at all, so none can grow old.
void ResultsAge::declared(const Inputs& now) {
    switch (numbers(now)) {
    case Age::Fresh:
        declarationFrom_ = numbersFrom_;
        break;
    case Age::Stale:
        declarationFrom_ = Inputs{};
        break;
    default:
        declarationFrom_.reset();
    }
}

void ResultsAge::cleared() {
    numbersFrom_.reset();
    declarationFrom_.reset();
}

void ResultsAge::restore(const Inputs& now, Age numbers, Age declaration) {
    numbersFrom_ = fromAge(numbers, now);
    declarationFrom_ = fromAge(declaration, now);
}
