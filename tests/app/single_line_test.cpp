// A single line: what a pasted text becomes, which texts already are one, and how characters are
// counted and cut, on well-formed UTF-8 and on bytes that are not UTF-8.

#include "app/single_line.h"
#include "support/sheet_fixture.h"

#include <tuple>

namespace {

const std::string Fffd = "\xef\xbf\xbd";

// Every byte that does not start a well-formed sequence becomes one U+FFFD, and the bytes after
// it are read afresh; the longest and shortest code points of each length stay as they are.
TEST(SingleLine, BytesThatAreNotUtf8BecomeReplacementCharacters) {
    // clang-format off
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"StrayContinuationByte", "a\x80z", "a" + Fffd + "z"},
        {"LastContinuationByte", "\xbf", Fffd}, {"OverlongTwoBytes", "\xc0\x80", times(2, Fffd)},
        {"OverlongTwoBytesHighest", "\xc1\xbf", times(2, Fffd)},
        {"LowestTwoBytes", "\xc2\xa0", "\xc2\xa0"}, {"HighestTwoBytes", "\xdf\xbf", "\xdf\xbf"},
        {"OverlongThreeBytes", "\xe0\x9f\xbf", times(3, Fffd)},
        {"LowestThreeBytes", "\xe0\xa0\x80", "\xe0\xa0\x80"},
        {"BelowTheSurrogates", "\xed\x9f\xbf", "\xed\x9f\xbf"},
        {"FirstSurrogate", "\xed\xa0\x80", times(3, Fffd)},
        {"LastSurrogate", "\xed\xbf\xbf", times(3, Fffd)},
        {"AboveTheSurrogates", "\xee\x80\x80", "\xee\x80\x80"},
        {"HighestThreeBytes", "\xef\xbf\xbf", "\xef\xbf\xbf"},
        {"OverlongFourBytes", "\xf0\x8f\xbf\xbf", times(4, Fffd)},
        {"LowestFourBytes", "\xf0\x90\x80\x80", "\xf0\x90\x80\x80"},
        {"HighestCodePoint", "\xf4\x8f\xbf\xbf", "\xf4\x8f\xbf\xbf"},
        {"BeyondTheHighestCodePoint", "\xf4\x90\x80\x80", times(4, Fffd)},
        {"LeadByteBeyondTheCodePoints", "\xf5\x80\x80\x80", times(4, Fffd)},
        {"NoLeadByteAtAll", "\xf8\xff", times(2, Fffd)},
        {"SequenceCutAtTheEnd", "a\xe2\x82", "a" + times(2, Fffd)},
        {"SequenceCutByALetter", "\xe2\x82z\xf0\x9f\x98", times(2, Fffd) + "z" + times(3, Fffd)},
        {"LeadByteAtTheEnd", "\xc2", Fffd}, {"ReplacementCharacterItself", Fffd, Fffd},
    };
    // clang-format on
    for (const auto& [name, text, line] : cases) {
        EXPECT_EQ(singleLine(text), line) << name;
        EXPECT_EQ(isSingleLine(text), text == line) << name;
        EXPECT_EQ(characterCount(text), characterCount(line)) << name;
    }
}

// Line breaks and tabs become one blank each, CR LF one for both; other control characters
// and the direction characters are dropped; the characters beside them stay.
TEST(SingleLine, BreaksBecomeBlanksAndControlsAreDropped) {
    // clang-format off
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"LineFeed", "a\nb", "a b"}, {"CarriageReturn", "a\rb", "a b"},
        {"CrLfIsOneBreak", "a\r\nb", "a b"}, {"LfCrIsTwoBreaks", "a\n\rb", "a  b"},
        {"TwoCarriageReturns", "a\r\r\nb", "a  b"}, {"CarriageReturnAtTheEnd", "a\r", "a "},
        {"Tab", "a\tb", "a b"}, {"VerticalTab", "a\vb", "a b"}, {"FormFeed", "a\fb", "a b"},
        {"NextLine", "a\xc2\x85z", "a z"}, {"LineSeparator", "a\u2028z", "a z"},
        {"ParagraphSeparator", "a\u2029z", "a z"}, {"Nul", std::string("a\0z", 3), "az"},
        {"Escape", "a\x1bz", "az"}, {"UnitSeparator", "a\x1fz", "az"}, {"Delete", "a\x7fz", "az"},
        {"FirstC1Control", "a\xc2\x80z", "az"}, {"LastC1Control", "a\xc2\x9fz", "az"},
        {"NoBreakSpace", "a\xc2\xa0z", "a\xc2\xa0z"}, {"LeftToRightEmbedding", "a\u202az", "az"},
        {"RightToLeftOverride", "a\u202ez", "az"}, {"NarrowNoBreakSpace", "a\u202fz", "a\u202fz"},
        {"LeftToRightIsolate", "a\u2066z", "az"}, {"PopDirectionalIsolate", "a\u2069z", "az"},
        {"InvisibleBeforeTheIsolates", "a\u2065z", "a\u2065z"},
        {"InhibitSymmetricSwapping", "a\u206az", "a\u206az"},
        {"Letters", "Ilsa Marrow \u00e9\u6a5f\U0001f600", "Ilsa Marrow \u00e9\u6a5f\U0001f600"},
    };
    // clang-format on
    for (const auto& [name, text, line] : cases) {
        EXPECT_EQ(singleLine(text), line) << name;
        EXPECT_EQ(isSingleLine(text), text == line) << name;
        EXPECT_TRUE(isSingleLine(line)) << name;
    }
}

// Characters are counted as code points, a byte that is not UTF-8 as one; the characters that
// change the direction of the text are found wherever they stand.
TEST(SingleLine, CharactersAreCodePointsAndDirectionCharactersAreFound) {
    // clang-format off
    const std::tuple<const char*, std::string, std::size_t, bool> cases[] = {
        {"Empty", "", 0, false}, {"None", "Quillfen QF-2", 13, false},
        {"EachLength", "a\u00e9\u6a5f\U0001f600", 4, false}, {"ABadByte", "a\x80z", 3, false},
        {"CutSequence", "a\xf0\x9f\x98", 4, false}, {"Surrogate", "\xed\xa0\x80z", 4, false},
        {"FirstEmbedding", "\u202aQuillfen", 9, true}, {"Override", "Quill\u202efen", 9, true},
        {"LastIsolate", "Quillfen\u2069", 9, true}, {"FirstIsolate", "Quillfen\u2066", 9, true},
        {"ParagraphSeparatorBelow", "Quillfen\u2029", 9, false},
        {"NarrowNoBreakSpaceAbove", "Quillfen\u202f", 9, false},
        {"InvisibleBelowTheIsolates", "Quillfen\u2065", 9, false},
        {"AfterABadByte", "\x80\u202e", 2, true}, {"OverrideCutShort", "\xe2\x80", 2, false},
    };
    // clang-format on
    for (const auto& [name, text, count, changes] : cases) {
        EXPECT_EQ(characterCount(text), count) << name;
        EXPECT_EQ(changesDirection(text), changes) << name;
    }
}

// A box's edit is cut between characters; a byte that is not UTF-8 counts as one.
TEST(SingleLine, EditsAreCutBetweenCharacters) {
    // clang-format off
    const std::tuple<const char*, std::string, std::string, std::size_t, std::string> cases[] = {
        {"WithinTheLimit", "ab", "abc", 3, "abc"}, {"TypedAtTheEnd", "abc", "abcd", 3, "abc"},
        {"PastedAtTheEnd", "ab", "ab\U0001f600\U0001f600", 3, "ab\U0001f600"},
        {"PastedInTheMiddle", "ab", "a\u6a5f\u6a5f\u6a5fb", 3, "a\u6a5fb"},
        {"PastedAtTheStart", "ab", "\u00e9\u00e9\u00e9ab", 3, "\u00e9ab"},
        {"BadBytes", "", "\x80\xc0\xff", 2, "\x80\xc0"},
        {"LeftAloneIsTooLong", "abcd", "abcdX", 2, "ab"}, {"NothingFits", "", "abc", 0, ""},
        {"TypedInTheMiddleOfAFullText", "abcd", "abXcd", 4, "abcd"},
        // A stray byte pasted over another stray byte is new text, not the byte the box held.
        {"BadBytePastedOverAnother", "x\x80", "xy\x81", 2, "xy"},
    };
    // clang-format on
    for (const auto& [name, before, after, limit, kept] : cases) {
        EXPECT_EQ(editWithin(before, after, limit), kept) << name;
    }
}

} // namespace
