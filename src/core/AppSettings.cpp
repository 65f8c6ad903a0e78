#include "core/AppSettings.h"

#include "platform/Settings.h"

using namespace Qt::StringLiterals;

namespace core {

namespace {
const QString application = u"Tamoru"_s;
const QString section = u"DATA"_s;
} // namespace

QString setting(const QString& key) {
    return platform::GetSetting(application, section, key);
}

void saveSetting(const QString& key, const QString& value) {
    platform::SaveSetting(application, section, key, value);
}

} // namespace core
