// The diary: the password in front of a day's diary, the row of that day and user, and the
// editor with its two ways of saving.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "app/Main.h"
#include "calendar/CalendarFrame.h"
#include "calendar/MEMO.h"
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
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

using Messages = QList<ModalScript::Message>;

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// The program started on 2026/3/5 with a few users, `user` saved as the current one.
struct Program {
    explicit Program(const QString& user = u"山田"_s) {
        for (const char16_t* row : {u"'山田' , 'pw'", u"'O''Neil' , 'it''s'", u"'空' , ''", u"'未設定' , Null"})
            folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values("_s + QString::fromUtf16(row) + u")"_s);
        ProgramFolder::saveSetting(u"User"_s, user);
        main = std::make_unique<Main>();
        startMain(*main);
    }

    // Presses the diary button, answers the prompt with `password`, runs `inEditor` in the
    // editor (when it opens) and answers the message windows after it with `answers`.
    Messages openDiary(const QString& password, const std::function<void(MEMO&)>& inEditor = {},
                       const QStringList& answers = {}) {
        ModalScript script;
        script.typePassword(password);
        if (inEditor)
            script.then(u"MEMO"_s, [&](QDialog& w) { inEditor(static_cast<MEMO&>(w)); });
        for (const QString& answer : answers)
            script.press(answer);
        click(main->calendar().Cmd_Edit);
        if (!script.finished())
            qWarning("%s", qPrintable(script.report()));
        return script.finished() ? script.messages() : Messages();
    }

    qint64 rows(const QString& condition) {
        return folder.scalar(u"select count(*) as [TOTAL] FROM TMP_Sche WHERE "_s + condition).toLongLong();
    }
    QString stored(const QString& user, const QString& date = u"2026/3/5"_s) {
        auto r = folder.db().openRecordset(u"select * from TMP_Sche where UserName = '"_s + user +
                                           u"' and Date_Data = '"_s + date + u"'"_s);
        return r->atEnd() ? u"<none>"_s : r->field(u"Daily_Data"_s).toString();
    }
    void addEntry(const QString& user, const QString& date, const QString& text) {
        folder.execute(
            u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('%1' , '%2' , '%3')"_s.arg(date, text, user));
    }

    ProgramFolder folder;
    std::unique_ptr<Main> main;
};

} // namespace

class DiaryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init() {
        platform::setClock([] { return QDateTime(QDate(2026, 3, 5), QTime(12, 0, 30)); });
    }
    void cleanup() { platform::setClock(nullptr); }
    void guestIsRefused();
    void password_data();
    void password();
    void oneRowPerUserAndDay();
    void editorShowsTheRow();
    void saving_data();
    void saving();
    void textsReadBackExactly_data();
    void textsReadBackExactly();
    void calendarAndUserHeldWhileOpen();
    void escapeAndDesktopCloseKeepTheText();
    void rowGoneIsNotASave();
};

void DiaryTest::guestIsRefused() {
    Program program(u"Guest"_s);
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    click(program.main->calendar().Cmd_Edit);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().size(), 1); // no password asked
    QCOMPARE(script.messages()[0].text, u"Guestの方は日記を登録できません。"_s);
    QCOMPARE(program.rows(u"1"_s), 0);
}

void DiaryTest::password_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("typed"); // null: the prompt is closed through its title bar
    QTest::addColumn<bool>("opens");

    QTest::newRow("right") << u"山田"_s << u"pw"_s << true;
    QTest::newRow("letter case counts") << u"山田"_s << u"PW"_s << false;
    QTest::newRow("empty against a password") << u"山田"_s << u""_s << false;
    QTest::newRow("empty against empty") << u"空"_s << u""_s << true;
    QTest::newRow("something against empty") << u"空"_s << u"x"_s << false;
    QTest::newRow("empty against never set") << u"未設定"_s << u""_s << true;
    QTest::newRow("something against never set") << u"未設定"_s << u"x"_s << false;
    QTest::newRow("quotes in name and password") << u"O'Neil"_s << u"it's"_s << true;
    QTest::newRow("injection") << u"山田"_s << u"' OR '1'='1"_s << false;
    QTest::newRow("injection on a quoted name") << u"O'Neil"_s << u"x' OR 'a'='a"_s << false;
    QTest::newRow("prompt closed") << u"山田"_s << QString() << false;
}

void DiaryTest::password() {
    QFETCH(QString, user);
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    Program program(user);
    ModalScript script;
    if (typed.isNull())
        script.closePrompt();
    else
        script.typePassword(typed);
    if (opens)
        script.then(u"MEMO"_s, [](QDialog& w) { click(static_cast<MEMO&>(w).Cmd_Exit); });
    else
        script.press(u"Cmd_OK"_s);
    click(program.main->calendar().Cmd_Edit);
    QVERIFY2(script.finished(), qPrintable(script.report()));

    QCOMPARE(script.messages()[0].text, u"[ "_s + user + u" ]さんのパスワードを入力して下さい。"_s);
    if (!opens)
        QCOMPARE(script.messages()[1].text, u"パスワードが間違っています。"_s);
    QCOMPARE(program.rows(u"1"_s), opens ? 1 : 0);
}

void DiaryTest::oneRowPerUserAndDay() {
    Program program;
    const auto leave = [](MEMO& memo) { click(memo.Cmd_Exit); };
    program.openDiary(u"pw"_s, leave);
    program.openDiary(u"pw"_s, leave);
    QCOMPARE(program.rows(u"1"_s), 1);
    QCOMPARE(Mod1::Sql, u"SELECT * FROM TMP_Sche WHERE Date_Data = '2026/3/5' And UserName = '山田'"_s);

    program.main->users().Cmb_User->setEditText(u"空"_s);
    program.openDiary(u""_s, leave);
    QCOMPARE(program.rows(u"UserName = '空' AND Date_Data = '2026/3/5' AND Daily_Data = ''"_s), 1);
    QCOMPARE(program.rows(u"1"_s), 2);
}

void DiaryTest::editorShowsTheRow() {
    Program program;
    program.addEntry(u"山田"_s, u"2026/3/5"_s, u"前の日記"_s);
    QString family;
    const Messages seen = program.openDiary(u"pw"_s, [&](MEMO& memo) {
        QCOMPARE(memo.windowTitle(), u"Tamoru ～ 日記その他 ～"_s);
        QCOMPARE(memo.pos(), QPoint(platform::twips(400), platform::twips(400)));
        QCOMPARE(memo.Data_Date->caption(), u"2026/3/5"_s);
        QCOMPARE(memo.Lab_User->caption(), u"山田"_s);
        QCOMPARE(memo.Txt_Memo->text(), u"前の日記"_s);
        QCOMPARE(memo.focusWidget(), memo.Txt_Memo);
        QCOMPARE(memo.Txt_Memo->font().pointSizeF(), 11.25);
        family = QFontInfo(memo.Txt_Memo->font()).family();
        click(memo.Cmd_Exit); // the text is unchanged: it closes at once
    });
    QCOMPARE(seen.size(), 1);
    QVERIFY2(family.contains(u"Gothic"_s) || family.contains(u"Mono"_s), qPrintable(family));
}

// The two ways of saving, each answer, and the change flag after them. Another user's entry
// of the same day and the user's entry of another day are never touched.
void DiaryTest::saving_data() {
    QTest::addColumn<QStringList>("steps"); // in the editor: text to type, "set" or "exit"
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("texts"); // the messages after the prompt, in order

    const QString setQuestion = u"［ 2026/3/5 ］\rのメモを更新してよろしいですか？"_s;
    const QString exitQuestion = u"メモが更新されていませんが更新しますか？"_s;
    QTest::newRow("set, yes, then exit without asking")
        << QStringList{u"晴れ"_s, u"set"_s, u"exit"_s} << QStringList{u"Cmd_Yes"_s, u"Cmd_OK"_s} << u"晴れ"_s
        << QStringList{setQuestion, u"メモを更新しました。"_s};
    QTest::newRow("set, no: exit still asks")
        << QStringList{u"晴れ"_s, u"set"_s, u"exit"_s} << QStringList{u"Cmd_No"_s, u"Cmd_No2"_s} << u""_s
        << QStringList{setQuestion, exitQuestion};
    QTest::newRow("typed again after a save: exit asks")
        << QStringList{u"a"_s, u"set"_s, u"b"_s, u"exit"_s} << QStringList{u"Cmd_Yes"_s, u"Cmd_OK"_s, u"Cmd_No2"_s}
        << u"a"_s << QStringList{setQuestion, u"メモを更新しました。"_s, exitQuestion};
    QTest::newRow("exit, yes") << QStringList{u"雨"_s, u"exit"_s} << QStringList{u"Cmd_Yes2"_s, u"Cmd_OK"_s} << u"雨"_s
                               << QStringList{exitQuestion, u"2026/3/5 のメモを更新しました。"_s};
    QTest::newRow("exit, no") << QStringList{u"雨"_s, u"exit"_s} << QStringList{u"Cmd_No2"_s} << u""_s
                              << QStringList{exitQuestion};
    QTest::newRow("exit, cancel stays") << QStringList{u"雨"_s, u"exit"_s, u"exit"_s}
                                        << QStringList{u"Cmd_Cancel2"_s, u"Cmd_No2"_s} << u""_s
                                        << QStringList{exitQuestion, exitQuestion};
}

void DiaryTest::saving() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, answers);
    QFETCH(QString, stored);
    QFETCH(QStringList, texts);
    Program program;
    program.addEntry(u"空"_s, u"2026/3/5"_s, u"空の日記"_s);
    program.addEntry(u"山田"_s, u"2026/3/4"_s, u"昨日"_s);
    const Messages seen = program.openDiary(
        u"pw"_s,
        [&](MEMO& memo) {
            for (const QString& step : steps) {
                if (step == u"set"_s)
                    click(memo.Cmd_Set);
                else if (step == u"exit"_s)
                    click(memo.Cmd_Exit);
                else
                    typeText(memo.Txt_Memo, step);
            }
        },
        answers);
    QCOMPARE(seen.size(), texts.size() + 1);
    for (qsizetype i = 0; i < texts.size(); ++i)
        QCOMPARE(seen[i + 1].text, texts[i]);
    if (texts.first().startsWith(u"［"_s))
        QCOMPARE(seen[1].focus, u"Cmd_No"_s);
    else
        QCOMPARE(seen[1].focus, u"Cmd_Yes2"_s);
    QCOMPARE(program.stored(u"山田"_s), stored);
    QCOMPARE(program.stored(u"空"_s), u"空の日記"_s);
    QCOMPARE(program.stored(u"山田"_s, u"2026/3/4"_s), u"昨日"_s);
}

// What was typed or stored reads back exactly: quotes, line breaks, a megabyte, characters
// beyond the basic plane, and a stored text that is only looked at and saved again.
void DiaryTest::textsReadBackExactly_data() {
    QTest::addColumn<QString>("before"); // the stored text (null: no row yet)
    QTest::addColumn<QString>("pasted"); // put into the box (null: nothing)
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
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    Program program;
    if (!before.isNull())
        program.addEntry(u"山田"_s, u"2026/3/5"_s, before);
    program.openDiary(u"pw"_s,
                      [&](MEMO& memo) {
                          if (!pasted.isNull()) {
                              memo.Txt_Memo->selectAll();
                              memo.Txt_Memo->insertPlainText(pasted);
                              memo.Txt_Memo->textCursor().removeSelectedText();
                          }
                          click(memo.Cmd_Set);
                          click(memo.Cmd_Exit);
                      },
                      {u"Cmd_Yes"_s, u"Cmd_OK"_s});
    QCOMPARE(program.stored(u"山田"_s), expected);
    QString reread;
    program.openDiary(u"pw"_s, [&](MEMO& memo) {
        reread = memo.Txt_Memo->text();
        click(memo.Cmd_Exit);
    });
    QCOMPARE(reread, expected);
}

// While the editor is open the calendar and the user box keep what was shown when the
// button was pressed; once it has closed the main window's activation resets them, once.
void DiaryTest::calendarAndUserHeldWhileOpen() {
    Program program(u"Guest"_s);
    CalendarFrame& calendar = program.main->calendar();
    click(calendar.Cmd_R);
    click(calendar.Cmd_Day[2]);                             // February 2026 begins on a Sunday: 2026/2/3
    program.main->users().Cmb_User->setEditText(u"山田"_s); // chosen, not saved
    const int before = activations(*program.main);
    QString date, user, shown;
    int activationsWhileOpen = -1;
    program.openDiary(u"pw"_s, [&](MEMO& memo) {
        settle();
        date = calendar.ClickDate->text();
        user = program.main->users().Cmb_User->currentText();
        shown = memo.Data_Date->caption();
        activationsWhileOpen = activations(*program.main);
        click(memo.Cmd_Exit);
    });
    QCOMPARE(date, u"2026/2/3"_s);
    QCOMPARE(shown, u"2026/2/3"_s);
    QCOMPARE(user, u"山田"_s);
    QCOMPARE(activationsWhileOpen, before);
    QCOMPARE(program.rows(u"Date_Data = '2026/2/3' AND UserName = '山田'"_s), 1);

    QTRY_COMPARE(activations(*program.main), before + 1);
    settle();
    QCOMPARE(activations(*program.main), before + 1);
    QCOMPARE(calendar.ClickDate->text(), u"2026/3/5"_s);
    QCOMPARE(program.main->users().Cmb_User->currentText(), u"Guest"_s);
}

// Neither Escape nor a close from the desktop drops typed text: the editor stays with it, and
// with nothing unsaved the desktop's close closes it without a question.
void DiaryTest::escapeAndDesktopCloseKeepTheText() {
    Program program;
    bool keptAfterEscape = false, keptAfterClose = false, closeBox = true;
    Messages seen = program.openDiary(u"pw"_s,
                                      [&](MEMO& memo) {
                                          closeBox = memo.windowFlags() & Qt::WindowCloseButtonHint;
                                          typeText(memo.Txt_Memo, u"消える"_s);
                                          QTest::keyClick(memo.Txt_Memo, Qt::Key_Escape);
                                          keptAfterEscape = memo.isVisible();
                                          memo.windowHandle()->close();
                                          keptAfterClose = memo.isVisible() && memo.Txt_Memo->text() == u"消える"_s;
                                          click(memo.Cmd_Exit);
                                      },
                                      {u"Cmd_No2"_s});
    QVERIFY(keptAfterEscape && keptAfterClose && !closeBox);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(program.stored(u"山田"_s), u""_s);
    seen = program.openDiary(u"pw"_s, [](MEMO& memo) { memo.windowHandle()->close(); });
    QCOMPARE(seen.size(), 1);
}

// The row is gone (its user deleted from a second copy of the program): saving says so and
// the text stays counted as unsaved.
void DiaryTest::rowGoneIsNotASave() {
    Program program;
    qint16 flagAfter = -1;
    const Messages seen =
        program.openDiary(u"pw"_s,
                          [&](MEMO& memo) {
                              typeText(memo.Txt_Memo, u"大事な文"_s);
                              program.folder.execute(u"delete from TMP_Sche where username = '山田';"_s);
                              click(memo.Cmd_Set);
                              flagAfter = memo.MemoChanged;
                              click(memo.Cmd_Exit);
                          },
                          {u"Cmd_Yes"_s, u"Cmd_OK"_s, u"Cmd_No2"_s});
    QVERIFY(seen.value(2).text.startsWith(u"データベースの処理に失敗しました。"_s));
    QCOMPARE(flagAfter, qint16(1));
}

QTEST_MAIN(DiaryTest)
#include "test_diary.moc"
