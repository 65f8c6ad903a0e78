#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Birth dates are stored as western dates in text, "yyyy/m/d" with month and day as typed,
// and are entered and shown in the Japanese era calendar.
namespace addressbook {

// One field of a stored birth date in the era calendar: part 0 the era name ("平成"), 1 the
// year within the era as two digits ("08"; the first year of an era is "01"), 2 the month and
// 3 the day as two digits. An empty birth, or one that is no date, gives empty text.
QString BirthPart(const QString& birth, qint16 part);

// The western year, as four digits, in which the given year of the era falls ("平成", 8 gives
// "1996"). An era the calendar does not know gives empty text.
QString NengouToYear(const QString& era, qint16 year);

// The birth date to store from the four date boxes of the entry window: the era, the year
// within the era, and the month and day as typed. Empty when the year box is empty, when it
// holds no whole number from 1 up, or when the boxes make no calendar date.
QString composeBirthDate(const QString& era, const QString& yearText, const QString& month, const QString& day);

// The first of the four date boxes that keeps them from making a date, or None when they make
// one or when year, month and day are all empty (no birth date).
enum class DateBox { None, Era, Year, Month, Day };
DateBox wrongDateBox(const QString& era, const QString& yearText, const QString& month, const QString& day);

// The date of a stored birth: year, month and day in digits (up to four each) separated by
// "/", making a calendar date. Nothing for any other text.
std::optional<QDate> storedBirthDate(const QString& birth);

// A date in the stored form, "yyyy/m/d": the year in four digits, month and day without
// leading zeros.
QString storedBirthText(const QDate& date);

} // namespace addressbook
