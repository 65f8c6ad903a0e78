#pragma once

#include <QByteArray>
#include <QString>

// Files read and written whole, for what the program exchanges with other programs. Failures
// are thrown as FileError, saying what went wrong in Japanese.
namespace core {

// The largest file read: far more than any phone book or diary, small enough to hold at once.
inline constexpr qint64 largestFileRead = 64 * 1024 * 1024;

// The file's bytes; refuses a file that is missing, unreadable or larger than largestFileRead.
QByteArray readWholeFile(const QString& path);

// Writes the bytes as the whole file: the new file takes the place of any earlier one only
// once all of it is written and synced, so a failure leaves the earlier file as it was. The
// open TEL.mdb itself is refused: the program would go on saving into a file no longer there.
void writeWholeFile(const QString& path, const QByteArray& data);

// "場所：<path>" as messages name a file, in the platform's own separators.
QString placeOf(const QString& path);

// True when both name one existing file.
bool sameFile(const QString& a, const QString& b);

} // namespace core
