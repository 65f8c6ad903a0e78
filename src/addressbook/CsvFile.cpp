#include "addressbook/CsvFile.h"

#include "addressbook/TextEncoding.h"
#include "core/FileError.h"

using namespace Qt::StringLiterals;

namespace addressbook {

namespace {

constexpr QByteArrayView byteOrderMark = "\xEF\xBB\xBF";

QString field(const QString& value) {
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\r') && !value.contains(u'\n'))
        return value;
    QString quoted = value;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

QString headerRow() {
    QStringList labels;
    for (std::size_t i = 0; i < columnCount; ++i)
        labels.append(field(columnLabel(Column(i))));
    return labels.join(u',') + u"\r\n"_s;
}

QString row(const AddressEntry& entry, const QMap<QString, QString>& sexNames) {
    QStringList fields;
    for (std::size_t i = 0; i < columnCount; ++i) {
        const QString& value = entry.values[i];
        fields.append(field(Column(i) == Column::Sex_cd ? sexNames.value(value, value) : value));
    }
    return fields.join(u',') + u"\r\n"_s;
}

[[noreturn]] void throwOutsideCp932(const AddressEntry& entry, const QMap<QString, QString>& sexNames) {
    for (std::size_t i = 0; i < columnCount; ++i) {
        const QString& value = entry.values[i];
        const QString character =
            firstCharacterOutsideCp932(Column(i) == Column::Sex_cd ? sexNames.value(value, value) : value);
        if (character.isEmpty())
            continue;
        const QString code = QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0');
        throw core::FileError(
            u"［ %1 ］さんの%2にある「%3」（U+%4）は Shift_JIS にない文字なので、書き出せません。UTF-8 で書き出してください。"_s
                .arg(entry[Column::Name_1], columnLabel(Column(i)), character, code));
    }
    throw core::FileError(u"［ %1 ］さんのデータを Shift_JIS で書き出せません。"_s.arg(entry[Column::Name_1]));
}

QString decoded(QByteArrayView data) {
    if (data.startsWith(byteOrderMark)) {
        if (auto text = decodeUtf8(data.sliced(byteOrderMark.size())))
            return *text;
        throw core::FileError(u"UTF-8 の印（BOM）で始まっていますが、UTF-8 として読めないところがあります。"_s);
    }
    if (auto text = decodeUtf8(data))
        return *text;
    if (auto text = decodeCp932(data))
        return *text;
    throw core::FileError(u"文字コードが分かりません。UTF-8 でも Shift_JIS でもありません。"_s);
}

struct Row {
    int line;
    QStringList fields;
};

// A row of nothing but empty fields, as spreadsheets write below their data.
bool isBlank(const Row& row) {
    return std::all_of(row.fields.begin(), row.fields.end(), [](const QString& f) { return f.isEmpty(); });
}

// The rows of CSV text, each with the line it starts on; blank rows are left out.
class Scanner {
public:
    explicit Scanner(const QString& text) : m_text(text) {}

    std::vector<Row> rows() {
        std::vector<Row> rows;
        Row current{m_line, {}};
        while (m_at < m_text.size()) {
            current.fields.append(next() == u'"' ? quoted() : plain());
            if (next() == u',') {
                ++m_at;
                if (m_at < m_text.size())
                    continue;
                current.fields.append(QString()); // a comma at the very end
            }
            lineBreak();
            if (!isBlank(current))
                rows.push_back(std::move(current));
            current = {m_line, {}};
        }
        return rows;
    }

private:
    QChar next() const { return m_at < m_text.size() ? m_text[m_at] : QChar(); }

    // Steps over a line break (CR LF, CR or LF) where there is one.
    bool lineBreak() {
        if (next() != u'\r' && next() != u'\n')
            return false;
        if (m_text[m_at++] == u'\r' && next() == u'\n')
            ++m_at;
        ++m_line;
        return true;
    }

    QString plain() {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && m_text[m_at] != u',' && m_text[m_at] != u'\r' && m_text[m_at] != u'\n')
            ++m_at;
        return m_text.sliced(start, m_at - start);
    }

    QString quoted() {
        const int startLine = m_line;
        ++m_at;
        QString value;
        for (;;) {
            if (m_at == m_text.size())
                throw core::FileError(u"%1 行目で始まる引用符（\"）が閉じていません。"_s.arg(startLine));
            const QChar c = m_text[m_at];
            if (c == u'"' && m_at + 1 < m_text.size() && m_text[m_at + 1] == u'"') {
                value.append(c);
                m_at += 2;
            } else if (c == u'"') {
                ++m_at;
                break;
            } else if (c == u'\r' || c == u'\n') {
                const qsizetype start = m_at;
                lineBreak();
                value.append(QStringView(m_text).sliced(start, m_at - start));
            } else {
                value.append(c);
                ++m_at;
            }
        }
        if (m_at < m_text.size() && m_text[m_at] != u',' && m_text[m_at] != u'\r' && m_text[m_at] != u'\n')
            throw core::FileError(u"%1 行目の引用符（\"）で囲んだ項目の後に文字があります。"_s.arg(m_line));
        return value;
    }

    const QString& m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

std::vector<Column> headerColumns(const Row& header) {
    std::vector<Column> columns;
    for (const QString& cell : header.fields) {
        const QString label = cell.trimmed();
        std::size_t i = 0;
        while (i < columnCount && columnLabel(Column(i)) != label)
            ++i;
        if (i == columnCount)
            throw core::FileError(
                u"見出しの「%1」は電話帳の項目ではありません。見出しには入力画面の項目名（名前、フリガナ、…）を使います。"_s
                    .arg(label));
        if (std::find(columns.begin(), columns.end(), Column(i)) != columns.end())
            throw core::FileError(u"見出しに「%1」が二つあります。"_s.arg(label));
        columns.push_back(Column(i));
    }
    if (std::find(columns.begin(), columns.end(), Column::Name_1) == columns.end())
        throw core::FileError(u"見出しに「%1」がありません。"_s.arg(columnLabel(Column::Name_1)));
    return columns;
}

} // namespace

QByteArray writeCsv(const std::vector<AddressEntry>& entries, const QMap<QString, QString>& sexNames,
                    CsvEncoding encoding) {
    if (encoding == CsvEncoding::Utf8) {
        QString text = headerRow();
        for (const AddressEntry& entry : entries)
            text += row(entry, sexNames);
        return byteOrderMark.toByteArray() + text.toUtf8();
    }
    QByteArray bytes = encodeCp932(headerRow()).value_or(QByteArray());
    for (const AddressEntry& entry : entries) {
        const std::optional<QByteArray> encoded = encodeCp932(row(entry, sexNames));
        if (!encoded)
            throwOutsideCp932(entry, sexNames);
        bytes += *encoded;
    }
    return bytes;
}

std::vector<IncomingEntry> readCsv(QByteArrayView data) {
    const QString text = decoded(data);
    const std::vector<Row> rows = Scanner(text).rows();
    if (rows.empty())
        throw core::FileError(u"見出しの行がありません。"_s);
    const std::vector<Column> columns = headerColumns(rows.front());
    std::vector<IncomingEntry> entries;
    entries.reserve(rows.size() - 1);
    for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
        if (row->fields.size() > qsizetype(columns.size()))
            throw core::FileError(u"%1 行目の項目が %2 個あり、見出しの %3 個より多くなっています。"_s.arg(row->line)
                                      .arg(row->fields.size())
                                      .arg(columns.size()));
        IncomingEntry in;
        in.line = row->line;
        for (qsizetype i = 0; i < row->fields.size(); ++i)
            in.entry[columns[std::size_t(i)]] = row->fields[i];
        entries.push_back(std::move(in));
    }
    return entries;
}

} // namespace addressbook
