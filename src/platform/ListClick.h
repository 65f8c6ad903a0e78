#pragma once

#include <QObject>

class QAbstractItemView;

namespace platform {

// The "Click" of a list: an entry chosen with the mouse or the keys, and also a click on the
// entry that is chosen already, which changes no selection. Refilling the list is no click.
class ListClick : public QObject {
    Q_OBJECT
public:
    explicit ListClick(QAbstractItemView* list);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_choiceChanged = false; // by the press of the click under way
};

} // namespace platform
