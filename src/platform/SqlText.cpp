#include "platform/SqlText.h"

using namespace Qt::StringLiterals;

namespace platform {

QString storedText(const QString& value) {
    QString stored;
    stored.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c.isNull())
            continue;
        if (c.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate()) {
            stored.append(c);
            stored.append(value[++i]);
        } else {
            stored.append(c.isSurrogate() ? QChar(QChar::ReplacementCharacter) : c);
        }
    }
    return stored;
}

QString sqlText(const QString& value) {
    QString quoted = storedText(value);
    quoted.replace(u"'"_s, u"''"_s);
    return quoted;
}

} // namespace platform
