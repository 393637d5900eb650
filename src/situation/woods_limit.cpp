#include "situation/woods_limit.h"

#include "app/combo_box.h"
#include "app/number_text.h"

#include <optional>

namespace {

// A count below 0 is as meaningless as one above the limit, so both go back to "0". Setting "0"
// raises the change once more, and "0" passes. Only counts out of range are reset: a fraction
// within the limit is left as typed.
void applyWoodsLimit(ComboBox& box, int limit) {
    std::optional<double> count = readNumber(box.text());
    if (count && (*count < 0 || *count > limit)) {
        box.setText("0");
    }
}

} // namespace

void limitWoodsCount(ComboBox& box, int limit) {
    box.onChange([&box, limit] { applyWoodsLimit(box, limit); });
}
