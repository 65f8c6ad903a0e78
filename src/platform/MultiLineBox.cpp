#include "platform/MultiLineBox.h"

#include <QMimeData>

using namespace Qt::StringLiterals;

namespace platform {

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
}

QString MultiLineBox::text() const {
    if (!document()->isModified())
        return m_setText;
    QString text = toPlainText();
    text.replace(u"\n"_s, u"\r\n"_s);
    return text;
}

void MultiLineBox::setText(const QString& text) {
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    setPlainText(shown);
    m_setText = text;
    document()->setModified(false);
}

bool MultiLineBox::canInsertFromMimeData(const QMimeData* source) const {
    return source && !source->formats().isEmpty() && QPlainTextEdit::canInsertFromMimeData(source);
}

void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    if (!source || source->formats().isEmpty())
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace platform
