#include "platform/SqlText.h"

using namespace Qt::StringLiterals;

namespace platform {

QString sqlText(const QString& value) {
    if (!value.contains(u'\'') && !value.contains(QChar(0)))
        return value;
    QString quoted = value;
    quoted.replace(u"'"_s, u"''"_s);
    quoted.replace(QChar(0), u"' || char(0) || '"_s);
    return quoted;
}

} // namespace platform
