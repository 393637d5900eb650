#pragma once

// The text of a single-line field such as a name: one line of characters, none of them a
// control character. What a user pastes into such a field is made into one: every line break
// (LF, CR, CR LF, VT, FF, U+0085, U+2028, U+2029) and every tab becomes one blank, and any
// other control character (U+0000 to U+001F, U+007F to U+009F) is dropped. A byte that is not
// UTF-8 becomes U+FFFD, as it would in a file.

#include <string>
#include <string_view>

std::string singleLine(std::string_view text);

// Whether the text is UTF-8 and already a single line: what singleLine leaves as it is.
bool isSingleLine(std::string_view text);
