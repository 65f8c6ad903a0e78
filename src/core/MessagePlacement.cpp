#include "core/MessagePlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace core {

void centreOverOwner(QWidget* window, const QWidget* owner) {
    QRectF around;
    QSizeF frame(0, 0); // the title bar and borders, where the desktop has told them
    if (owner && owner->isVisible()) {
        around = owner->frameGeometry();
        frame = owner->frameGeometry().size() - owner->geometry().size();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        around = screen->availableGeometry();
    }
    const QSizeF outer = QSizeF(window->size()) + frame;
    const double left = around.left() + (around.width() - outer.width()) / 2;
    const double top = around.top() + (around.height() - outer.height()) / 2;
    window->move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

} // namespace core
