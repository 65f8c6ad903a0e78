// The diary: the password in front of a day's diary, the row of that day and user, and the
// editor with its two ways of saving.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "calendar/CalendarFrame.h"
#include "calendar/MEMO.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "platform/Clock.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/MultiLineBox.h"
#include "platform/Twips.h"
#include "users/UserFrame.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString today = u"2026/3/5"_s;

// A phone-book-free program with a few users, started with `user` saved as the current one.
struct Program {
    explicit Program(const QString& user = u"山田"_s) {
        folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , 'pw')"_s);
        folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('O''Neil' , 'it''s')"_s);
        folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('空' , '')"_s);
        folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('未設定' , Null)"_s);
        ProgramFolder::saveSetting(u"User"_s, user);
        main = std::make_unique<Main>();
        startMain(*main);
    }
    ~Program() { main.reset(); }

    qint64 rows(const QString& condition = u"1"_s) {
        return folder.scalar(u"select count(*) as [TOTAL] FROM TMP_Sche WHERE "_s + condition).toLongLong();
    }
    QString storedText(const QString& user, const QString& date = today) {
        auto r = folder.db().openRecordset(u"select * from TMP_Sche where UserName = '"_s + user +
                                           u"' and Date_Data = '"_s + date + u"'"_s);
        return r->atEnd() ? u"<none>"_s : r->field(u"Daily_Data"_s).toString();
    }
    void clickDiary() { QTest::mouseClick(main->calendar().Cmd_Edit, Qt::LeftButton); }

    ProgramFolder folder;
    std::unique_ptr<Main> main;
};

MEMO& editor(QDialog& window) {
    return static_cast<MEMO&>(window);
}

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class DiaryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void guestIsRefused();
    void password_data();
    void password();
    void oneRowPerUserAndDay();
    void editorShowsTheRowAndLooksRight();
    void saveWithSet_data();
    void saveWithSet();
    void exitAnswers_data();
    void exitAnswers();
    void changeFlagFollowsTheText();
    void savingTouchesOnlyThatRow();
    void textsReadBackExactly_data();
    void textsReadBackExactly();
    void calendarAndUserHeldWhileOpen();
    void desktopCloseAndEscapeSaveNothing();
    void rowGoneIsNotASave();
};

void DiaryTest::initTestCase() {
    platform::setUpDesktop();
}

void DiaryTest::init() {
    platform::setClock([] { return QDateTime(QDate(2026, 3, 5), QTime(12, 0, 30)); });
}

void DiaryTest::cleanup() {
    platform::setClock(nullptr);
}

void DiaryTest::guestIsRefused() {
    Program program(u"Guest"_s);
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().size(), 1);
    QCOMPARE(script.messages()[0].text, u"Guestの方は日記を登録できません。"_s);
    QCOMPARE(script.messages()[0].kind, 0);
    QCOMPARE(program.rows(), 0);
}

void DiaryTest::password_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("closePrompt");
    QTest::addColumn<bool>("opens");

    QTest::newRow("right") << u"山田"_s << u"pw"_s << false << true;
    QTest::newRow("letter case counts") << u"山田"_s << u"PW"_s << false << false;
    QTest::newRow("empty against a password") << u"山田"_s << u""_s << false << false;
    QTest::newRow("empty against empty") << u"空"_s << u""_s << false << true;
    QTest::newRow("something against empty") << u"空"_s << u"x"_s << false << false;
    QTest::newRow("empty against never set") << u"未設定"_s << u""_s << false << true;
    QTest::newRow("something against never set") << u"未設定"_s << u"x"_s << false << false;
    QTest::newRow("quote in name and password") << u"O'Neil"_s << u"it's"_s << false << true;
    QTest::newRow("injection") << u"山田"_s << u"' OR '1'='1"_s << false << false;
    QTest::newRow("injection on a quoted name") << u"O'Neil"_s << u"x' OR 'a'='a"_s << false << false;
    QTest::newRow("prompt closed") << u"山田"_s << u""_s << true << false;
}

void DiaryTest::password() {
    QFETCH(QString, user);
    QFETCH(QString, typed);
    QFETCH(bool, closePrompt);
    QFETCH(bool, opens);
    Program program(user);
    QCOMPARE(program.main->users().Cmb_User->currentText(), user);

    ModalScript script;
    if (closePrompt)
        script.closePrompt();
    else
        script.typePassword(typed);
    if (opens)
        script.then(u"MEMO"_s, [](QDialog& w) { click(editor(w).Cmd_Exit); });
    else
        script.press(u"Cmd_OK"_s);
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report()));

    QCOMPARE(script.messages()[0].window, u"Msg2"_s);
    QCOMPARE(script.messages()[0].text, u"[ "_s + user + u" ]さんのパスワードを入力して下さい。"_s);
    if (!opens) {
        QCOMPARE(script.messages()[1].text, u"パスワードが間違っています。"_s);
        QCOMPARE(script.messages()[1].kind, 0);
    }
    QCOMPARE(program.rows(), opens ? 1 : 0);
}

void DiaryTest::oneRowPerUserAndDay() {
    Program program;
    const auto openAndLeave = [&](const QString& password) {
        ModalScript script;
        script.typePassword(password).then(u"MEMO"_s, [](QDialog& w) { click(editor(w).Cmd_Exit); });
        program.clickDiary();
        QVERIFY2(script.finished(), qPrintable(script.report()));
    };
    openAndLeave(u"pw"_s);
    openAndLeave(u"pw"_s);
    QCOMPARE(program.rows(), 1);
    QCOMPARE(Mod1::Sql, u"SELECT * FROM TMP_Sche WHERE Date_Data = '2026/3/5' And UserName = '山田'"_s);

    program.main->users().Cmb_User->setEditText(u"空"_s);
    openAndLeave(u""_s);
    QCOMPARE(program.rows(), 2);
    QCOMPARE(program.rows(u"UserName = '空' AND Date_Data = '2026/3/5' AND Daily_Data = ''"_s), 1);
}

void DiaryTest::editorShowsTheRowAndLooksRight() {
    Program program;
    program.folder.execute(u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('2026/3/5' , '前の日記' , "
                           u"'山田')"_s);
    ModalScript script;
    script.typePassword(u"pw"_s).then(u"MEMO"_s, [](QDialog& w) {
        MEMO& memo = editor(w);
        QCOMPARE(memo.windowTitle(), u"Tamoru ～ 日記その他 ～"_s);
        QCOMPARE(memo.size(), QSize(platform::twips(8370), platform::twips(7590)));
        QCOMPARE(memo.pos(), QPoint(platform::twips(400), platform::twips(400)));
        QCOMPARE(memo.Data_Date->caption(), u"2026/3/5"_s);
        QCOMPARE(memo.Lab_User->caption(), u"山田"_s);
        QCOMPARE(memo.Txt_Memo->text(), u"前の日記"_s);
        QCOMPARE(memo.Txt_Memo->geometry(), platform::twipsRect(45, 315, 8295, 6225));
        QCOMPARE(memo.Cmd_Set->text(), u"セット"_s);
        QCOMPARE(memo.Cmd_Exit->text(), u"ＥＸＩＴ"_s);
        QCOMPARE(memo.focusWidget(), memo.Txt_Memo);
        QCOMPARE(memo.MemoChanged, qint16(0));
        const QString family = QFontInfo(memo.Txt_Memo->font()).family();
        QVERIFY2(family.contains(u"Gothic"_s) || family.contains(u"Mono"_s), qPrintable(family));
        QCOMPARE(memo.Txt_Memo->font().pointSizeF(), 11.25);
        click(memo.Cmd_Exit); // unchanged text: closes at once, no question
    });
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().size(), 1);
}

void DiaryTest::saveWithSet_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("yes") << u"Cmd_Yes"_s << true;
    QTest::newRow("no") << u"Cmd_No"_s << false;
}

void DiaryTest::saveWithSet() {
    QFETCH(QString, answer);
    QFETCH(bool, saved);
    Program program;
    qint16 flagAfter = -1;
    ModalScript script;
    script.typePassword(u"pw"_s).then(u"MEMO"_s, [&](QDialog& w) {
        MEMO& memo = editor(w);
        typeText(memo.Txt_Memo, u"今日は晴れ"_s);
        click(memo.Cmd_Set);
        flagAfter = memo.MemoChanged;
        QVERIFY(memo.isVisible()); // the window stays open either way
        click(memo.Cmd_Exit);
    });
    script.press(answer);
    if (saved)
        script.press(u"Cmd_OK"_s); // "メモを更新しました。"
    else
        script.press(u"Cmd_No2"_s); // "ＥＸＩＴ" still asks
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report()));

    const auto& question = script.messages()[1];
    QCOMPARE(question.text, u"［ 2026/3/5 ］\rのメモを更新してよろしいですか？"_s);
    QCOMPARE(question.kind, 1);
    QCOMPARE(question.focus, u"Cmd_No"_s);
    QCOMPARE(flagAfter, qint16(saved ? 0 : 1));
    if (saved) {
        QCOMPARE(script.messages()[2].text, u"メモを更新しました。"_s);
        QCOMPARE(script.messages()[2].kind, 0);
        QCOMPARE(script.messages().size(), 3); // "ＥＸＩＴ" closed without asking
    }
    QCOMPARE(program.storedText(u"山田"_s), saved ? u"今日は晴れ"_s : u""_s);
}

void DiaryTest::exitAnswers_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("yes") << u"Cmd_Yes2"_s << true << false;
    QTest::newRow("no") << u"Cmd_No2"_s << false << false;
    QTest::newRow("cancel") << u"Cmd_Cancel2"_s << false << true;
}

void DiaryTest::exitAnswers() {
    QFETCH(QString, answer);
    QFETCH(bool, saved);
    QFETCH(bool, staysOpen);
    Program program;
    bool openAfterExit = false;
    qint16 flagAfterExit = -1;
    ModalScript script;
    script.typePassword(u"pw"_s).then(u"MEMO"_s, [&](QDialog& w) {
        MEMO& memo = editor(w);
        typeText(memo.Txt_Memo, u"メモ"_s);
        click(memo.Cmd_Exit);
        openAfterExit = memo.isVisible();
        flagAfterExit = memo.MemoChanged;
        if (memo.isVisible())
            memo.close();
    });
    script.press(answer);
    if (saved)
        script.press(u"Cmd_OK"_s);
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report()));

    const auto& question = script.messages()[1];
    QCOMPARE(question.text, u"メモが更新されていませんが更新しますか？"_s);
    QCOMPARE(question.kind, 2);
    QCOMPARE(question.focus, u"Cmd_Yes2"_s);
    if (saved)
        QCOMPARE(script.messages()[2].text, u"2026/3/5 のメモを更新しました。"_s);
    QCOMPARE(openAfterExit, staysOpen);
    if (staysOpen)
        QCOMPARE(flagAfterExit, qint16(1));
    QCOMPARE(program.storedText(u"山田"_s), saved ? u"メモ"_s : u""_s);
}

// Saved, then typed again: "ＥＸＩＴ" asks again.
void DiaryTest::changeFlagFollowsTheText() {
    Program program;
    ModalScript script;
    script.typePassword(u"pw"_s)
        .then(u"MEMO"_s,
              [](QDialog& w) {
                  MEMO& memo = editor(w);
                  typeText(memo.Txt_Memo, u"a"_s);
                  click(memo.Cmd_Set);
                  typeText(memo.Txt_Memo, u"b"_s);
                  QCOMPARE(memo.MemoChanged, qint16(1));
                  click(memo.Cmd_Exit);
              })
        .press(u"Cmd_Yes"_s)
        .press(u"Cmd_OK"_s)
        .press(u"Cmd_No2"_s);
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(program.storedText(u"山田"_s), u"a"_s);
}

void DiaryTest::savingTouchesOnlyThatRow() {
    Program program;
    program.folder.execute(
        u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('2026/3/5' , '空の日記' , '空')"_s);
    program.folder.execute(
        u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('2026/3/4' , '昨日' , '山田')"_s);
    ModalScript script;
    script.typePassword(u"pw"_s)
        .then(u"MEMO"_s,
              [](QDialog& w) {
                  typeText(editor(w).Txt_Memo, u"今日"_s);
                  click(editor(w).Cmd_Set);
                  click(editor(w).Cmd_Exit);
              })
        .press(u"Cmd_Yes"_s)
        .press(u"Cmd_OK"_s);
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(program.storedText(u"山田"_s), u"今日"_s);
    QCOMPARE(program.storedText(u"空"_s), u"空の日記"_s);
    QCOMPARE(program.storedText(u"山田"_s, u"2026/3/4"_s), u"昨日"_s);
    QCOMPARE(Mod1::Sql,
             u"UPDATE TMP_Sche SET Daily_Data = '今日' Where Date_Data = '2026/3/5' And UserName = '山田'"_s);
}

// What was typed or stored reads back exactly: quotes, line breaks, a megabyte, characters
// beyond the basic plane, and a stored text that is only looked at and saved again.
void DiaryTest::textsReadBackExactly_data() {
    QTest::addColumn<QString>("stored"); // what the row holds before (null: nothing)
    QTest::addColumn<QString>("pasted"); // what is put into the box (null: nothing)
    QTest::addColumn<QString>("expected");

    QTest::newRow("quotes") << QString() << u"it's \"ok\" ''"_s << u"it's \"ok\" ''"_s;
    QTest::newRow("line breaks") << QString() << u"一行目\n\n三行目\n"_s << u"一行目\r\n\r\n三行目\r\n"_s;
    QTest::newRow("non-BMP") << QString() << u"𠮷野家で😀"_s << u"𠮷野家で😀"_s;
    const QString mega = QString(1 << 20, u'日').replace(1000, 1, u'\'');
    QTest::newRow("a megabyte") << QString() << mega << mega;
    QTest::newRow("stored breaks kept") << u"a\nb\rc\r\nd"_s << QString() << u"a\nb\rc\r\nd"_s;
    QTest::newRow("emptied") << u"消す"_s << u""_s << u""_s;
}

void DiaryTest::textsReadBackExactly() {
    QFETCH(QString, stored);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    Program program;
    if (!stored.isNull())
        program.folder.execute(u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('2026/3/5' , '"_s + stored +
                               u"' , '山田')"_s);
    ModalScript script;
    script.typePassword(u"pw"_s)
        .then(u"MEMO"_s,
              [&](QDialog& w) {
                  MEMO& memo = editor(w);
                  if (!pasted.isNull()) {
                      memo.Txt_Memo->selectAll();
                      memo.Txt_Memo->insertPlainText(pasted);
                      if (pasted.isEmpty())
                          memo.Txt_Memo->textCursor().removeSelectedText();
                  }
                  click(memo.Cmd_Set);
                  click(memo.Cmd_Exit);
              })
        .press(u"Cmd_Yes"_s)
        .press(u"Cmd_OK"_s)
        .typePassword(u"pw"_s)
        .then(u"MEMO"_s, [&](QDialog& w) {
            QCOMPARE(editor(w).Txt_Memo->text(), expected);
            click(editor(w).Cmd_Exit);
        });
    program.clickDiary();
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report().left(2000)));
    QCOMPARE(program.storedText(u"山田"_s), expected);
}

// While the editor is open the calendar and the user box keep what was shown when the
// button was pressed; once it has closed the main window's activation resets them.
void DiaryTest::calendarAndUserHeldWhileOpen() {
    Program program(u"Guest"_s);
    CalendarFrame& calendar = program.main->calendar();
    click(calendar.Cmd_R);      // February 2026
    click(calendar.Cmd_Day[2]); // February 2026 begins on a Sunday: 2026/2/3
    QCOMPARE(calendar.ClickDate->text(), u"2026/2/3"_s);
    program.main->users().Cmb_User->setEditText(u"山田"_s); // chosen, not saved
    const int activations = program.main->activationCount();

    QString dateWhileOpen;
    QString userWhileOpen;
    int activationsWhileOpen = -1;
    ModalScript script;
    script.typePassword(u"pw"_s).then(u"MEMO"_s, [&](QDialog& w) {
        settle();
        dateWhileOpen = calendar.ClickDate->text();
        userWhileOpen = program.main->users().Cmb_User->currentText();
        activationsWhileOpen = program.main->activationCount();
        QCOMPARE(editor(w).Data_Date->caption(), u"2026/2/3"_s);
        click(editor(w).Cmd_Exit);
    });
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(dateWhileOpen, u"2026/2/3"_s);
    QCOMPARE(userWhileOpen, u"山田"_s);
    QCOMPARE(activationsWhileOpen, activations);
    QCOMPARE(program.rows(u"Date_Data = '2026/2/3' AND UserName = '山田'"_s), 1);

    QTRY_COMPARE(program.main->activationCount(), activations + 1);
    settle();
    QCOMPARE(program.main->activationCount(), activations + 1);
    QCOMPARE(calendar.ClickDate->text(), today);
    QCOMPARE(calendar.Cmb_Month->currentText(), u"3"_s);
}

void DiaryTest::desktopCloseAndEscapeSaveNothing() {
    Program program;
    bool openAfterEscape = false;
    ModalScript script;
    script.typePassword(u"pw"_s).then(u"MEMO"_s, [&](QDialog& w) {
        MEMO& memo = editor(w);
        QVERIFY(!(memo.windowFlags() & Qt::WindowCloseButtonHint));
        typeText(memo.Txt_Memo, u"消える"_s);
        QTest::keyClick(memo.Txt_Memo, Qt::Key_Escape);
        openAfterEscape = memo.isVisible();
        memo.close();
    });
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QVERIFY(openAfterEscape);
    QCOMPARE(script.messages().size(), 1); // the prompt only: no question
    QCOMPARE(program.storedText(u"山田"_s), u""_s);
}

// The row is gone (its user deleted from a second copy of the program): saving says so and
// keeps the text counted as unsaved.
void DiaryTest::rowGoneIsNotASave() {
    Program program;
    qint16 flagAfter = -1;
    ModalScript script;
    script.typePassword(u"pw"_s)
        .then(u"MEMO"_s,
              [&](QDialog& w) {
                  MEMO& memo = editor(w);
                  typeText(memo.Txt_Memo, u"大事な文"_s);
                  program.folder.execute(u"delete from TMP_Sche where username = '山田';"_s);
                  click(memo.Cmd_Set);
                  flagAfter = memo.MemoChanged;
                  click(memo.Cmd_Exit);
              })
        .press(u"Cmd_Yes"_s)
        .press(u"Cmd_OK"_s)
        .press(u"Cmd_No2"_s);
    program.clickDiary();
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QVERIFY(script.messages()[2].text.startsWith(u"データベースの処理に失敗しました。"_s));
    QCOMPARE(flagAfter, qint16(1));
}

QTEST_MAIN(DiaryTest)
#include "test_diary.moc"
