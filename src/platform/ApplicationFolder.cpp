#include "platform/ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

QString packagedDataFolder() {
    return QDir::cleanPath(QDir(applicationFolder()).filePath(QString::fromUtf8(TAMORU_DATA_FROM_PROGRAM)));
}

QString dataFolder() {
    const QString packaged = packagedDataFolder();
    return QFileInfo(packaged).isDir() ? packaged : applicationFolder();
}

} // namespace platform
