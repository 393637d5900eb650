#include "situation/woods_limit.h"

#include "app/combo_box.h"
#include "app/number_text.h"

#include <optional>
#include <string>
#include <vector>

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
    // The list offers every count up to the limit, so a pick always passes.
    std::vector<std::string> counts;
    for (int count = 0; count <= limit; ++count) {
        counts.push_back(std::to_string(count));
    }
    box.setItems(std::move(counts));
    box.onChange([&box, limit] { applyWoodsLimit(box, limit); });
}
