#include "platform/ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString& overriddenFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString applicationFolder() {
    const QString& folder = overriddenFolder();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setApplicationFolder(const QString& folder) {
    overriddenFolder() = QDir::cleanPath(folder);
}

} // namespace platform
