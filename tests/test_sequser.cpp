// The user management window: choosing a user, adding, changing a password and deleting a
// user with the user's diary, each refusal with its notice and focus.
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
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString wrongPassword = u"パスワードが違います。"_s;
const QString noneSelected = u"リストが選択されていません。"_s;
const QString cannotRename = u"ユーザー名の更新はできません。\r一度削除してから登録しなおしてください。"_s;
const QStringList startingUsers{u" 鈴木 "_s, u"Guest"_s, u"O'Brien"_s, u"佐藤"_s, u"山田"_s, u"山田 "_s};

QString quoted(QString value) {
    return value.replace(u"'"_s, u"''"_s);
}

} // namespace

class SeqUserTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init();
    void cleanup();
    void loading();
    void choosing_data();
    void choosing();
    void refusals_data();
    void refusals();
    void insert_data();
    void insert();
    void update_data();
    void update();
    void deleteTakesTheDiaryAlong_data();
    void deleteTakesTheDiaryAlong();
    void deleteIsAllOrNothing();

private:
    // Chooses an entry with the mouse (none when empty), then types into the fields that
    // are given (null: left as they are; the name box is emptied first).
    void fill(const QString& entry, const QString& name, const QString& oldPass, const QString& newPass = {},
              const QString& newPass2 = {});
    QPushButton* button(const QString& name) { return m_window->findChild<QPushButton*>(u"Cmd_"_s + name); }
    QString password(const QString& user);
    // Presses the button, answers Yes and then OK; returns the messages and the last
    // statement run before the notice.
    QList<ModalScript::Message> confirm(const QString& command, QString& statement);
    void verifyReloaded(const QStringList& entries);

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<SeqUser> m_window;
};

void SeqUserTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    for (const auto& [name, pass] : {std::pair{u"'山田'"_s, u"'pw'"_s},
                                     {u"'佐藤'"_s, u"NULL"_s},
                                     {u"'O''Brien'"_s, u"'it''s'"_s},
                                     {u"' 鈴木 '"_s, u"'x'"_s},
                                     {u"'山田 '"_s, u"'y'"_s}})
        m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values(%1 , %2)"_s.arg(name, pass));
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

void SeqUserTest::fill(const QString& entry, const QString& name, const QString& oldPass, const QString& newPass,
                       const QString& newPass2) {
    if (!entry.isEmpty()) {
        QListWidget* list = m_window->LS;
        QListWidgetItem* item = list->findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive).value(0);
        QVERIFY2(item, qPrintable(entry));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }
    if (!name.isNull())
        m_window->Txt_UserName->clear();
    const std::pair<QLineEdit*, QString> fields[] = {{m_window->Txt_UserName, name},
                                                     {m_window->Txt_OldPass, oldPass},
                                                     {m_window->Txt_NewPass, newPass},
                                                     {m_window->Txt_NewPass2, newPass2}};
    for (const auto& [box, text] : fields)
        typeText(box, text);
}

QString SeqUserTest::password(const QString& user) {
    return m_folder->scalar(u"select UserPass as [TOTAL] from Mst_User Where UserName = '%1'"_s.arg(quoted(user)))
        .toString();
}

QList<ModalScript::Message> SeqUserTest::confirm(const QString& command, QString& statement) {
    ModalScript script;
    script.press(u"Cmd_Yes"_s).then(u"Msg"_s, [&](QDialog& notice) {
        statement = Mod1::Sql;
        QTest::mouseClick(notice.findChild<QPushButton*>(u"Cmd_OK"_s), Qt::LeftButton);
    });
    QTest::mouseClick(button(command), Qt::LeftButton);
    return script.messages();
}

// After each change the window is back at 400, 400 with a fresh list and empty fields.
void SeqUserTest::verifyReloaded(const QStringList& entries) {
    QCOMPARE(m_window->pos(), QPoint(platform::twips(400), platform::twips(400)));
    QStringList listed;
    for (int i = 0; i < m_window->LS->count(); ++i)
        listed.append(m_window->LS->item(i)->text());
    QCOMPARE(listed, entries);
    for (QLineEdit* box :
         {m_window->Txt_UserName, m_window->Txt_OldPass, m_window->Txt_NewPass, m_window->Txt_NewPass2})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QVERIFY(m_window->Lab_OldPass->caption().isEmpty());
}

void SeqUserTest::loading() {
    QCOMPARE(m_window->windowTitle(), u"Tamoru ～ 使用者設定 ～"_s);
    QCOMPARE(Mod1::Sql, u"select * from Mst_User order by UserName"_s);
    verifyReloaded(startingUsers);
    QCOMPARE(QApplication::focusWidget(), m_window->Txt_UserName);
}

void SeqUserTest::choosing_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("statement");
    const QString select = u"select * from Mst_User Where UserName = '%1' "_s;
    QTest::newRow("a user") << u"山田"_s << u"山田"_s << u"pw"_s << select.arg(u"山田"_s);
    QTest::newRow("no password") << u"佐藤"_s << u"佐藤"_s << u""_s << select.arg(u"佐藤"_s);
    QTest::newRow("quotes") << u"O'Brien"_s << u"O'Brien"_s << u"it's"_s << select.arg(u"O''Brien"_s);
    // Looked up trimmed, these find no row or only another user's: nothing is read.
    QTest::newRow("blanks around") << u" 鈴木 "_s << u""_s << u""_s << select.arg(u"鈴木"_s);
    QTest::newRow("another user's row") << u"山田 "_s << u""_s << u""_s << select.arg(u"山田"_s);
}

void SeqUserTest::choosing() {
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QString, statement);
    fill({}, u"typed"_s, u"old"_s, u"new"_s);
    fill(entry, {}, {});
    QCOMPARE(Mod1::Sql, statement);
    QCOMPARE(m_window->Txt_UserName->text(), name);
    QCOMPARE(m_window->Lab_OldPass->caption(), stored);
    QVERIFY(m_window->Txt_NewPass->text().isEmpty());
    QCOMPARE(m_window->focusWidget(), m_window->Txt_OldPass);
}

void SeqUserTest::refusals_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("entry"); // empty: nothing chosen
    QTest::addColumn<bool>("clearFirst");
    QTest::addColumn<QString>("name");          // null: as choosing left it
    QTest::addColumn<QStringList>("passwords"); // current, new, new again
    QTest::addColumn<QString>("message");       // a notice, or a question answered No
    QTest::addColumn<QString>("focus");         // empty: not moved from the button
    const QString none, name = u"Txt_UserName"_s, i = u"Insert"_s, u = u"Update"_s, d = u"Delete"_s;
    const QStringList right{u"pw"_s, u"a"_s, u"a"_s}, empty{u""_s, u""_s, u""_s};
    QTest::newRow("insert: no name") << i << none << false << u"  "_s << QStringList{u""_s, u"01234567890"_s, u""_s}
                                     << u"名前が入力されていません。"_s << none;
    QTest::newRow("insert: listed, exactly")
        << i << none << false << u"山田 "_s << empty << u"その名前はすでに登録されています。"_s << none;
    QTest::newRow("insert: 11 characters")
        << i << none << false << u"あいうえおかきくけこさ"_s << empty << u"ユーザー名は半角10文字までです。"_s << none;
    QTest::newRow("insert: password of 11")
        << i << none << false << u" 新人 "_s << QStringList{u""_s, u"０１２３４５６７８９０"_s, u""_s}
        << u"パスワードは半角10文字までです。"_s << none;
    QTest::newRow("update: nothing chosen, a name typed")
        << u << none << false << u"山田"_s << empty << cannotRename << name;
    QTest::newRow("update: nothing chosen") << u << none << false << none << empty << noneSelected << name;
    QTest::newRow("update: name changed") << u << u"山田"_s << false << u"山田花子"_s << right << cannotRename << name;
    QTest::newRow("update: Guest") << u << u"Guest"_s << false << none << QStringList{u""_s, u"a"_s, u"a"_s}
                                   << u"Guest は修正できません。"_s << name;
    QTest::newRow("update: quoted trick")
        << u << u"山田"_s << false << none << QStringList{u"x' OR 'a'='a"_s, u"a"_s, u"a"_s} << wrongPassword << name;
    QTest::newRow("update: not confirmed")
        << u << u"山田"_s << false << none << QStringList{u"pw"_s, u"abc"_s, u"abd"_s}
        << u"新パスワードの確認がとれません。"_s << u"Txt_NewPass2"_s;
    QTest::newRow("update: password of 11")
        << u << u"山田"_s << false << none << QStringList{u"pw"_s, u"01234567890"_s, u"01234567890"_s}
        << u"パスワードは半角10文字までです。"_s << none;
    // After "クリア" the stored password belongs to nobody: an empty one must not pass.
    QTest::newRow("update: cleared") << u << u"山田"_s << true << u"山田"_s << QStringList{u""_s, u"a"_s, u"a"_s}
                                     << wrongPassword << name;
    QTest::newRow("delete: nothing chosen") << d << none << false << none << empty << noneSelected << name;
    QTest::newRow("delete: wrong password")
        << d << u"山田"_s << false << none << QStringList{u"PW"_s} << wrongPassword << name;
    QTest::newRow("delete: password before Guest")
        << d << u"Guest"_s << false << none << QStringList{u"x"_s} << wrongPassword << name;
    QTest::newRow("delete: Guest") << d << u"Guest"_s << false << none << empty << u"Guest は削除できません。"_s
                                   << name;
    QTest::newRow("delete: cleared") << d << u"山田"_s << true << none << empty << wrongPassword << name;
    QTest::newRow("delete: row not read") << d << u" 鈴木 "_s << false << none << empty << wrongPassword << name;
    QTest::newRow("insert: answered No") << i << none << false << u"Bob"_s << empty
                                         << u"ＤＢに［ Bob ］さんを追加してよろしいですか？"_s << name;
    QTest::newRow("update: answered No") << u << u"山田"_s << false << none << right
                                         << u"ＤＢの［ 山田］さんを修正してよろしいですか？"_s << name;
    QTest::newRow("delete: answered No")
        << d << u"山田"_s << false << none << right
        << u"ユーザー ［ 山田 ］さんを削除してよろしいですか？\r削除すると日記も削除されます。"_s << name;
}

// Each refusal shows its one notice (or a question is answered No), changes nothing and
// moves the focus as it should.
void SeqUserTest::refusals() {
    QFETCH(QString, command);
    QFETCH(QString, entry);
    QFETCH(bool, clearFirst);
    QFETCH(QString, name);
    QFETCH(QStringList, passwords);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    fill(entry, {}, {});
    if (clearFirst)
        QTest::mouseClick(button(u"Clear"_s), Qt::LeftButton);
    passwords.resize(3);
    fill({}, name, passwords[0], passwords[1], passwords[2]);
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
    QCOMPARE(m_folder->scalar(u"select count(*) as [TOTAL] FROM Mst_User"_s).toInt(), startingUsers.size());
    QCOMPARE(password(u"山田"_s), u"pw"_s);
}

void SeqUserTest::insert_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pass");
    QTest::addColumn<int>("row"); // where the name is listed
    QTest::newRow("10 full-width each") << u"あいうえおかきくけこ"_s << u"パスワードです１２３"_s << 3;
    QTest::newRow("blanks kept, no password") << u" abc "_s << u""_s << 0;
    QTest::newRow("only the case differs") << u"guest"_s << u" 1234567890 "_s << 3;
    QTest::newRow("quotes") << u"D'Arcy"_s << u"a' OR 'b"_s << 1;
}

void SeqUserTest::insert() {
    QFETCH(QString, name);
    QFETCH(QString, pass);
    QFETCH(int, row);
    m_window->move(m_window->pos() + QPoint(50, 30));
    fill({}, name, u"ignored"_s, pass);
    QString statement;
    const auto messages = confirm(u"Insert"_s, statement);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[0].text, u"ＤＢに［ "_s + name + u" ］さんを追加してよろしいですか？"_s);
    QCOMPARE(messages[0].focus, u"Cmd_Yes"_s);
    QCOMPARE(messages[1].text, u"ＤＢに追加しました。"_s);
    QCOMPARE(statement,
             u"INSERT INTO Mst_User(UserName , UserPass) Values('%1' , '%2')"_s.arg(quoted(name), quoted(pass)));
    QCOMPARE(password(name), pass);
    QStringList entries = startingUsers;
    entries.insert(row, name);
    verifyReloaded(entries);
    QCOMPARE(m_window->focusWidget(), m_window->Txt_UserName);
}

void SeqUserTest::update_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("oldPass");
    QTest::addColumn<QString>("newPass");
    QTest::newRow("a new password") << u"山田"_s << u"pw"_s << u" 1234567890 "_s;
    QTest::newRow("none before, none after") << u"佐藤"_s << u""_s << u""_s;
    QTest::newRow("quotes") << u"O'Brien"_s << u"it's"_s << u"a'b"_s;
}

void SeqUserTest::update() {
    QFETCH(QString, entry);
    QFETCH(QString, oldPass);
    QFETCH(QString, newPass);
    fill(entry, {}, oldPass, newPass, newPass);
    QString statement;
    const auto messages = confirm(u"Update"_s, statement);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[0].text, u"ＤＢの［ "_s + entry + u"］さんを修正してよろしいですか？"_s);
    QCOMPARE(messages[0].focus, u"Cmd_Yes"_s);
    QCOMPARE(messages[1].text, u"パスワードを修正しました。"_s);
    QCOMPARE(statement,
             u"UPDATE Mst_User SET UserPass = '%1' Where UserName = '%2'"_s.arg(quoted(newPass), quoted(entry)));
    QCOMPARE(password(entry), newPass);
    verifyReloaded(startingUsers);
    QCOMPARE(m_window->focusWidget(), m_window->Txt_OldPass);
}

void SeqUserTest::deleteTakesTheDiaryAlong_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("oldPass");
    QTest::newRow("a user") << u"山田"_s << u"pw"_s;
    QTest::newRow("quotes") << u"O'Brien"_s << u"it's"_s;
}

// Every diary row of the user goes; other users' rows stay, even under a name that differs
// only by a blank.
void SeqUserTest::deleteTakesTheDiaryAlong() {
    QFETCH(QString, entry);
    QFETCH(QString, oldPass);
    for (const QString& user : {u"山田"_s, u"山田 "_s, u"O'Brien"_s, u"佐藤"_s}) {
        for (const QString& date : {u"2026/3/5"_s, u"2026/12/31"_s})
            m_folder->execute(
                u"INSERT INTO TMP_Sche(Date_Data , Daily_Data , UserName) Values('%1' , 'x' , '%2')"_s.arg(
                    date, quoted(user)));
    }
    fill(entry, {}, oldPass);
    QString statement;
    const auto messages = confirm(u"Delete"_s, statement);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[0].text,
             u"ユーザー ［ "_s + entry + u" ］さんを削除してよろしいですか？\r削除すると日記も削除されます。"_s);
    QCOMPARE(messages[0].focus, u"Cmd_No"_s);
    QCOMPARE(messages[1].text, u"ユーザーを削除しました。"_s);
    QCOMPARE(statement, u"delete from TMP_Sche where username = '%1';"_s.arg(quoted(entry)));
    QCOMPARE(m_folder->scalar(u"select count(*) as [TOTAL] FROM TMP_Sche"_s).toInt(), 6);
    QCOMPARE(m_folder->scalar(u"select count(*) as [TOTAL] FROM TMP_Sche Where UserName = '%1'"_s.arg(quoted(entry)))
                 .toInt(),
             0);
    QStringList entries = startingUsers;
    entries.removeOne(entry);
    verifyReloaded(entries);
    QCOMPARE(m_window->focusWidget(), m_window->Txt_UserName);
}

// When the diary cannot be deleted the user stays too, and the user is told why.
void SeqUserTest::deleteIsAllOrNothing() {
    m_folder->execute(u"INSERT INTO TMP_Sche(Date_Data , Daily_Data , UserName) Values('2026/3/5' , 'x' , '山田')"_s);
    m_folder->execute(
        u"CREATE TRIGGER keep_diary BEFORE DELETE ON TMP_Sche BEGIN SELECT RAISE(ABORT, 'the diary is kept'); END"_s);
    fill(u"山田"_s, {}, u"pw"_s);
    ModalScript script;
    script.press(u"Cmd_Yes"_s).press(u"Cmd_OK"_s);
    QTest::mouseClick(button(u"Delete"_s), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QVERIFY(script.messages()[1].text.startsWith(u"データベースの処理に失敗しました。\r"_s));
    QVERIFY(script.messages()[1].text.contains(u"the diary is kept"_s));
    QCOMPARE(password(u"山田"_s), u"pw"_s);
    QCOMPARE(m_folder->scalar(u"select count(*) as [TOTAL] FROM TMP_Sche"_s).toInt(), 1);
}

QTEST_MAIN(SeqUserTest)
#include "test_sequser.moc"
