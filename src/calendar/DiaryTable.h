#pragma once

#include <QString>

// The statements behind the diary, each written once: the password at the diary's door and
// the diary row of one date and user. They run through Mod1's shared statement text and row
// set, as every statement of the program does.
namespace calendar {

// Whether `password` is the user's; a password never set (Null) is the empty one.
bool passwordMatches(const QString& user, const QString& password);

// Adds an empty diary row for the date and user when there is none.
void makeDiaryRow(const QString& date, const QString& user);

struct DiaryRow {
    QString date;
    QString user;
    QString text;
};
// The diary row of the date and user; throws when there is none (its user deleted).
DiaryRow readDiaryRow(const QString& date, const QString& user);

// Writes the text over the diary row of the date and user. The editor reads the row first in
// the same transaction, so a row that is gone (its user deleted) is told, never saved to.
void writeDiaryText(const QString& date, const QString& user, const QString& text);

} // namespace calendar
