#pragma once

class ComboBox;

// Keeps the count of woods hexes in a box within 0..limit: a number outside is set back to
// "0". Text that is no number stays as typed; the calculation decides what to do with it.
void limitWoodsCount(ComboBox& box, int limit);
