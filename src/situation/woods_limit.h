#pragma once

class ComboBox;

// Offers the counts 0..limit in the box's list and keeps the count within them: a number
// outside is set back to "0". Text that is no number stays as typed; the calculation decides
// what to do with it.
void limitWoodsCount(ComboBox& box, int limit);
