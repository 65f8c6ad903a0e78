#pragma once

#include <QString>

namespace core {

// The text with the blanks (U+0020) at both ends removed; other white space stays, as the
// windows' checks and look-ups have always trimmed.
QString trimBlanks(const QString& text);

} // namespace core
