#pragma once

// The text of a single-line field such as a name: one line of characters, none of them a
// control character. What a user pastes into such a field is made into one: every line break
// (LF, CR, CR LF, VT, FF, U+0085, U+2028, U+2029) and every tab becomes one blank, and any
// other control character (U+0000 to U+001F, U+007F to U+009F) is dropped, and so is every
// character that changes the direction of the text around it (U+202A to U+202E, U+2066 to
// U+2069): in a window's title or a tab one of them would turn the rest of the title around. A
// byte that is not UTF-8 becomes U+FFFD, as it would in a file.

#include <cstddef>
#include <string>
#include <string_view>

std::string singleLine(std::string_view text);

// Whether the text is UTF-8 and already a single line: what singleLine leaves as it is.
bool isSingleLine(std::string_view text);

// Whether the text holds a character that changes the direction of the text around it.
bool changesDirection(std::string_view text);

// The number of characters (Unicode code points) in the text; a byte that is not UTF-8 counts
// as the one character it becomes.
std::size_t characterCount(std::string_view text);

// What a box that holds at most `limit` characters keeps when its text `before` is edited
// into `after`: the edit's new characters as far as they fit, and whatever the edit left alone
// before and after them, so that typing stops at the limit and a paste is cut there, wherever
// the cursor stands. A text that cannot keep all it left alone is cut after `limit`
// characters. The cut falls between characters, never inside one.
std::string editWithin(std::string_view before, std::string_view after, std::size_t limit);
