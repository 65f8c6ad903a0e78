#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

// Answers the program's coming modal windows in order, the way a person would, and keeps
// what each window showed. A window that was not expected is recorded as an error and
// closed, so a test never hangs on it.
class ModalScript {
public:
    // What a message window showed.
    struct Message {
        QString window; // "Msg" or "Msg2"
        QString text;
        int kind = -1; // from the buttons on view
        QString focus; // the button (or box) holding the focus
        QStringList visibleButtons;
    };

    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // The next window is the message window: press the named button.
    ModalScript& press(const QString& button);
    // The next window is the password prompt: type the text and press "確認".
    ModalScript& typePassword(const QString& text);
    // The next window is the password prompt: close it through its title bar.
    ModalScript& closePrompt();
    // The next window has this name: do whatever the test needs with it.
    ModalScript& then(const QString& window, std::function<void(QDialog&)> action);

    const QList<Message>& messages() const { return m_messages; }
    const QStringList& errors() const { return m_errors; }
    // True when every step was used and nothing unexpected happened.
    bool finished() const { return m_steps.isEmpty() && m_errors.isEmpty(); }
    QString report() const;

private:
    struct Step {
        QString window;
        std::function<void(QDialog&)> action;
    };
    void onShown(QDialog& window);
    void record(QDialog& window);

    QList<Step> m_steps;
    QList<Message> m_messages;
    QStringList m_errors;
};

// Types text into a widget as key events; Japanese and other non-ASCII text included.
void typeText(QWidget* widget, const QString& text);
