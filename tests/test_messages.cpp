// The message window and the password prompt, driven the way a person answers them.
#include "Fixture.h"
#include "ModalScript.h"
#include "core/Mod1.h"
#include "core/Msg.h"
#include "core/Msg2.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ModalWindows.h"
#include "platform/Twips.h"

#include <QLineEdit>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;

class MessagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void buttonsFocusAndAnswers_data();
    void buttonsFocusAndAnswers();
    void unknownKindShowsNothing();
    void longTextIsNotCutOff();
    void twoMessagesInARow();
    void captionsAndTabOrder();
    void centresOverOwner();
    void escapeAndCloseBox_data();
    void escapeAndCloseBox();
    void promptAnswers_data();
    void promptAnswers();
    void promptMasksAndKeepsIdle();

private:
    QWidget m_owner;
};

void MessagesTest::initTestCase() {
    platform::setUpDesktop();
    m_owner.setGeometry(100, 100, 600, 400);
    m_owner.show();
}

// Each kind with each focus argument: the buttons on view, the one holding the focus, and
// the answer that pressing it gives. The text reaches the panel unchanged, carriage return
// included.
void MessagesTest::buttonsFocusAndAnswers_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("focus");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("answer");

    QTest::newRow("notice") << 0 << 0 << QStringList{u"Cmd_OK"_s} << u"Cmd_OK"_s << 1;
    QTest::newRow("notice ignores focus") << 0 << 1 << QStringList{u"Cmd_OK"_s} << u"Cmd_OK"_s << 1;
    const QStringList yesNo{u"Cmd_No"_s, u"Cmd_Yes"_s};
    QTest::newRow("question, yes") << 1 << 0 << yesNo << u"Cmd_Yes"_s << 6;
    QTest::newRow("question, no") << 1 << 1 << yesNo << u"Cmd_No"_s << 7;
    QTest::newRow("question, tab order") << 1 << 5 << yesNo << u"Cmd_No"_s << 7;
    const QStringList three{u"Cmd_Cancel2"_s, u"Cmd_No2"_s, u"Cmd_Yes2"_s};
    QTest::newRow("cancel question, yes") << 2 << 0 << three << u"Cmd_Yes2"_s << 6;
    QTest::newRow("cancel question, no") << 2 << 1 << three << u"Cmd_No2"_s << 7;
    QTest::newRow("cancel question, cancel") << 2 << 2 << three << u"Cmd_Cancel2"_s << 2;
    QTest::newRow("cancel question, tab order") << 2 << -1 << three << u"Cmd_Yes2"_s << 6;
}

void MessagesTest::buttonsFocusAndAnswers() {
    QFETCH(int, kind);
    QFETCH(int, focus);
    QFETCH(QStringList, buttons);
    QFETCH(QString, focused);
    QFETCH(int, answer);
    ModalScript script;
    script.press(focused);
    const QString text = u"［ 2026/3/5 ］\rのメモを更新してよろしいですか？"_s;
    QCOMPARE(Mod1::ShowMessage(text, qint16(kind), &m_owner, qint16(focus)), qint16(answer));
    QCOMPARE(Mod1::MsgResult, qint16(answer));
    QVERIFY2(script.finished(), qPrintable(script.report()));
    const auto& seen = script.messages().first();
    QStringList visible = seen.visibleButtons;
    visible.sort();
    QCOMPARE(visible, buttons);
    QCOMPARE(seen.focus, focused);
    QCOMPARE(seen.text, text);
}

void MessagesTest::unknownKindShowsNothing() {
    ModalScript script; // any window would be an error
    Mod1::MsgResult = 6;
    QCOMPARE(Mod1::ShowMessage(u"x"_s, 3, &m_owner, 0), qint16(0));
    QCOMPARE(Mod1::ShowMessage(u"x"_s, -1, &m_owner, 0), qint16(0));
    QCOMPARE(Mod1::MsgKind, qint16(0));
    QCOMPARE(Mod1::MsgText, u"x"_s);
    QVERIFY2(script.finished(), qPrintable(script.report()));
}

void MessagesTest::longTextIsNotCutOff() {
    ModalScript script;
    script.then(u"Msg"_s, [](QDialog& window) {
        auto* panel = window.findChild<platform::Panel3D*>(u"LB_Msg"_s);
        auto* ok = window.findChild<QPushButton*>(u"Cmd_OK"_s);
        QVERIFY(panel->height() >= panel->heightForWidth(panel->width()) - 2 * panel->frameWidth());
        QVERIFY(ok->geometry().top() >= panel->geometry().bottom());
        QVERIFY(window.rect().contains(ok->geometry()));
        ok->click();
    });
    Mod1::ShowMessage(u"データベースの処理に失敗しました。\r"_s + QString(20, u'長') + u"\r"_s + QString(60, u'x') +
                          u"\r最後の行"_s,
                      0, &m_owner, 0);
    QVERIFY2(script.finished(), qPrintable(script.report()));
}

void MessagesTest::twoMessagesInARow() {
    ModalScript script;
    script.press(u"Cmd_Cancel2"_s).press(u"Cmd_OK"_s);
    Mod1::ShowMessage(u"first"_s, 2, &m_owner, 2);
    Mod1::ShowMessage(u"second"_s, 0, &m_owner, 0);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[1].visibleButtons, QStringList{u"Cmd_OK"_s});
    QCOMPARE(script.messages()[1].text, u"second"_s);
}

// The captions keep their leading blanks; the prompt's tab order starts in the box.
void MessagesTest::captionsAndTabOrder() {
    Mod1::MsgKind = 2;
    Mod1::MsgText = u"t"_s;
    Msg msg;
    QCOMPARE(msg.windowTitle(), u"Tamoru ～ メッセージ ～"_s);
    QCOMPARE(msg.size(), QSize(platform::twips(4665), platform::twips(1140)));
    const QList<std::pair<platform::Button3D*, QString>> captions{
        {msg.Cmd_OK, QString(13, u' ') + u"確認"_s},    {msg.Cmd_No, QString(16, u' ') + u"いいえ"_s},
        {msg.Cmd_Yes, QString(14, u' ') + u"はい"_s},   {msg.Cmd_Yes2, QString(12, u' ') + u"はい"_s},
        {msg.Cmd_No2, QString(14, u' ') + u"いいえ"_s}, {msg.Cmd_Cancel2, QString(12, u' ') + u"ｷｬﾝｾﾙ"_s}};
    for (qsizetype i = 0; i < captions.size(); ++i) {
        QCOMPARE(captions[i].first->text(), captions[i].second);
        if (i + 1 < captions.size()) // the list above is in tab order
            QCOMPARE(captions[i].first->nextInFocusChain(), captions[i + 1].first);
    }
    QCOMPARE(msg.LB_Msg->focusPolicy(), Qt::NoFocus);

    Msg2 prompt;
    QCOMPARE(prompt.size(), QSize(platform::twips(4650), platform::twips(1530)));
    QCOMPARE(prompt.Cmd_OK->text(), QString(15, u' ') + u"確認"_s);
    QCOMPARE(prompt.Txt_Msg->nextInFocusChain(), prompt.Cmd_OK);
}

void MessagesTest::centresOverOwner() {
    ModalScript script;
    QPoint centre;
    script.then(u"Msg"_s, [&](QDialog& window) {
        centre = window.frameGeometry().center();
        window.findChild<QPushButton*>(u"Cmd_OK"_s)->click();
    });
    Mod1::ShowMessage(u"x"_s, 0, &m_owner, 0);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QVERIFY((centre - m_owner.frameGeometry().center()).manhattanLength() <= 2);
}

// A notice closes as OK and a question with cancel as Cancel; a Yes/No question has no
// close box and ignores Escape, so a dismissed question never reads as consent.
void MessagesTest::escapeAndCloseBox_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("notice") << 0 << 1 << true;
    QTest::newRow("question") << 1 << 7 << false;
    QTest::newRow("question with cancel") << 2 << 2 << true;
}

void MessagesTest::escapeAndCloseBox() {
    QFETCH(int, kind);
    QFETCH(int, answer);
    QFETCH(bool, closeBox);
    ModalScript script;
    script.then(u"Msg"_s, [&](QDialog& window) {
        QCOMPARE(bool(window.windowFlags() & Qt::WindowCloseButtonHint), closeBox);
        QTest::keyClick(&window, Qt::Key_Escape);
        window.close();
        if (window.isVisible()) // a Yes/No question is still waiting
            window.findChild<QPushButton*>(u"Cmd_No"_s)->click();
    });
    QCOMPARE(Mod1::ShowMessage(u"x"_s, qint16(kind), &m_owner, 0), qint16(answer));
    QVERIFY2(script.finished(), qPrintable(script.report()));
}

void MessagesTest::promptAnswers_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("ascii") << u"secret"_s;
    QTest::newRow("empty") << u""_s;
    QTest::newRow("quote") << u"' OR '1'='1"_s;
    QTest::newRow("japanese") << u"ひみつ"_s;
}

void MessagesTest::promptAnswers() {
    QFETCH(QString, typed);
    ModalScript script;
    script.typePassword(typed);
    Mod1::MsgOwner = &m_owner;
    Mod1::MsgText = u"[ 山田 ]さんのパスワードを入力して下さい。"_s;
    Mod1::MsgResult = 6;
    Msg2 prompt;
    platform::ModalWindows::exec(prompt);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().first().text, u"[ 山田 ]さんのパスワードを入力して下さい。"_s);
    QCOMPARE(script.messages().first().focus, u"Txt_Msg"_s);
    QCOMPARE(Mod1::MsgText, typed);
    QCOMPARE(Mod1::MsgResult, qint16(6)); // the prompt never touches the answer
}

void MessagesTest::promptMasksAndKeepsIdle() {
    Mod1::MsgText = u"q"_s;
    Msg2 prompt;
    QCOMPARE(prompt.Txt_Msg->echoMode(), QLineEdit::Password);
    prompt.Txt_Msg->ensurePolished();
    QCOMPARE(prompt.Txt_Msg->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, prompt.Txt_Msg),
             int(u'*'));
    QVERIFY(!prompt.Txt_Msg->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(prompt.Cmd_OK->isDefault());
}

QTEST_MAIN(MessagesTest)
#include "test_messages.moc"
