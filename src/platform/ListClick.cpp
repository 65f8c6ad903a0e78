#include "platform/ListClick.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>

namespace platform {

ListClick::ListClick(QAbstractItemView* list) : QObject(list) {
    list->viewport()->installEventFilter(this);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_choiceChanged = true;
        Q_EMIT clicked();
    });
    connect(list, &QAbstractItemView::clicked, this, [this] {
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
