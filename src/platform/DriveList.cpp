#include "platform/DriveList.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

QString cleanRoot(const QString& root) {
    return QDir::cleanPath(QDir::fromNativeSeparators(root));
}

#ifndef Q_OS_WIN
// Volumes that the system mounts for itself, where nobody keeps programs to start.
bool isSystemMount(const QStorageInfo& volume) {
    const QString root = volume.rootPath();
    for (const auto& area : {u"/dev"_s, u"/proc"_s, u"/sys"_s, u"/snap"_s, u"/run"_s}) {
        if ((root == area || root.startsWith(area + u'/')) && !root.startsWith(u"/run/media/"_s))
            return true;
    }
    const QByteArray type = volume.fileSystemType();
    return type == "tmpfs" || type == "devtmpfs" || type == "ramfs" || type == "squashfs";
}
#endif

} // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives())
        addDrive(drive.absoluteFilePath(), QStorageInfo(drive.absoluteFilePath()).name());
#else
    QList<QStorageInfo> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && (volume.isRoot() || !isSystemMount(volume)) && QFileInfo(volume.rootPath()).isDir())
            volumes.append(volume);
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo& a, const QStorageInfo& b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo& volume : volumes)
        addDrive(volume.rootPath(), volume.name());
#endif
}

void DriveList::addDrive(const QString& root, const QString& label) {
    const QString clean = cleanRoot(root);
    if (findData(clean) >= 0)
        return;
    int at = 0; // in the order of the roots
    while (at < count() && itemData(at).toString() < clean)
        ++at;
    insertItem(at, label.isEmpty() ? clean : u"%1 [%2]"_s.arg(clean, label), clean);
}

QString DriveList::drive() const {
    return currentData().toString();
}

bool DriveList::setDrive(const QString& root) {
    const QString clean = cleanRoot(root);
    int index = findData(clean);
    if (index < 0) {
        // A drive left out of the list (a tmpfs /tmp, say) is listed once a folder on it is shown.
        if (!QFileInfo(clean).isDir())
            return false;
        addDrive(clean, QStorageInfo(clean).name());
        index = findData(clean);
    }
    setCurrentIndex(index);
    return true;
}

QString DriveList::driveOf(const QString& path) {
    const QStorageInfo volume(path);
    return volume.isValid() ? cleanRoot(volume.rootPath()) : QString();
}

} // namespace platform
