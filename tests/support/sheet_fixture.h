#pragma once

// The fresh sheet of fresh_sheet.h as a GoogleTest fixture.

#include "support/fresh_sheet.h"

#include <gtest/gtest.h>

struct SheetTest : testing::Test, FreshSheet {};
