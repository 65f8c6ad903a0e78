// The user management window: adding, changing a password and deleting a user with the
// user's diary, each refusal with its notice and focus.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/Twips.h"
#include "users/SeqUser.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString wrongPassword = u"パスワードが違います。"_s;
const QString noneSelected = u"リストが選択されていません。"_s;
const QString cannotRename = u"ユーザー名の更新はできません。\r一度削除してから登録しなおしてください。"_s;
const QStringList startingUsers{u" 鈴木 "_s, u"Guest"_s, u"O'Brien"_s, u"佐藤"_s, u"山田"_s, u"山田 "_s};
// The owners of the diary rows, two days each, in name order.
const QStringList diaries{u"O'Brien"_s, u"O'Brien"_s, u"佐藤"_s,  u"佐藤"_s,
                          u"山田"_s,    u"山田"_s,    u"山田 "_s, u"山田 "_s};

struct Command {
    QString question; // %1: the name
    QString questionFocus;
    QString done;
    QString focusAfter;
};
const QMap<QString, Command> commands{
    {u"Insert"_s,
     {u"ＤＢに［ %1 ］さんを追加してよろしいですか？"_s, u"Cmd_Yes"_s, u"ＤＢに追加しました。"_s, u"Txt_UserName"_s}},
    {u"Update"_s,
     {u"ＤＢの［ %1］さんを修正してよろしいですか？"_s, u"Cmd_Yes"_s, u"パスワードを修正しました。"_s,
      u"Txt_OldPass"_s}},
    {u"Delete"_s,
     {u"ユーザー ［ %1 ］さんを削除してよろしいですか？\r削除すると日記も削除されます。"_s, u"Cmd_No"_s,
      u"ユーザーを削除しました。"_s, u"Txt_UserName"_s}}};

QString quoted(QString value) {
    return value.replace(u"'"_s, u"''"_s);
}

QStringList without(QStringList list, const QString& name) {
    list.removeAll(name);
    return list;
}

} // namespace

class SeqUserTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init();
    void cleanup();
    void refusals_data();
    void refusals();
    void changes_data();
    void changes();
    void deleteIsAllOrNothing();

private:
    // Chooses the entry with the mouse (none when empty), then types the fields: the name
    // (null: left as choosing made it, else typed into an emptied box) and the current, new and
    // repeated passwords.
    void fill(const QString& entry, const QStringList& fields);
    QPushButton* button(const QString& name) { return m_window->findChild<QPushButton*>(u"Cmd_"_s + name); }
    QVariant password(const QString& user) {
        return m_folder->scalar(u"select UserPass as [TOTAL] from Mst_User Where UserName = '%1'"_s.arg(quoted(user)));
    }
    // The user names in every row of the table, sorted.
    QStringList names(const QString& table) {
        QStringList all =
            m_folder->scalar(u"select group_concat(UserName, '|') as [TOTAL] from "_s + table).toString().split(u'|');
        all.sort();
        return all;
    }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<SeqUser> m_window;
};

void SeqUserTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , 'pw'), ('佐藤' , NULL), "
                      u"('O''Brien' , 'it''s'), (' 鈴木 ' , 'x'), ('山田 ' , 'y')"_s);
    m_folder->execute(u"INSERT INTO TMP_Sche(Date_Data , Daily_Data , UserName) SELECT Day, 'x', UserName FROM "
                      u"Mst_User, (SELECT '2026/3/5' AS Day UNION SELECT '2026/12/31') WHERE UserName IN "
                      u"('山田', '佐藤', 'O''Brien', '山田 ')"_s);
    Mod1::OpenDb();
    m_window = std::make_unique<SeqUser>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void SeqUserTest::cleanup() {
    m_window.reset();
    m_folder.reset();
}

void SeqUserTest::fill(const QString& entry, const QStringList& fields) {
    if (!entry.isEmpty()) {
        typeText(m_window->Txt_NewPass, u"typed before"_s); // choosing empties the fields
        QListWidget* list = m_window->LS;
        QListWidgetItem* item = list->findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive).value(0);
        QVERIFY2(item, qPrintable(entry));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        QCOMPARE(Mod1::Sql, u"select * from Mst_User Where UserName = '%1' "_s.arg(quoted(entry)));
        QCOMPARE(m_window->focusWidget(), m_window->Txt_OldPass);
    }
    QLineEdit* const boxes[] = {m_window->Txt_UserName, m_window->Txt_OldPass, m_window->Txt_NewPass,
                                m_window->Txt_NewPass2};
    if (!fields.value(0).isNull())
        boxes[0]->clear();
    for (int i = 0; i < fields.size(); ++i)
        typeText(boxes[i], fields[i]);
}

void SeqUserTest::refusals_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("entry"); // empty: nothing chosen
    QTest::addColumn<bool>("clearFirst");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message"); // a notice, or a question answered No
    QTest::addColumn<QString>("focus");   // empty: not moved from the button
    const QString i = u"Insert"_s, u = u"Update"_s, d = u"Delete"_s, name = u"Txt_UserName"_s, none;
    const auto row = [](const char* tag, const QString& command, const QString& entry, const QStringList& fields,
                        const QString& message, const QString& focus, bool clearFirst = false) {
        QTest::newRow(tag) << command << entry << clearFirst << fields << message << focus;
    };
    // The first check that fails speaks, whatever would fail after it.
    row("insert: no name", i, none, {u"  "_s, {}, u"01234567890"_s}, u"名前が入力されていません。"_s, none);
    row("insert: listed, exactly", i, none, {u"山田 "_s}, u"その名前はすでに登録されています。"_s, none);
    row("insert: 11 characters", i, none, {u"あいうえおかきくけこさ"_s}, u"ユーザー名は半角10文字までです。"_s, none);
    row("insert: password of 11", i, none, {u" 新人 "_s, {}, u"０１２３４５６７８９０"_s},
        u"パスワードは半角10文字までです。"_s, none);
    row("insert: answered No", i, none, {u"Bob"_s}, commands[i].question.arg(u"Bob"_s), name);
    row("update: nothing chosen, a name typed", u, none, {u"山田"_s}, cannotRename, name);
    row("update: nothing chosen", u, none, {}, noneSelected, name);
    row("update: name changed", u, u"山田"_s, {u"山田花子"_s, u"pw"_s, u"a"_s, u"a"_s}, cannotRename, name);
    row("update: Guest", u, u"Guest"_s, {{}, {}, u"a"_s, u"a"_s}, u"Guest は修正できません。"_s, name);
    row("update: quoted trick", u, u"山田"_s, {{}, u"x' OR 'a'='a"_s, u"a"_s, u"a"_s}, wrongPassword, name);
    row("update: not confirmed", u, u"山田"_s, {{}, u"pw"_s, u"abc"_s, u"abd"_s}, u"新パスワードの確認がとれません。"_s,
        u"Txt_NewPass2"_s);
    row("update: password of 11", u, u"山田"_s, {{}, u"pw"_s, u"01234567890"_s, u"01234567890"_s},
        u"パスワードは半角10文字までです。"_s, none);
    row("update: answered No", u, u"山田"_s, {{}, u"pw"_s, u"a"_s, u"a"_s}, commands[u].question.arg(u"山田"_s), name);
    // After "クリア" the stored password belongs to nobody: an empty one must not pass, nor may
    // that of a user whose name differs only by blanks.
    row("update: cleared", u, u"山田"_s, {u"山田"_s, {}, u"a"_s, u"a"_s}, wrongPassword, name, true);
    row("delete: cleared", d, u"山田"_s, {}, wrongPassword, name, true);
    row("delete: blanks around, no password", d, u" 鈴木 "_s, {}, wrongPassword, name);
    row("delete: another user's password", d, u"山田 "_s, {{}, u"pw"_s}, wrongPassword, name);
    row("delete: wrong password", d, u"山田"_s, {{}, u"PW"_s}, wrongPassword, name);
    row("delete: password before Guest", d, u"Guest"_s, {{}, u"x"_s}, wrongPassword, name);
    row("delete: Guest", d, u"Guest"_s, {}, u"Guest は削除できません。"_s, name);
    row("delete: nothing chosen", d, none, {}, noneSelected, name);
    row("delete: answered No", d, u"山田"_s, {{}, u"pw"_s}, commands[d].question.arg(u"山田"_s), name);
}

// Each refusal shows its one notice (or a question is answered No), changes nothing and
// moves the focus as it should.
void SeqUserTest::refusals() {
    QFETCH(QString, command);
    QFETCH(QString, entry);
    QFETCH(bool, clearFirst);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    fill(entry, {});
    if (clearFirst)
        QTest::mouseClick(button(u"Clear"_s), Qt::LeftButton);
    fill({}, fields);
    const bool question = message.contains(u"よろしいですか？"_s);
    ModalScript script;
    script.press(question ? u"Cmd_No"_s : u"Cmd_OK"_s);
    QTest::mouseClick(button(command), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().first().text, message);
    QCOMPARE(script.messages().first().kind, question ? 1 : 0);
    QCOMPARE(m_window->focusWidget()->objectName(), focus.isEmpty() ? u"Cmd_"_s + command : focus);
    if (focus == u"Txt_NewPass2"_s)
        QVERIFY(m_window->Txt_NewPass2->text().isEmpty());
    QCOMPARE(names(u"Mst_User"_s), startingUsers);
    QCOMPARE(password(u"山田"_s), QVariant(u"pw"_s));
    QCOMPARE(names(u"TMP_Sche"_s), diaries);
}

void SeqUserTest::changes_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("entry"); // empty: nothing chosen
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("statement"); // the last one run
    const auto row = [](const char* tag, const QString& command, const QString& entry, const QStringList& fields,
                        const QString& statement) { QTest::newRow(tag) << command << entry << fields << statement; };
    const QString i = u"Insert"_s, u = u"Update"_s, d = u"Delete"_s, none;
    const QString insert = u"INSERT INTO Mst_User(UserName , UserPass) Values('%1' , '%2')"_s;
    const QString update = u"UPDATE Mst_User SET UserPass = '%1' Where UserName = '%2'"_s;
    // Lengths count characters of the trimmed text, but the text is stored as typed.
    row("insert: 10 full-width each", i, none, {u"あいうえおかきくけこ"_s, u"ignored"_s, u"パスワードです１２３"_s},
        insert.arg(u"あいうえおかきくけこ"_s, u"パスワードです１２３"_s));
    row("insert: blanks kept, no password", i, none, {u" abc "_s, {}, u""_s}, insert.arg(u" abc "_s, u""_s));
    row("insert: only the case differs", i, none, {u"guest"_s, {}, u" 1234567890 "_s},
        insert.arg(u"guest"_s, u" 1234567890 "_s));
    row("insert: quotes", i, none, {u"D'Arcy"_s, {}, u"a' OR 'b"_s}, insert.arg(u"D''Arcy"_s, u"a'' OR ''b"_s));
    row("update: a new password", u, u"山田"_s, {{}, u"pw"_s, u" 1234567890 "_s, u" 1234567890 "_s},
        update.arg(u" 1234567890 "_s, u"山田"_s));
    row("update: none before, none after", u, u"佐藤"_s, {{}, u""_s, u""_s, u""_s}, update.arg(u""_s, u"佐藤"_s));
    row("update: blanks around the name", u, u"山田 "_s, {{}, u"y"_s, u"z"_s, u"z"_s}, update.arg(u"z"_s, u"山田 "_s));
    row("update: quotes", u, u"O'Brien"_s, {{}, u"it's"_s, u"a'b"_s, u"a'b"_s}, update.arg(u"a''b"_s, u"O''Brien"_s));
    // Every diary row of the user goes; other users' rows stay, even under a name that
    // differs only by a blank.
    row("delete: a user", d, u"山田"_s, {{}, u"pw"_s}, u"delete from TMP_Sche where username = '山田';"_s);
    row("delete: quotes", d, u"O'Brien"_s, {{}, u"it's"_s}, u"delete from TMP_Sche where username = 'O''Brien';"_s);
}

// Each change asks, is done and says so, and leaves the window back at 400, 400 with the list
// as the table now is and empty fields.
void SeqUserTest::changes() {
    QFETCH(QString, command);
    QFETCH(QString, entry);
    QFETCH(QStringList, fields);
    QFETCH(QString, statement);
    const Command& c = commands[command];
    const QString name = entry.isEmpty() ? fields[0] : entry;
    const bool deleted = command == u"Delete"_s;
    m_window->move(m_window->pos() + QPoint(50, 30));
    fill(entry, fields);
    QString run;
    ModalScript script;
    script.press(u"Cmd_Yes"_s).then(u"Msg"_s, [&](QDialog& notice) {
        run = Mod1::Sql;
        QTest::mouseClick(notice.findChild<QPushButton*>(u"Cmd_OK"_s), Qt::LeftButton);
    });
    QTest::mouseClick(button(command), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, c.question.arg(name));
    QCOMPARE(script.messages()[0].focus, c.questionFocus);
    QCOMPARE(script.messages()[1].text, c.done);
    QCOMPARE(run, statement);
    QCOMPARE(password(name), deleted ? QVariant() : QVariant(fields[2]));
    QCOMPARE(names(u"TMP_Sche"_s), deleted ? without(diaries, name) : diaries);

    QCOMPARE(m_window->pos(), QPoint(platform::twips(400), platform::twips(400)));
    QStringList listed;
    for (int i = 0; i < m_window->LS->count(); ++i)
        listed.append(m_window->LS->item(i)->text());
    QCOMPARE(listed, names(u"Mst_User"_s));
    QCOMPARE(Mod1::Sql, u"select * from Mst_User order by UserName"_s);
    QCOMPARE(QStringList({m_window->Txt_UserName->text(), m_window->Txt_OldPass->text(), m_window->Txt_NewPass->text(),
                          m_window->Txt_NewPass2->text(), m_window->Lab_OldPass->caption()}),
             QStringList(5));
    QCOMPARE(m_window->focusWidget()->objectName(), c.focusAfter);
}

// When the diary cannot be deleted the user stays too, and the user is told why.
void SeqUserTest::deleteIsAllOrNothing() {
    m_folder->execute(
        u"CREATE TRIGGER keep_diary BEFORE DELETE ON TMP_Sche BEGIN SELECT RAISE(ABORT, 'the diary is kept'); END"_s);
    fill(u"山田"_s, {{}, u"pw"_s});
    ModalScript script;
    script.press(u"Cmd_Yes"_s).press(u"Cmd_OK"_s);
    QTest::mouseClick(button(u"Delete"_s), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QVERIFY(script.messages()[1].text.startsWith(u"データベースの処理に失敗しました。\r"_s));
    QVERIFY(script.messages()[1].text.contains(u"the diary is kept"_s));
    QCOMPARE(password(u"山田"_s), QVariant(u"pw"_s));
    QCOMPARE(names(u"TMP_Sche"_s), diaries);
}

QTEST_MAIN(SeqUserTest)
#include "test_sequser.moc"
