#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The lines of vCard files (RFC 2425 and 2426 for 3.0, RFC 6350 for 4.0, and the 2.1 form
// that phones write) below the meaning of any property: folding, parameters, transfer
// encodings, character sets and the escapes of text values.
namespace addressbook::vcard {

enum class Version { V21, V30, V40 };

struct Parameter {
    QString name; // upper case
    QStringList values;
};

struct Property {
    int line = 0;      // where it starts in the file, from 1
    QString name;      // upper case, without its group
    QStringList types; // the TYPE values and 2.1's bare parameters, lower case
    std::vector<Parameter> parameters;
    QString value; // as text, quoted-printable and character set undone; escapes still in

    bool hasType(QStringView type) const;
    // The values of a parameter; empty when the property has none by that name.
    QStringList parameter(QStringView name) const;
};

struct Card {
    int line = 0;
    Version version = Version::V30;
    std::vector<Property> properties;
};

// Every card of a file, its lines unfolded. Throws core::FileError, saying where in Japanese, for
// a file that holds no card or lines outside cards, a card without its END, a line that is no
// property, a version other than 2.1, 3.0 and 4.0, or a value whose bytes are not UTF-8 and
// name no character set that reads them.
std::vector<Card> readCards(QByteArrayView data);

// A text value without its escapes; line breaks, escaped or not, come out as CR LF.
QString text(QStringView value, Version version);
// The components of a structured value (N, ADR, ORG), split at the semicolons that are not
// escaped, each as text.
QStringList components(QStringView value, Version version);

// Text escaped for a 3.0 value: backslash, comma and semicolon, and a line break (CR LF, or a
// lone CR or LF) as "\n".
QString escaped(QStringView text);
// One content line in UTF-8, folded after 75 octets and never inside a character, with its
// CR LF.
QByteArray contentLine(const QString& line);

} // namespace addressbook::vcard
