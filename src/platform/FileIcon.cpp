#include "platform/FileIcon.h"

#include "platform/Controls3D.h"
#include "platform/SystemFolder.h"

#include <QFileIconProvider>
#include <QFileInfo>

namespace platform {

namespace {
constexpr int largeIconSize = 32;
}

void drawFileIcon(PictureBox& picture, const QString& path) {
    QIcon icon;
    if (const auto tool = systemToolAt(path)) {
        icon = systemToolIcon(*tool);
    } else {
        const QString file = findFileIgnoringCase(path);
        if (file.isEmpty())
            return;
        icon = QFileIconProvider().icon(QFileInfo(file));
    }
    if (icon.isNull())
        return;
    picture.drawPixmap(QPoint(0, 0), icon.pixmap(QSize(largeIconSize, largeIconSize), picture.devicePixelRatioF()));
}

} // namespace platform
