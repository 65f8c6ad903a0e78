#pragma once

#include <QPlainTextEdit>

namespace platform {

// A text box of several lines holding plain text. A line break typed into it reads back as
// "\r\n"; a text that was set and not edited since reads back exactly as it was set, whatever
// line breaks it holds.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

protected:
    // Pasting when nothing owns the clipboard brings mime data without formats; Qt 6.4 under
    // X11 crashes inserting it, so such a paste inserts nothing.
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

private:
    QString m_setText;
};

} // namespace platform
