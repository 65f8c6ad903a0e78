// The user management window: adding, changing a password and deleting a user with the
// user's diary, each refusal with its notice and focus.
#include "Drive.h"
#include "platform/SqlText.h"
#include "platform/Twips.h"
#include "users/SeqUser.h"

namespace {

const QString wrongPassword = u"パスワードが違います。"_s, noneSelected = u"リストが選択されていません。"_s;
const QString cannotRename = u"ユーザー名の更新はできません。\r一度削除してから登録しなおしてください。"_s;
const QString tooLong = u"パスワードは半角10文字までです。"_s;
const QString insertQuestion = u"ＤＢに［ %1 ］さんを追加してよろしいですか？"_s;
const QString updateQuestion = u"ＤＢの［ %1］さんを修正してよろしいですか？"_s;
const QString deleteQuestion = u"ユーザー ［ %1 ］さんを削除してよろしいですか？\r削除すると日記も削除されます。"_s;
const QStringList startingUsers{u" 鈴木 "_s, u"Guest"_s, u"O'Brien"_s, u"佐藤"_s, u"山田"_s, u"山田 "_s};
// The owners of the diary rows, two days each, in name order.
const QStringList diaries{u"O'Brien"_s, u"O'Brien"_s, u"佐藤"_s,  u"佐藤"_s,
                          u"山田"_s,    u"山田"_s,    u"山田 "_s, u"山田 "_s};

// The entry chosen first (empty: none), "クリア" pressed or not, then the fields typed between
// "|": the name ("~": left as choosing made it), the current, new and repeated passwords. The
// first check that fails speaks, whatever would fail after it; a question is answered No.
const struct RefusalCase {
    const char* tag;
    QString command, entry;
    bool clearFirst;
    QString fields, message, focus; // empty: the name box; "-": stays on the button
} refusalCases[] = {
    {"insert: no name", u"Insert"_s, u""_s, false, u"  |~|01234567890"_s, u"名前が入力されていません。"_s, u"-"_s},
    {"insert: listed, exactly", u"Insert"_s, u""_s, false, u"山田 "_s, u"その名前はすでに登録されています。"_s, u"-"_s},
    {"insert: 11 characters", u"Insert"_s, u""_s, false, u"あいうえおかきくけこさ"_s,
     u"ユーザー名は半角10文字までです。"_s, u"-"_s},
    {"insert: answered No", u"Insert"_s, u""_s, false, u"Bob"_s, insertQuestion.arg(u"Bob"_s), u""_s},
    {"update: name changed", u"Update"_s, u"山田"_s, false, u"山田花子|pw|a|a"_s, cannotRename, u""_s},
    {"update: quoted trick", u"Update"_s, u"山田"_s, false, u"~|x' OR 'a'='a|a|a"_s, wrongPassword, u""_s},
    {"update: not confirmed", u"Update"_s, u"山田"_s, false, u"~|pw|abc|abd"_s, u"新パスワードの確認がとれません。"_s,
     u"Txt_NewPass2"_s},
    {"update: answered No", u"Update"_s, u"山田"_s, false, u"~|pw|a|a"_s, updateQuestion.arg(u"山田"_s), u""_s},
    // After "クリア" the stored password belongs to nobody: an empty one must not pass, nor may
    // that of a user whose name differs only by blanks.
    {"update: cleared", u"Update"_s, u"山田"_s, true, u"山田|~|a|a"_s, wrongPassword, u""_s},
    {"delete: cleared", u"Delete"_s, u"山田"_s, true, u""_s, wrongPassword, u""_s},
    {"delete: blanks around, no password", u"Delete"_s, u" 鈴木 "_s, false, u""_s, wrongPassword, u""_s},
    {"delete: another user's password", u"Delete"_s, u"山田 "_s, false, u"~|pw"_s, wrongPassword, u""_s},
    {"delete: Guest", u"Delete"_s, u"Guest"_s, false, u""_s, u"Guest は削除できません。"_s, u""_s},
    {"delete: answered No", u"Delete"_s, u"山田"_s, false, u"~|pw"_s, deleteQuestion.arg(u"山田"_s), u""_s}};

// Lengths count characters of the trimmed text, but the text is stored as typed. A deleted
// user's diary goes; other users' stay, even under a name that differs only by a blank.
const QString insert = u"INSERT INTO Mst_User(UserName , UserPass) Values('%1' , '%2')"_s;
const QString update = u"UPDATE Mst_User SET UserPass = '%1' Where UserName = '%2'"_s;
const struct ChangeCase {
    const char* tag;
    QString command, entry, fields, statement; // the last statement run
} changeCases[] = {
    {"insert: 10 full-width each", u"Insert"_s, u""_s, u"あいうえおかきくけこ|ignored|パスワードです１２３"_s,
     insert.arg(u"あいうえおかきくけこ"_s, u"パスワードです１２３"_s)},
    {"insert: blanks kept, no password", u"Insert"_s, u""_s, u" abc "_s, insert.arg(u" abc "_s, u""_s)},
    {"insert: only the case differs", u"Insert"_s, u""_s, u"guest|~| 1234567890 "_s,
     insert.arg(u"guest"_s, u" 1234567890 "_s)},
    {"insert: quotes", u"Insert"_s, u""_s, u"D'Arcy|~|a' OR 'b"_s, insert.arg(u"D''Arcy"_s, u"a'' OR ''b"_s)},
    {"update: none before, none after", u"Update"_s, u"佐藤"_s, u"~|||"_s, update.arg(u""_s, u"佐藤"_s)},
    {"update: blanks around the name", u"Update"_s, u"山田 "_s, u"~|y|z|z"_s, update.arg(u"z"_s, u"山田 "_s)},
    {"update: quotes", u"Update"_s, u"O'Brien"_s, u"~|it's| a'b| a'b"_s, update.arg(u" a''b"_s, u"O''Brien"_s)},
    {"delete: a user", u"Delete"_s, u"山田"_s, u"~|pw"_s, u"delete from TMP_Sche where username = '山田';"_s},
    {"delete: quotes", u"Delete"_s, u"O'Brien"_s, u"~|it's"_s, u"delete from TMP_Sche where username = 'O''Brien';"_s}};

} // namespace

class SeqUserTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init() {
        m_folder = std::make_unique<ProgramFolder>();
        m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , 'pw'), ('佐藤' , NULL), "
                          u"('O''Brien' , 'it''s'), (' 鈴木 ' , 'x'), ('山田 ' , 'y')"_s);
        m_folder->execute(u"INSERT INTO TMP_Sche(Date_Data , Daily_Data , UserName) SELECT Day, 'x', UserName FROM "
                          u"Mst_User, (SELECT '2026/3/5' AS Day UNION SELECT '2026/12/31') AS d WHERE UserName IN "
                          u"('山田', '佐藤', 'O''Brien', '山田 ')"_s);
        Mod1::OpenDb();
        m_window = shownWindow<SeqUser>();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_folder.reset();
    }
    // Each refusal shows its notice (or a question answered No), changes nothing, moves the focus.
    void refusals_data() { addCases(refusalCases); }
    void refusals() {
        const RefusalCase& c = currentCase(refusalCases);
        enter(c.entry, {});
        if (c.clearFirst)
            click(button(u"Clear"_s));
        enter({}, c.fields);
        const bool question = c.message.contains(u"よろしいですか？"_s);
        QCOMPARE(clickAnswering(button(c.command), {question ? u"Cmd_No"_s : u"Cmd_OK"_s}).value(0).text, c.message);
        const QString focus = c.focus == u"-"_s   ? u"Cmd_"_s + c.command
                              : c.focus.isEmpty() ? u"Txt_UserName"_s
                                                  : c.focus;
        QCOMPARE(m_window->focusWidget()->objectName(), focus);
        if (c.focus == u"Txt_NewPass2"_s)
            QVERIFY(m_window->Txt_NewPass2->text().isEmpty());
        QCOMPARE(names(u"Mst_User"_s), startingUsers);
        QCOMPARE(password(u"山田"_s), QVariant(u"pw"_s));
        QCOMPARE(names(u"TMP_Sche"_s), diaries);
    }
    // Each change asks, is done, says so, and leaves the window at 400, 400, listed anew, fields empty.
    void changes_data() { addCases(changeCases); }
    void changes() {
        const ChangeCase& c = currentCase(changeCases);
        const QStringList fields = c.fields.split(u'|');
        const QString name = c.entry.isEmpty() ? fields[0] : c.entry;
        const bool deleted = c.command == u"Delete"_s;
        const QString question = deleted ? deleteQuestion : c.entry.isEmpty() ? insertQuestion : updateQuestion;
        const QString done = deleted                    ? u"ユーザーを削除しました。"_s
                             : c.command == u"Insert"_s ? u"ＤＢに追加しました。"_s
                                                        : u"パスワードを修正しました。"_s;
        m_window->move(m_window->pos() + QPoint(50, 30));
        enter(c.entry, c.fields);
        const auto seen = clickAnswering(button(c.command), {u"Cmd_Yes"_s, u"Cmd_OK"_s});
        QCOMPARE(seen.value(0).text, question.arg(name));
        QCOMPARE(seen.value(0).focus, deleted ? u"Cmd_No"_s : u"Cmd_Yes"_s);
        QCOMPARE(seen.value(1).text, done);
        QCOMPARE(seen.value(1).statement, c.statement);
        QCOMPARE(password(name), deleted ? QVariant() : QVariant(fields.value(2)));
        QStringList left = diaries;
        if (deleted)
            left.removeAll(name);
        QCOMPARE(names(u"TMP_Sche"_s), left);
        QCOMPARE(m_window->pos(), QPoint(platform::twips(400), platform::twips(400)));
        QCOMPARE(entries(m_window->LS), names(u"Mst_User"_s));
        QCOMPARE(QStringList({m_window->Txt_UserName->text(), m_window->Txt_OldPass->text(),
                              m_window->Txt_NewPass->text(), m_window->Txt_NewPass2->text()}),
                 QStringList(4));
        QCOMPARE(m_window->focusWidget()->objectName(),
                 c.command == u"Update"_s ? u"Txt_OldPass"_s : u"Txt_UserName"_s);
    }
    // A click on the entry already chosen (after クリア, say) reads it again.
    void clickingTheChosenEntryAgain() {
        enter(u"山田"_s, {});
        click(button(u"Clear"_s));
        clickEntry(m_window->LS, u"山田"_s);
        enter({}, u"~|pw"_s);
        clickAnswering(button(u"Delete"_s), {u"Cmd_Yes"_s, u"Cmd_OK"_s});
        QCOMPARE(password(u"山田"_s), QVariant());
    }
    // Another copy changes or deletes the user between the choosing and 修正: nothing is written
    // over it, and the user is told.
    void passwordChangedByAnotherCopy_data() {
        QTest::addColumn<QString>("behind");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("changed") << u"UPDATE Mst_User SET UserPass = 'new' Where UserName = '山田'"_s
                                 << u"山田 さんのパスワードが別の Tamoru で変更されました。\r"
                                    "パスワードを入力し直してください。"_s
                                 << QVariant(u"new"_s);
        QTest::newRow("deleted") << u"delete from Mst_User where UserName = '山田'"_s
                                 << u"データベースの処理に失敗しました。\r"
                                    "この行はもうデータベースにありません。ほかの操作で削除されました。"_s
                                 << QVariant();
    }
    void passwordChangedByAnotherCopy() {
        QFETCH(QString, behind);
        QFETCH(QString, told);
        QFETCH(QVariant, stored);
        enter(u"山田"_s, u"~|pw|mine|mine"_s);
        m_folder->execute(behind);
        QCOMPARE(clickAnswering(button(u"Update"_s), {u"Cmd_Yes"_s, u"Cmd_OK"_s}).value(1).text, told);
        QCOMPARE(password(u"山田"_s), stored);
    }
    // When the diary cannot be deleted the user stays too, and the user is told why.
    void deleteIsAllOrNothing() {
        if (ProgramFolder::onServer()) {
            m_folder->execute(u"CREATE FUNCTION keep() RETURNS trigger LANGUAGE plpgsql AS "
                              u"$$BEGIN RAISE EXCEPTION 'kept'; END$$"_s);
            m_folder->execute(u"CREATE TRIGGER keep BEFORE DELETE ON TMP_Sche FOR EACH ROW EXECUTE FUNCTION keep()"_s);
        } else {
            m_folder->execute(
                u"CREATE TRIGGER keep BEFORE DELETE ON TMP_Sche BEGIN SELECT RAISE(ABORT, 'kept'); END"_s);
        }
        enter(u"山田"_s, u"~|pw"_s);
        const QString told = clickAnswering(button(u"Delete"_s), {u"Cmd_Yes"_s, u"Cmd_OK"_s}).value(1).text;
        QCOMPARE(told, u"データベースの処理に失敗しました。\rデータベースエンジンのエラーです。\r（kept）"_s);
        QCOMPARE(password(u"山田"_s), QVariant(u"pw"_s));
        QCOMPARE(names(u"TMP_Sche"_s), diaries);
    }

private:
    // Chooses the entry with the mouse (none when empty): the fields are emptied, the cursor
    // goes to the current password. Then types the fields, the name into an emptied box.
    void enter(const QString& entry, const QString& typed) {
        const QStringList fields = typed.isEmpty() ? QStringList() : typed.split(u'|');
        if (!entry.isEmpty()) {
            typeText(m_window->Txt_NewPass, u"typed before"_s);
            clickEntry(m_window->LS, entry);
            QCOMPARE(m_window->focusWidget(), m_window->Txt_OldPass);
        }
        QLineEdit* const boxes[] = {m_window->Txt_UserName, m_window->Txt_OldPass, m_window->Txt_NewPass,
                                    m_window->Txt_NewPass2};
        for (int i = 0; i < fields.size(); ++i) {
            if (i == 0 && fields[i] != u"~"_s)
                boxes[0]->clear();
            if (fields[i] != u"~"_s)
                typeText(boxes[i], fields[i]);
        }
    }
    QPushButton* button(const QString& name) { return m_window->findChild<QPushButton*>(u"Cmd_"_s + name); }
    QVariant password(const QString& user) {
        return m_folder->scalar(
            u"select UserPass as [TOTAL] from Mst_User Where UserName = '%1'"_s.arg(platform::sqlText(user)));
    }
    QStringList names(const QString& table) {
        QStringList all;
        for (auto rows = m_folder->db().openRecordset(u"select UserName from "_s + table); !rows->atEnd();
             rows->moveNext())
            all.append(rows->field(u"UserName"_s).toString());
        all.sort();
        return all;
    }
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<SeqUser> m_window;
};

QTEST_MAIN(SeqUserTest)
#include "test_sequser.moc"
