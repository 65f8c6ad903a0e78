#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Texts of files from and for other programs, through ICU's converters. Every conversion is
// strict: bytes that are not in the character set, or characters it has no code for, make
// the conversion fail rather than turn into something else. ICU reads every name of
// Shift_JIS ("Shift_JIS", "SJIS", "MS_Kanji", "CP932", …) with the table of code page 932,
// which Japanese phones and Windows write.
namespace addressbook {

// True when ICU knows a character set by this name ("UTF-8", "Shift_JIS", "ISO-8859-1", …).
bool isKnownCharset(const QString& name);

// The text of bytes in the named character set; a byte order mark at the start stays a
// character. Nothing when the name is unknown or the bytes are not in the set.
std::optional<QString> decodeCharset(QByteArrayView bytes, const QString& name);
std::optional<QString> decodeUtf8(QByteArrayView bytes);
std::optional<QString> decodeCp932(QByteArrayView bytes);

// The text in code page 932; nothing when it holds a character that code page lacks. The
// wave dash, the minus sign, the em dash, the double vertical line and the cent, pound and
// not signs are written as the full-width characters code page 932 has in their place.
std::optional<QByteArray> encodeCp932(QStringView text);
// The first character of the text that code page 932 lacks (a whole character, a pair of
// surrogates included); empty when there is none.
QString firstCharacterOutsideCp932(QStringView text);

} // namespace addressbook
