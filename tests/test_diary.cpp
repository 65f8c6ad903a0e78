// The diary: the password in front of it, the row of the day and user, the two ways of saving.
#include "Drive.h"
#include "calendar/CalendarFrame.h"
#include "calendar/MEMO.h"
#include "platform/Clock.h"
#include "platform/MultiLineBox.h"
#include "users/UserFrame.h"

#include <QLabel>
#include <QWindow>

namespace {

using Messages = QList<ModalScript::Message>;

// The program started on 2026/3/5 with a few users, `user` saved as the current one.
struct Program {
    explicit Program(const QString& user = u"山田"_s) {
        folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , 'pw'), ('O''Neil' , 'it''s'), "
                       "('空' , ''), ('未設定' , Null)"_s);
        ProgramFolder::saveSetting(u"User"_s, user);
        main = std::make_unique<Main>();
        startMain(*main);
    }

    // Presses the diary button, answers the prompt with `password`, runs `inEditor` in the
    // editor and answers the message windows after it with `answers`.
    Messages openDiary(const QString& password, const std::function<void(MEMO&)>& inEditor,
                       const QStringList& answers = {}) {
        ModalScript script;
        script.typePassword(password).then(u"MEMO"_s, [&](QDialog& w) { inEditor(static_cast<MEMO&>(w)); });
        for (const QString& answer : answers)
            script.press(answer);
        click(main->calendar().Cmd_Edit);
        if (!script.finished())
            QTest::qFail(qPrintable(script.report()), __FILE__, __LINE__);
        return script.messages();
    }

    qint64 rows(const QString& condition) {
        return folder.scalar(u"select count(*) as [TOTAL] FROM TMP_Sche WHERE "_s + condition).toLongLong();
    }
    QString stored(const QString& user, const QString& date = u"2026/3/5"_s) {
        const QVariant text = folder.scalar(u"select Daily_Data as [TOTAL] from TMP_Sche where UserName = '%1' and "
                                            "Date_Data = '%2'"_s.arg(user, date));
        return text.isValid() ? text.toString() : u"<none>"_s;
    }
    void addEntry(const QString& user, const QString& date, const QString& text) {
        folder.execute(
            u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('%1','%2','%3')"_s.arg(date, text, user));
    }

    ProgramFolder folder;
    std::unique_ptr<Main> main;
};

void leave(MEMO& memo) {
    click(memo.Cmd_Exit);
}

const struct PasswordCase {
    const char* tag;
    QString user;
    QString typed; // null: the prompt is closed through its title bar
    bool opens;
} passwordCases[] = {{"Guest is not asked", u"Guest"_s, u""_s, false},
                     {"right", u"山田"_s, u"pw"_s, true},
                     {"letter case counts", u"山田"_s, u"PW"_s, false},
                     {"empty against empty", u"空"_s, u""_s, true},
                     {"empty against never set", u"未設定"_s, u""_s, true},
                     {"something against never set", u"未設定"_s, u"x"_s, false},
                     {"quotes in name and password", u"O'Neil"_s, u"it's"_s, true},
                     {"injection on a quoted name", u"O'Neil"_s, u"x' OR 'a'='a"_s, false},
                     {"prompt closed", u"山田"_s, QString(), false}};

const QString setQuestion = u"［ 2026/3/5 ］\rのメモを更新してよろしいですか？"_s;
const QString exitQuestion = u"メモが更新されていませんが更新しますか？"_s;
const QString saved = u"メモを更新しました。"_s;
const QString changed =
    u"2026/3/5 のメモが別の Tamoru で変更されました。\r上書きしますか？（いいえ：読み直す　ｷｬﾝｾﾙ：戻る）"_s;

// In the editor, between blanks: text to type, "set", "exit", "escape", "close" (the desktop
// closes the window), "gone" (the row is deleted behind the editor), "other" (another copy saves
// "別の版" into the row) or "shows:text" (the editor
// is open with this text); the answers; the messages after the prompt, between "|".
const struct SavingCase {
    const char* tag;
    QString steps, answers, stored, texts;
} savingCases[] = {
    {"set, yes, then exit without asking", u"晴れ set exit"_s, u"Cmd_Yes Cmd_OK"_s, u"晴れ"_s,
     setQuestion + u"|"_s + saved},
    {"set, no: exit still asks", u"晴れ set exit"_s, u"Cmd_No Cmd_No2"_s, u""_s, setQuestion + u"|"_s + exitQuestion},
    {"typed again after a save: exit asks", u"a set b exit"_s, u"Cmd_Yes Cmd_OK Cmd_No2"_s, u"a"_s,
     setQuestion + u"|"_s + saved + u"|"_s + exitQuestion},
    {"exit, yes", u"雨 exit"_s, u"Cmd_Yes2 Cmd_OK"_s, u"雨"_s, exitQuestion + u"|2026/3/5 のメモを更新しました。"_s},
    {"exit, no", u"雨 exit"_s, u"Cmd_No2"_s, u""_s, exitQuestion},
    {"exit, cancel keeps the editor and its text", u"雨 exit shows:雨 exit"_s, u"Cmd_Cancel2 Cmd_No2"_s, u""_s,
     exitQuestion + u"|"_s + exitQuestion},
    {"row gone: no save", u"大事な文 gone set exit"_s, u"Cmd_Yes Cmd_OK Cmd_No2"_s, u"<none>"_s,
     setQuestion +
         u"|データベースの処理に失敗しました。\rこの行はもうデータベースにありません。ほかの操作で削除されました。|"_s +
         exitQuestion},
    {"another copy saved: overwrite", u"晴れ other set exit"_s, u"Cmd_Yes Cmd_Yes2 Cmd_OK"_s, u"晴れ"_s,
     setQuestion + u"|"_s + changed + u"|"_s + saved},
    {"another copy saved: read again", u"晴れ other set shows:別の版 exit"_s, u"Cmd_Yes Cmd_No2"_s, u"別の版"_s,
     setQuestion + u"|"_s + changed},
    {"another copy saved: back to editing", u"晴れ other set shows:晴れ exit"_s, u"Cmd_Yes Cmd_Cancel2 Cmd_No2"_s,
     u"別の版"_s, setQuestion + u"|"_s + changed + u"|"_s + exitQuestion},
    {"another copy saved, exit: read again keeps the editor", u"雨 other exit shows:別の版 exit"_s,
     u"Cmd_Yes2 Cmd_No2"_s, u"別の版"_s, exitQuestion + u"|"_s + changed},
    {"escape and the desktop's close keep typed text", u"雨 escape close shows:雨 exit"_s, u"Cmd_No2"_s, u""_s,
     exitQuestion},
    {"the desktop's close with nothing typed", u"close shows:<closed>"_s, {}, u""_s, {}}};

// What was typed or stored reads back exactly.
const struct TextCase {
    const char* tag;
    QString before; // the stored text (null: no row yet)
    QString pasted; // put into the box (null: nothing)
    QString expected;
} textCases[] = {{"line breaks", {}, u"一行目\n\n三行目\n"_s, u"一行目\r\n\r\n三行目\r\n"_s},
                 {"a megabyte", {}, QString(1 << 20, u'日') + u"'"_s, QString(1 << 20, u'日') + u"'"_s},
                 {"stored breaks kept", u"a\nb\rc\r\nd"_s, {}, u"a\nb\rc\r\nd"_s},
                 {"emptied", u"消す"_s, u""_s, u""_s}};

} // namespace

class DiaryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init() {
        platform::setClock([] { return QDateTime(QDate(2026, 3, 5), QTime(12, 0, 30)); });
    }
    void cleanup() { platform::setClock(nullptr); }
    void password_data() { addCases(passwordCases); }
    void password() {
        const PasswordCase& c = currentCase(passwordCases);
        Program program(c.user);
        ModalScript script;
        const bool guest = c.user == u"Guest"_s;
        if (c.typed.isNull())
            script.then(u"Msg2"_s, [](QDialog& prompt) { prompt.close(); });
        else if (!guest)
            script.typePassword(c.typed);
        if (c.opens)
            script.then(u"MEMO"_s, [](QDialog& w) { leave(static_cast<MEMO&>(w)); });
        else
            script.press(u"Cmd_OK"_s);
        click(program.main->calendar().Cmd_Edit);
        QVERIFY_SCRIPT(script);
        QStringList texts;
        for (const auto& m : script.messages())
            texts.append(m.text);
        QStringList expected{u"[ "_s + c.user + u" ]さんのパスワードを入力して下さい。"_s,
                             u"パスワードが間違っています。"_s};
        if (guest)
            expected = QStringList{u"Guestの方は日記を登録できません。"_s};
        QCOMPARE(texts, c.opens ? expected.mid(0, 1) : expected);
        QCOMPARE(program.rows(u"1 = 1"_s), c.opens ? 1 : 0);
    }
    // The two ways of saving, each answer, and the change flag after them. Another user's entry
    // of the same day and the user's entry of another day are never touched.
    void saving_data() { addCases(savingCases); }
    void saving() {
        const SavingCase& c = currentCase(savingCases);
        Program program;
        program.addEntry(u"空"_s, u"2026/3/5"_s, u"空の日記"_s);
        program.addEntry(u"山田"_s, u"2026/3/4"_s, u"昨日"_s);
        const auto editing = [&](MEMO& memo) {
            for (const QString& step : c.steps.split(u' ')) {
                if (step == u"set"_s)
                    click(memo.Cmd_Set);
                else if (step == u"exit"_s)
                    click(memo.Cmd_Exit);
                else if (step == u"escape"_s)
                    QTest::keyClick(memo.Txt_Memo, Qt::Key_Escape);
                else if (step == u"close"_s)
                    memo.windowHandle()->close();
                else if (step == u"gone"_s)
                    program.folder.execute(
                        u"delete from TMP_Sche where Date_Data = '2026/3/5' and UserName = '山田'"_s);
                else if (step == u"other"_s)
                    program.folder.execute(u"UPDATE TMP_Sche SET Daily_Data = '別の版' Where Date_Data = '2026/3/5' "
                                           "And UserName = '山田'"_s);
                else if (step.startsWith(u"shows:"_s))
                    QCOMPARE(memo.isVisible() ? memo.Txt_Memo->text() : u"<closed>"_s, step.mid(6));
                else
                    typeText(memo.Txt_Memo, step);
            }
        };
        const Messages seen = program.openDiary(u"pw"_s, editing, c.answers.split(u' ', Qt::SkipEmptyParts));
        QStringList texts;
        for (const auto& m : seen.mid(1))
            texts.append(m.text);
        QCOMPARE(texts.join(u'|'), c.texts);
        if (!texts.isEmpty())
            QCOMPARE(seen[1].focus, texts.first() == setQuestion ? u"Cmd_No"_s : u"Cmd_Yes2"_s);
        QCOMPARE(program.stored(u"山田"_s), c.stored);
        QCOMPARE(program.stored(u"空"_s), u"空の日記"_s);
        QCOMPARE(program.stored(u"山田"_s, u"2026/3/4"_s), u"昨日"_s);
    }
    void textsReadBackExactly_data() { addCases(textCases); }
    void textsReadBackExactly() {
        const TextCase& c = currentCase(textCases);
        Program program;
        if (!c.before.isNull())
            program.addEntry(u"山田"_s, u"2026/3/5"_s, c.before);
        const auto paste = [&](MEMO& memo) {
            if (!c.pasted.isNull()) {
                memo.Txt_Memo->selectAll();
                memo.Txt_Memo->insertPlainText(c.pasted);
                memo.Txt_Memo->textCursor().removeSelectedText();
            }
            click(memo.Cmd_Set);
            leave(memo);
        };
        program.openDiary(u"pw"_s, paste, {u"Cmd_Yes"_s, u"Cmd_OK"_s});
        QCOMPARE(program.stored(u"山田"_s), c.expected);
        QString reread;
        program.openDiary(u"pw"_s, [&](MEMO& memo) {
            reread = memo.Txt_Memo->text();
            leave(memo);
        });
        QCOMPARE(reread, c.expected);
    }
    // The editor shows the row of the day chosen and the user on view, made once; the calendar
    // and the user box hold while it is open, and are reset by one activation once it closes.
    void theRowOfTheDayAndUser() {
        Program program(u"Guest"_s);
        program.addEntry(u"空"_s, u"2026/2/3"_s, u"前の日記"_s);
        CalendarFrame& calendar = program.main->calendar();
        click(calendar.Cmd_R);
        click(calendar.Cmd_Day[2]);                           // February 2026 begins on a Sunday: 2026/2/3
        program.main->users().Cmb_User->setEditText(u"空"_s); // chosen, not saved
        const int before = activations(*program.main);
        QStringList shown;
        program.openDiary(u""_s, [&](MEMO& memo) {
            settle();
            shown << calendar.ClickDate->text() << program.main->users().Cmb_User->currentText()
                  << memo.Data_Date->caption() + u' ' + memo.Lab_User->caption() + u' ' + memo.Txt_Memo->text()
                  << QString::number(activations(*program.main) - before);
            QCOMPARE(memo.focusWidget(), memo.Txt_Memo);
            leave(memo); // the text is unchanged: it closes at once
        });
        QCOMPARE(shown, (QStringList{u"2026/2/3"_s, u"空"_s, u"2026/2/3 空 前の日記"_s, u"0"_s}));
        QCOMPARE(Mod1::Sql, u"SELECT * FROM TMP_Sche WHERE Date_Data = '2026/2/3' And UserName = '空'"_s);
        QTRY_COMPARE(activations(*program.main), before + 1);
        settle();
        QCOMPARE(activations(*program.main), before + 1);
        QCOMPARE(calendar.ClickDate->text() + u' ' + program.main->users().Cmb_User->currentText(),
                 u"2026/3/5 Guest"_s);
        program.main->users().Cmb_User->setEditText(u"山田"_s);
        program.openDiary(u"pw"_s, leave);
        program.openDiary(u"pw"_s, leave);
        QCOMPARE(program.rows(u"1 = 1"_s), 2);
        QCOMPARE(program.rows(u"UserName = '山田' AND Date_Data = '2026/3/5' AND Daily_Data = ''"_s), 1);
    }
};

QTEST_MAIN(DiaryTest)
#include "test_diary.moc"
