#pragma once

// The fresh sheet of fresh_sheet.h as a GoogleTest fixture, and what the model tests share.

#include "support/fresh_sheet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
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

// A file's bytes as they are; empty when there is no such file.
inline std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The documents' example Mech file, Ilsa Marrow's Quillfen QF-2, as its bytes.
inline const std::string ExampleMech = fileText(VEXOLAN_TEST_DATA "/../docs/quillfen.vexmech");
