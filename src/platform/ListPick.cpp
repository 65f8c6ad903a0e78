#include "platform/ListPick.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>

namespace platform {

void onListPick(QComboBox* box, QObject* context, std::function<void()> handler) {
    // QComboBox reports an entry as activated when typed text equals it and the editing ends.
    // Our own connections to editingFinished come before and after the box's own, so they
    // mark the moment in which such an activation is raised.
    auto finishingTypedText = std::make_shared<bool>(false);
    auto* edit = new QLineEdit(box);
    QObject::connect(edit, &QLineEdit::editingFinished, context, [finishingTypedText] { *finishingTypedText = true; });
    box->setEditable(true);
    box->setLineEdit(edit);
    QObject::connect(edit, &QLineEdit::editingFinished, context, [finishingTypedText] { *finishingTypedText = false; });
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);

    QObject::connect(box, &QComboBox::activated, context, [finishingTypedText, handler = std::move(handler)] {
        if (!*finishingTypedText)
            handler();
    });
}

} // namespace platform
