#include "platform/Settings.h"

#include <QSettings>
#include <QStringList>
#include <memory>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

// On Windows the values stay where programs of this kind have always kept them, so an
// existing installation's settings are found; elsewhere they go to a per-user file.
std::unique_ptr<QSettings> store(const QString& application) {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"_s + application,
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, application);
#endif
}

} // namespace

QString GetSetting(const QString& application, const QString& section, const QString& key) {
    auto settings = store(application);
    settings->beginGroup(section);
    const QVariant value = settings->value(key);
    // A hand-edited file may hold an unquoted list ("a, b"); read it back as the text it shows.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    return value.toString();
}

void SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value) {
    auto settings = store(application);
    settings->beginGroup(section);
    settings->setValue(key, value.isNull() ? u""_s : value);
    settings->endGroup();
    settings->sync();
}

} // namespace platform
