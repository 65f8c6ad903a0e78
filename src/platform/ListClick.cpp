#include "platform/ListClick.h"

#include <QEvent>
#include <QListWidget>

namespace platform {

ListClick::ListClick(QListWidget* list) : QObject(list) {
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        m_choiceChanged = true;
        Q_EMIT clicked();
    });
    connect(list, &QListWidget::itemClicked, this, [this] {
        if (!m_choiceChanged)
            Q_EMIT clicked();
    });
}

bool ListClick::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        m_choiceChanged = false;
    return QObject::eventFilter(watched, event);
}

} // namespace platform
