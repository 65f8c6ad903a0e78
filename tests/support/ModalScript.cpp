#include "ModalScript.h"

#include "platform/Controls3D.h"
#include "platform/ModalWindows.h"

#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

ModalScript::ModalScript() {
    platform::ModalWindows::setShownHook([this](QDialog& window) { onShown(window); });
}

ModalScript::~ModalScript() {
    platform::ModalWindows::setShownHook(nullptr);
}

ModalScript& ModalScript::press(const QString& button) {
    return then(u"Msg"_s, [this, button](QDialog& window) {
        auto* b = window.findChild<QPushButton*>(button);
        if (!b || b->isHidden()) {
            m_errors.append(u"the message window shows no button %1"_s.arg(button));
            window.done(0);
            return;
        }
        QTest::mouseClick(b, Qt::LeftButton);
    });
}

ModalScript& ModalScript::typePassword(const QString& text) {
    return then(u"Msg2"_s, [text](QDialog& window) {
        auto* box = window.findChild<QLineEdit*>(u"Txt_Msg"_s);
        typeText(box, text);
        QTest::mouseClick(window.findChild<QPushButton*>(u"Cmd_OK"_s), Qt::LeftButton);
    });
}

ModalScript& ModalScript::closePrompt() {
    return then(u"Msg2"_s, [](QDialog& window) { window.close(); });
}

ModalScript& ModalScript::then(const QString& window, std::function<void(QDialog&)> action) {
    m_steps.append({window, std::move(action)});
    return *this;
}

void ModalScript::record(QDialog& window) {
    Message m;
    m.window = window.objectName();
    if (auto* panel = window.findChild<platform::Panel3D*>(u"LB_Msg"_s))
        m.text = panel->caption();
    for (auto* b : window.findChildren<QPushButton*>()) {
        if (!b->isHidden())
            m.visibleButtons.append(b->objectName());
    }
    if (m.visibleButtons.contains(u"Cmd_Yes2"_s))
        m.kind = 2;
    else if (m.visibleButtons.contains(u"Cmd_Yes"_s))
        m.kind = 1;
    else if (m.visibleButtons.contains(u"Cmd_OK"_s))
        m.kind = 0;
    if (QWidget* focus = window.focusWidget())
        m.focus = focus->objectName();
    m_messages.append(m);
}

void ModalScript::onShown(QDialog& window) {
    if (window.objectName() == u"Msg"_s || window.objectName() == u"Msg2"_s)
        record(window);
    if (m_steps.isEmpty()) {
        m_errors.append(u"unexpected window %1 \"%2\""_s.arg(
            window.objectName(), m_messages.isEmpty() ? QString() : m_messages.last().text));
        window.done(0);
        return;
    }
    const Step step = m_steps.takeFirst();
    if (step.window != window.objectName()) {
        m_errors.append(u"expected window %1 but %2 opened"_s.arg(step.window, window.objectName()));
        window.done(0);
        return;
    }
    QPointer<QDialog> guard(&window);
    step.action(window);
    // An action that stopped early (a failed check returns from it) must not leave the
    // window waiting for a person.
    if (guard && guard->isVisible()) {
        m_errors.append(u"window %1 was left open"_s.arg(window.objectName()));
        guard->done(0);
    }
}

QString ModalScript::report() const {
    QStringList lines = m_errors;
    if (!m_steps.isEmpty())
        lines.append(u"%1 expected window(s) never opened, next: %2"_s.arg(m_steps.size()).arg(m_steps.first().window));
    for (const auto& m : m_messages)
        lines.append(u"seen %1 kind %2 focus %3: %4"_s.arg(m.window).arg(m.kind).arg(m.focus, m.text));
    return lines.join(u'\n');
}

void typeText(QWidget* widget, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (c < 128 && one.front().isPrint())
            QTest::keyClicks(widget, one);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, one, Qt::NoModifier);
    }
}
