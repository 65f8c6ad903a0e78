#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

// Answers the program's coming modal windows in order, the way a person would, and keeps
// what each window showed. A window that no script expects (one too many, another than the
// next expected, or any window while no script lives) ends the test program at once with a
// report of what was seen, so a handler that opens windows in a loop can never hang a test.
class ModalScript {
public:
    // What a message window showed.
    struct Message {
        QString text;
        QString focus; // the button (or box) holding the focus
        QStringList visibleButtons;
        QString statement; // the program's last statement when the window opened
    };

    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // The next window is the message window: press the named button.
    ModalScript& press(const QString& button);
    // The next window is the password prompt: type the text and press "確認".
    ModalScript& typePassword(const QString& text);
    // The next window has this name: do whatever the test needs with it.
    ModalScript& then(const QString& window, std::function<void(QDialog&)> action);

    const QList<Message>& messages() const { return m_messages; }
    // True when every step was used and every window was left by its action.
    bool finished() const { return m_steps.isEmpty() && m_errors.isEmpty(); }
    QString report() const;

private:
    struct Step {
        QString window;
        std::function<void(QDialog&)> action;
    };
    void onShown(QDialog& window);
    void record(QDialog& window);
    [[noreturn]] void fail(const QString& why) const;

    QList<Step> m_steps;
    QList<Message> m_messages;
    QStringList m_errors;
};

// Clicks the widget and answers the message windows that follow with these buttons in turn;
// the test fails when they were not all used. What the windows showed.
QList<ModalScript::Message> clickAnswering(QWidget* widget, const QStringList& presses);

// From here on, until a script is made, any modal window ends the test program.
void refuseUnexpectedWindows();

#define QVERIFY_SCRIPT(script) QVERIFY2((script).finished(), qPrintable((script).report()))
#define QTRY_VERIFY_SCRIPT(script) QTRY_VERIFY2((script).finished(), qPrintable((script).report()))
