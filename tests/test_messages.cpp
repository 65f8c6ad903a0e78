// The message window and the password prompt, driven the way a person answers them.
#include "Drive.h"
#include "core/Msg2.h"
#include "platform/ModalWindows.h"

#include <QStyle>

namespace {

// Each kind with each focus argument: the buttons on view, the one holding the focus, the one
// pressed ("Escape": the key, then the close box) and the answer. A Yes/No question has no close
// box and ignores Escape, so a dismissed question never reads as consent.
const struct ButtonsCase {
    const char* tag;
    int kind, focus;
    QString buttons, focused, pressed;
    int answer;
} buttonsCases[] = {
    {"notice", 0, 0, u"Cmd_OK"_s, u"Cmd_OK"_s, u"Cmd_OK"_s, 1},
    {"notice, escape", 0, 0, u"Cmd_OK"_s, u"Cmd_OK"_s, u"Escape"_s, 1},
    {"question, yes", 1, 0, u"Cmd_Yes Cmd_No"_s, u"Cmd_Yes"_s, u"Cmd_Yes"_s, 6},
    {"question, no", 1, 1, u"Cmd_Yes Cmd_No"_s, u"Cmd_No"_s, u"Cmd_No"_s, 7},
    {"question, tab order", 1, 5, u"Cmd_Yes Cmd_No"_s, u"Cmd_No"_s, u"Cmd_No"_s, 7},
    {"question, escape", 1, 0, u"Cmd_Yes Cmd_No"_s, u"Cmd_Yes"_s, u"Escape"_s, 7},
    {"cancel question, yes", 2, 0, u"Cmd_Yes2 Cmd_No2 Cmd_Cancel2"_s, u"Cmd_Yes2"_s, u"Cmd_Yes2"_s, 6},
    {"cancel question, no", 2, 1, u"Cmd_Yes2 Cmd_No2 Cmd_Cancel2"_s, u"Cmd_No2"_s, u"Cmd_No2"_s, 7},
    {"cancel question, cancel", 2, 2, u"Cmd_Yes2 Cmd_No2 Cmd_Cancel2"_s, u"Cmd_Cancel2"_s, u"Cmd_Cancel2"_s, 2},
    {"cancel question, tab order", 2, -1, u"Cmd_Yes2 Cmd_No2 Cmd_Cancel2"_s, u"Cmd_Yes2"_s, u"Cmd_Yes2"_s, 6},
    {"cancel question, escape", 2, 0, u"Cmd_Yes2 Cmd_No2 Cmd_Cancel2"_s, u"Cmd_Yes2"_s, u"Escape"_s, 2}};

} // namespace

class MessagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        platform::setUpDesktop();
        m_owner.setGeometry(100, 100, 600, 400);
        m_owner.show();
    }
    // The text reaches the panel unchanged, carriage return included.
    void buttonsFocusAndAnswers_data() { addCases(buttonsCases); }
    void buttonsFocusAndAnswers() {
        const ButtonsCase& c = currentCase(buttonsCases);
        ModalScript script;
        script.then(u"Msg"_s, [&](QDialog& window) {
            QCOMPARE(bool(window.windowFlags() & Qt::WindowCloseButtonHint), c.kind != 1);
            if (c.pressed != u"Escape"_s)
                return click(window.findChild<QPushButton*>(c.pressed));
            QTest::keyClick(&window, Qt::Key_Escape);
            window.close();
            if (window.isVisible()) // a Yes/No question is still waiting
                click(window.findChild<QPushButton*>(u"Cmd_No"_s));
        });
        const QString text = u"［ 2026/3/5 ］\rのメモを更新してよろしいですか？"_s;
        QCOMPARE(Mod1::ShowMessage(text, qint16(c.kind), &m_owner, qint16(c.focus)), qint16(c.answer));
        QCOMPARE(Mod1::MsgResult, qint16(c.answer));
        QVERIFY_SCRIPT(script);
        const auto& seen = script.messages().first();
        QCOMPARE(seen.visibleButtons.join(u' '), c.buttons);
        QCOMPARE(seen.focus, c.focused);
        QCOMPARE(seen.text, text);
    }
    // The prompt hands back what was typed, shown as stars, and never touches the answer.
    void promptAnswers_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("ascii") << u"secret"_s;
        QTest::newRow("empty") << u""_s;
        QTest::newRow("quotes") << u"' OR '1'='1"_s;
        QTest::newRow("japanese with blanks") << u" ひみつ "_s;
    }
    void promptAnswers() {
        QFETCH(QString, typed);
        ModalScript script;
        QString star;
        script.then(u"Msg2"_s, [&](QDialog& window) {
            auto* box = window.findChild<QLineEdit*>(u"Txt_Msg"_s);
            star = QChar(box->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, box));
            QVERIFY(box->echoMode() == QLineEdit::Password && !box->testAttribute(Qt::WA_InputMethodEnabled));
            typeText(box, typed);
            QTest::keyClick(box, Qt::Key_Return); // the button is the default one
        });
        Mod1::MsgOwner = &m_owner;
        Mod1::MsgText = u"[ 山田 ]さんのパスワードを入力して下さい。"_s;
        Mod1::MsgResult = 6;
        Msg2 prompt;
        platform::ModalWindows::exec(prompt);
        QVERIFY_SCRIPT(script);
        QCOMPARE(script.messages().first().text, u"[ 山田 ]さんのパスワードを入力して下さい。"_s);
        QCOMPARE(script.messages().first().focus, u"Txt_Msg"_s);
        QCOMPARE(star, u"*"_s);
        QCOMPARE(Mod1::MsgText, typed);
        QCOMPARE(Mod1::MsgResult, qint16(6));
    }

private:
    QWidget m_owner;
};

QTEST_MAIN(MessagesTest)
#include "test_messages.moc"
