#include "addressbook/VCardLines.h"

#include "addressbook/TextEncoding.h"
#include "core/FileError.h"

using namespace Qt::StringLiterals;

namespace addressbook::vcard {

namespace {

struct RawLine {
    QByteArrayView text;
    int number;
};

struct RawCard {
    int line;
    std::vector<RawLine> lines; // between BEGIN and END
};

struct LogicalLine {
    QByteArray text;
    int number;
};

bool startsWithBlank(QByteArrayView line) {
    return !line.isEmpty() && (line.front() == ' ' || line.front() == '\t');
}

QByteArray word(QByteArrayView line) {
    return line.toByteArray().trimmed().toUpper();
}

std::vector<RawLine> physicalLines(QByteArrayView data) {
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    std::vector<RawLine> lines;
    int number = 1;
    while (!data.isEmpty()) {
        qsizetype end = 0;
        while (end < data.size() && data[end] != '\n')
            ++end;
        QByteArrayView line = data.first(end);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.push_back({line, number++});
        data = data.sliced(std::min(end + 1, data.size()));
    }
    return lines;
}

[[noreturn]] void throwUnended(int line) {
    throw core::FileError(
        u"%1 行目から始まる名刺に終わり（END:VCARD）がありません。ファイルが途中で切れているかもしれません。"_s.arg(
            line));
}

std::vector<RawCard> rawCards(const std::vector<RawLine>& lines) {
    std::vector<RawCard> cards;
    bool open = false;
    for (const RawLine& line : lines) {
        const QByteArray keyword = startsWithBlank(line.text) ? QByteArray() : word(line.text);
        if (!open) {
            if (word(line.text).isEmpty())
                continue;
            if (keyword != "BEGIN:VCARD")
                throw core::FileError(
                    u"%1 行目が名刺（BEGIN:VCARD から END:VCARD まで）の外にあります。vCard のファイルではないかもしれません。"_s
                        .arg(line.number));
            cards.push_back({line.number, {}});
            open = true;
        } else if (keyword == "END:VCARD") {
            open = false;
        } else if (keyword == "BEGIN:VCARD") {
            throwUnended(cards.back().line);
        } else {
            cards.back().lines.push_back(line);
        }
    }
    if (open)
        throwUnended(cards.back().line);
    if (cards.empty())
        throw core::FileError(u"このファイルには名刺（vCard）がありません。"_s);
    return cards;
}

Version versionOf(const RawCard& card) {
    for (const RawLine& line : card.lines) {
        const QByteArray keyword = startsWithBlank(line.text) ? QByteArray() : word(line.text);
        if (!keyword.startsWith("VERSION:"))
            continue;
        const QByteArray number = keyword.sliced(8).trimmed();
        if (number == "2.1")
            return Version::V21;
        if (number == "3.0")
            return Version::V30;
        if (number == "4.0")
            return Version::V40;
        throw core::FileError(
            u"%1 行目の名刺の版（%2）には対応していません。読めるのは 2.1、3.0、4.0 です。"_s.arg(line.number)
                .arg(QString::fromLatin1(number)));
    }
    return Version::V30;
}

bool isQuotedPrintable(QByteArrayView line) {
    const qsizetype colon = line.indexOf(':');
    return line.first(colon < 0 ? line.size() : colon).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

// 3.0 and 4.0 take out a fold's line break and the blank after it; 2.1 keeps the blank. A
// quoted-printable value of 2.1 goes on after a line that ends in "=".
std::vector<LogicalLine> unfolded(const RawCard& card, Version version) {
    std::vector<LogicalLine> lines;
    bool quotedPrintable = false;
    for (const RawLine& line : card.lines) {
        if (!lines.empty() && quotedPrintable && lines.back().text.endsWith('=')) {
            lines.back().text.chop(1);
            lines.back().text += line.text;
        } else if (!lines.empty() && startsWithBlank(line.text)) {
            lines.back().text += version == Version::V21 ? line.text : line.text.sliced(1);
        } else if (!word(line.text).isEmpty()) {
            lines.push_back({line.text.toByteArray(), line.number});
            quotedPrintable = isQuotedPrintable(line.text);
        }
    }
    return lines;
}

// Splits at the separators that are outside double quotes.
QList<QStringView> splitOutsideQuotes(QStringView text, QChar separator) {
    QList<QStringView> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'"')
            quoted = !quoted;
        else if (text[i] == separator && !quoted) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

// A parameter value without its quotes; in 4.0 with the circumflex escapes of RFC 6868 undone.
QString parameterValue(QStringView value, Version version) {
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.sliced(1, value.size() - 2);
    if (version != Version::V40)
        return value.toString();
    QString plain;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
        if (value[i] == u'^' && (next == u'n' || next == u'^' || next == u'\'')) {
            plain.append(next == u'n' ? u'\n' : next == u'^' ? u'^' : u'"');
            ++i;
        } else {
            plain.append(value[i]);
        }
    }
    return plain;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A "=" that starts no byte is kept, except at the end, where a soft line break left it.
QByteArray fromQuotedPrintable(QByteArrayView encoded) {
    QByteArray bytes;
    bytes.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const bool byteFollows = encoded[i] == '=' && i + 2 < encoded.size() && hexDigit(encoded[i + 1]) >= 0 &&
                                 hexDigit(encoded[i + 2]) >= 0;
        if (byteFollows) {
            bytes.append(char(hexDigit(encoded[i + 1]) * 16 + hexDigit(encoded[i + 2])));
            i += 2;
        } else if (encoded[i] != '=' || i + 1 < encoded.size()) {
            bytes.append(encoded[i]);
        }
    }
    return bytes;
}

QString decodedValue(QByteArrayView bytes, const Property& property) {
    const QStringList charset = property.parameter(u"CHARSET");
    if (charset.isEmpty()) {
        if (auto text = decodeUtf8(bytes))
            return *text;
        throw core::FileError(
            u"%1 行目の文字コードが分かりません。UTF-8 ではなく、CHARSET の指定もありません。"_s.arg(property.line));
    }
    if (!isKnownCharset(charset.front()))
        throw core::FileError(u"%1 行目の文字コード（%2）は読めません。"_s.arg(property.line).arg(charset.front()));
    if (auto text = decodeCharset(bytes, charset.front()))
        return *text;
    throw core::FileError(u"%1 行目の文字が %2 として読めません。"_s.arg(property.line).arg(charset.front()));
}

const QStringList encodings{u"QUOTED-PRINTABLE"_s, u"BASE64"_s, u"B"_s, u"8BIT"_s, u"7BIT"_s};

Property property(const LogicalLine& line, Version version) {
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.text.size() && colon < 0; ++i) {
        if (line.text[i] == '"')
            quoted = !quoted;
        else if (line.text[i] == ':' && !quoted)
            colon = i;
    }
    const auto head = colon > 0 ? decodeUtf8(QByteArrayView(line.text).first(colon)) : std::nullopt;
    const QList<QStringView> parts = head ? splitOutsideQuotes(*head, u';') : QList<QStringView>();
    if (parts.isEmpty() || parts.front().trimmed().isEmpty())
        throw core::FileError(u"%1 行目は vCard の行として読めません。"_s.arg(line.number));
    Property p;
    p.line = line.number;
    const QStringView name = parts.front().trimmed();
    p.name = name.sliced(name.lastIndexOf(u'.') + 1).toString().toUpper();
    for (QStringView part : QList<QStringView>(parts.begin() + 1, parts.end())) {
        const qsizetype equals = part.indexOf(u'=');
        if (equals < 0) {
            // 2.1 names an encoding or a type alone.
            const QString bare = part.trimmed().toString().toUpper();
            if (encodings.contains(bare))
                p.parameters.push_back({u"ENCODING"_s, {bare}});
            else
                p.types.append(bare.toLower());
            continue;
        }
        Parameter parameter{part.first(equals).trimmed().toString().toUpper(), {}};
        // 4.0 quotes lists whole: TYPE="voice,home", SORT-AS="Harten,Rene".
        const bool list = parameter.name == u"TYPE"_s || parameter.name == u"SORT-AS"_s;
        for (QStringView value : splitOutsideQuotes(part.sliced(equals + 1), u',')) {
            const QString plain = parameterValue(value, version);
            parameter.values.append(list ? plain.split(u',') : QStringList{plain});
        }
        if (parameter.name == u"TYPE"_s) {
            for (const QString& type : parameter.values)
                p.types.append(type.toLower());
        } else {
            p.parameters.push_back(std::move(parameter));
        }
    }
    const QByteArrayView raw = QByteArrayView(line.text).sliced(colon + 1);
    const QStringList encoding = p.parameter(u"ENCODING");
    const bool quotedPrintable = !encoding.isEmpty() && encoding.front().toUpper() == u"QUOTED-PRINTABLE"_s;
    p.value = decodedValue(quotedPrintable ? QByteArrayView(fromQuotedPrintable(raw)) : raw, p);
    return p;
}

} // namespace

bool Property::hasType(QStringView type) const {
    return types.contains(type, Qt::CaseInsensitive);
}

QStringList Property::parameter(QStringView name) const {
    for (const Parameter& p : parameters) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return p.values;
    }
    return {};
}

std::vector<Card> readCards(QByteArrayView data) {
    std::vector<Card> cards;
    for (const RawCard& raw : rawCards(physicalLines(data))) {
        Card card{raw.line, versionOf(raw), {}};
        for (const LogicalLine& line : unfolded(raw, card.version))
            card.properties.push_back(property(line, card.version));
        cards.push_back(std::move(card));
    }
    return cards;
}

QString text(QStringView value, Version version) {
    QString plain;
    plain.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
        if (c == u'\\' && version == Version::V21 && next == u';') {
            plain.append(next);
            ++i;
        } else if (c == u'\\' && version != Version::V21 && (next == u'n' || next == u'N')) {
            plain.append(u"\r\n");
            ++i;
        } else if (c == u'\\' && version != Version::V21 && u"\\,;:"_s.contains(next) && !next.isNull()) {
            plain.append(next);
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            plain.append(u"\r\n");
            if (c == u'\r' && next == u'\n')
                ++i;
        } else {
            plain.append(c);
        }
    }
    return plain;
}

QStringList components(QStringView value, Version version) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size() && (version != Version::V21 || value[i + 1] == u';')) {
            ++i;
        } else if (value[i] == u';') {
            parts.append(text(value.sliced(start, i - start), version));
            start = i + 1;
        }
    }
    parts.append(text(value.sliced(start), version));
    return parts;
}

QString escaped(QStringView text) {
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out.append(u"\\n");
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            if (c == u'\\' || c == u',' || c == u';')
                out.append(u'\\');
            out.append(c);
        }
    }
    return out;
}

QByteArray contentLine(const QString& line) {
    constexpr qsizetype octets = 75;
    const QByteArray utf8 = line.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + utf8.size() / (octets - 1) * 3 + 2);
    qsizetype at = 0;
    qsizetype room = octets;
    while (utf8.size() - at > room) {
        qsizetype cut = at + room;
        while (cut > at && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(utf8.constData() + at, cut - at);
        out.append("\r\n ");
        at = cut;
        room = octets - 1; // the blank that starts the next line counts
    }
    out.append(utf8.constData() + at, utf8.size() - at);
    out.append("\r\n");
    return out;
}

} // namespace addressbook::vcard
