#pragma once

// The fresh sheet of fresh_sheet.h as a GoogleTest fixture, and what the model tests share.

#include "support/fresh_sheet.h"

#include <gtest/gtest.h>

#include <string_view>

struct SheetTest : testing::Test, FreshSheet {};

// `piece` written `count` times over: long names, runs of a multi-byte character.
inline std::string times(std::size_t count, std::string_view piece) {
    std::string text;
    for (std::size_t k = 0; k < count; ++k) {
        text += piece;
    }
    return text;
}
