#include "platform/ServerDialect.h"

#include "platform/Database.h"
#include "platform/JetPattern.h"

using namespace Qt::StringLiterals;

namespace platform {

namespace {

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// The text in quotes that starts at `start` (its opening quote), its doubled quotes made one;
// `end` is set past its closing quote.
QString quotedText(const QString& statement, qsizetype start, qsizetype& end) {
    QString text;
    qsizetype i = start + 1;
    while (i < statement.size()) {
        if (statement[i] == u'\'') {
            if (i + 1 < statement.size() && statement[i + 1] == u'\'') {
                text += u'\'';
                i += 2;
                continue;
            }
            end = i + 1;
            return text;
        }
        text += statement[i++];
    }
    throw EngineError(u"A text in quotes is not closed: %1"_s.arg(statement));
}

// The word that ends just before `end` in the text written so far, without regard to case.
bool endsWithWord(const QString& written, const QString& word) {
    qsizetype end = written.size();
    while (end > 0 && written[end - 1].isSpace())
        --end;
    const qsizetype start = end - word.size();
    return start >= 0 && QStringView(written).mid(start, word.size()).compare(word, Qt::CaseInsensitive) == 0 &&
           (start == 0 || !isWordCharacter(written[start - 1]));
}

} // namespace

QString serverStatement(const QString& statement) {
    QString out;
    out.reserve(statement.size() + 16);
    qsizetype i = 0;
    const qsizetype n = statement.size();
    while (i < n) {
        const QChar c = statement[i];
        if (c == u'\'') {
            qsizetype end = i;
            quotedText(statement, i, end);
            out += QStringView(statement).mid(i, end - i);
            i = end;
        } else if (c == u'"') {
            const qsizetype close = statement.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close + 1;
            out += QStringView(statement).mid(i, end - i);
            i = end;
        } else if (c == u'[') {
            const qsizetype close = statement.indexOf(u']', i + 1);
            if (close < 0)
                throw EngineError(u"A name in brackets is not closed: %1"_s.arg(statement));
            out += u'"' + QStringView(statement).mid(i + 1, close - i - 1).toString().replace(u'"', u"\"\""_s) + u'"';
            i = close + 1;
        } else if (isWordCharacter(c)) {
            qsizetype end = i;
            while (end < n && isWordCharacter(statement[end]))
                ++end;
            const QStringView word = QStringView(statement).mid(i, end - i);
            if (word.compare(u"like"_s, Qt::CaseInsensitive) != 0) {
                out += word;
                i = end;
                continue;
            }
            qsizetype quote = end;
            while (quote < n && statement[quote].isSpace())
                ++quote;
            if (quote >= n || statement[quote] != u'\'')
                throw EngineError(u"Only a text in quotes can follow like: %1"_s.arg(statement));
            qsizetype after = quote;
            const QString pattern = quotedText(statement, quote, after);
            QString op = u"~"_s;
            if (endsWithWord(out, u"not"_s)) {
                out.chop(out.size() - out.lastIndexOf(u"not"_s, -1, Qt::CaseInsensitive));
                op = u"!~"_s;
            }
            const JetPattern jet(pattern);
            // Stars alone match every text: a comparison every text passes (C collation) is
            // cheaper than an expression, and Null still gives Null.
            if (jet.matchesEveryText())
                out += op == u"~"_s ? u">= ''"_s : u"< ''"_s;
            else
                out += op + u" '"_s + jet.regex().replace(u'\'', u"''"_s) + u"'"_s;
            i = after;
        } else {
            out += c;
            ++i;
        }
    }
    while (!out.isEmpty() && (out.back().isSpace() || out.back() == u';'))
        out.chop(1);
    return out;
}

} // namespace platform
