#pragma once

#include <QString>

namespace platform {

// A statement as the program writes it, which the file's engine runs, turned into one that
// PostgreSQL runs with the same meaning. Outside the texts in single quotes:
//   [name]               "name" (a name in brackets, as after "as")
//   x like 'pattern'     x ~ 'expression', the desktop database's pattern as a regular
//                        expression that matches the same texts (JetPattern::regex); "not like"
//                        becomes !~; Null on either side still gives Null. A pattern of
//                        stars alone, which every text matches, becomes x >= '' (x < '' for
//                        not like): true (false) for every text, as texts compare by code point
//   a ";" at the end     left out
// Everything else is the same in both: names without quotes (PostgreSQL folds them to lower
// case, as it created the tables), texts quoted with their quotes doubled, and the rest of the
// statements the program writes. Throws EngineError for a "like" not followed by a text in
// quotes, which it cannot turn into an expression.
QString serverStatement(const QString& statement);

} // namespace platform
