#include "ModalScript.h"

#include "Drive.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/ModalWindows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// While no script lives, any modal window is one nobody expects.
void refuseUnexpectedWindows() {
    platform::ModalWindows::setShownHook([](QDialog& window) {
        const auto* panel = window.findChild<platform::Panel3D*>(u"LB_Msg"_s);
        qFatal("window %s \"%s\" opened while no test expects a window", qPrintable(window.objectName()),
               qPrintable(panel ? panel->caption() : QString()));
    });
}
Q_COREAPP_STARTUP_FUNCTION(refuseUnexpectedWindows)

ModalScript::ModalScript() {
    platform::ModalWindows::setShownHook([this](QDialog& window) { onShown(window); });
}

ModalScript::~ModalScript() {
    refuseUnexpectedWindows();
}

ModalScript& ModalScript::press(const QString& button) {
    return then(u"Msg"_s, [this, button](QDialog& window) {
        auto* b = window.findChild<QPushButton*>(button);
        if (!b || b->isHidden())
            fail(u"the message window shows no button %1"_s.arg(button));
        QTest::mouseClick(b, Qt::LeftButton);
    });
}

ModalScript& ModalScript::typePassword(const QString& text) {
    return then(u"Msg2"_s, [text](QDialog& window) {
        typeText(window.findChild<QLineEdit*>(u"Txt_Msg"_s), text);
        QTest::mouseClick(window.findChild<QPushButton*>(u"Cmd_OK"_s), Qt::LeftButton);
    });
}

ModalScript& ModalScript::then(const QString& window, std::function<void(QDialog&)> action) {
    m_steps.append({window, std::move(action)});
    return *this;
}

void ModalScript::record(QDialog& window) {
    Message m;
    if (auto* panel = window.findChild<platform::Panel3D*>(u"LB_Msg"_s))
        m.text = panel->caption();
    for (auto* b : window.findChildren<QPushButton*>()) {
        if (!b->isHidden())
            m.visibleButtons.append(b->objectName());
    }
    if (QWidget* focus = window.focusWidget())
        m.focus = focus->objectName();
    m.statement = Mod1::Sql;
    m_messages.append(m);
}

void ModalScript::onShown(QDialog& window) {
    if (window.objectName() == u"Msg"_s || window.objectName() == u"Msg2"_s)
        record(window);
    if (m_steps.isEmpty())
        fail(u"unexpected window %1"_s.arg(window.objectName()));
    const Step step = m_steps.takeFirst();
    if (step.window != window.objectName())
        fail(u"expected window %1 but %2 opened"_s.arg(step.window, window.objectName()));
    QPointer<QDialog> guard(&window);
    step.action(window);
    // An action that stopped early (a failed check returns from it) must not leave the
    // window waiting for a person.
    if (guard && guard->isVisible()) {
        m_errors.append(u"window %1 was left open"_s.arg(window.objectName()));
        guard->done(0);
    }
}

void ModalScript::fail(const QString& why) const {
    qFatal("%s\n%s", qPrintable(why), qPrintable(report()));
}

QString ModalScript::report() const {
    QStringList lines = m_errors;
    if (!m_steps.isEmpty())
        lines.append(u"%1 expected window(s) never opened, next: %2"_s.arg(m_steps.size()).arg(m_steps.first().window));
    for (const auto& m : m_messages)
        lines.append(u"seen focus %1: %2"_s.arg(m.focus, m.text));
    return lines.join(u'\n');
}

QList<ModalScript::Message> clickAnswering(QWidget* widget, const QStringList& presses) {
    ModalScript script;
    for (const QString& press : presses)
        script.press(press);
    click(widget);
    if (!script.finished())
        QTest::qFail(qPrintable(script.report()), __FILE__, __LINE__);
    return script.messages();
}
