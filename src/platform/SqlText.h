#pragma once

#include <QString>

namespace platform {

// A text value as the database stores it. NUL characters are dropped: typed or pasted text
// never needs one, and each would have to go into the statement as an expression of its own,
// 500 of them more than the engine takes. A lone surrogate (only a file edited elsewhere holds
// one) becomes U+FFFD: the engine's conversion would swallow the character after it, which
// can be the closing quote.
QString storedText(const QString& value);

// The one quoting helper: a text value as it goes between the single quotes of a statement.
// Single quotes are doubled, so any text is stored and compared exactly as storedText gives it.
// Ordinary text without quotes comes back unchanged.
QString sqlText(const QString& value);

} // namespace platform
