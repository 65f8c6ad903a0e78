#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

namespace calendar {

struct DiaryText {
    QByteArray text; // UTF-8, lines ending in LF
    qsizetype days = 0;
};

// The user's diary entries of the days from `from` to `to` (both included; null dates for
// every day) as one text: a heading, then each day's entry under its date, oldest first.
// Days whose entry is empty or blank are left out; an entry whose stored date cannot be read
// as a date comes last, under that stored text, when every day is asked for.
DiaryText diaryText(const QString& user, QDate from, QDate to);

} // namespace calendar
