#pragma once

#include <QString>

namespace platform {

// The one quoting helper: a text value as it goes between the single quotes of a statement.
// Single quotes are doubled, so any text is stored and compared exactly as typed. A NUL
// character, which would end the statement text, is spliced in as an expression instead.
// Text without quotes or NULs comes back unchanged.
QString sqlText(const QString& value);

} // namespace platform
