// The user management window: loading, choosing a user, adding, changing a password and
// deleting a user with the user's diary, each refusal with its notice and focus.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ImeMode.h"
#include "platform/Twips.h"
#include "users/SeqUser.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::twipsRect;

namespace {

const QString wrongPassword = u"パスワードが違います。"_s;
const QString noneSelected = u"リストが選択されていません。"_s;
const QString nameTooLong = u"ユーザー名は半角10文字までです。"_s;
const QString passwordTooLong = u"パスワードは半角10文字までです。"_s;

QString quoted(QString value) {
    return value.replace(u"'"_s, u"''"_s);
}

} // namespace

class SeqUserTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void windowAndControls();
    void choosingAUser_data();
    void choosingAUser();
    void clearKeepsTheChoice();
    void insertRefused_data();
    void insertRefused();
    void insertAccepted_data();
    void insertAccepted();
    void insertAnsweredNo();
    void updateRefused_data();
    void updateRefused();
    void updateAccepted_data();
    void updateAccepted();
    void updateAnsweredNo();
    void deleteRefused_data();
    void deleteRefused();
    void deleteTakesTheDiaryAlong_data();
    void deleteTakesTheDiaryAlong();
    void deleteAnsweredNo();
    void deleteIsAllOrNothing();
    void exitCloses();

private:
    void choose(const QString& entry);
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QStringList entries() const;
    int count(const QString& table, const QString& name);
    // Moves the window away, so a reload is seen putting it back.
    void moveAway() { m_window->move(m_window->pos() + QPoint(50, 30)); }
    void verifyReloaded(const QStringList& expectedEntries);

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<SeqUser> m_window;
};

void SeqUserTest::initTestCase() {
    platform::setUpDesktop();
}

void SeqUserTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , 'pw')"_s);
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('佐藤' , NULL)"_s);
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('O''Brien' , 'it''s')"_s);
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

void SeqUserTest::choose(const QString& entry) {
    const QList<QListWidgetItem*> found = m_window->LS->findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(found.size() == 1, qPrintable(entry));
    QListWidget* list = m_window->LS;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    QCOMPARE(list->currentItem(), found.first());
}

QStringList SeqUserTest::entries() const {
    QStringList texts;
    for (int i = 0; i < m_window->LS->count(); ++i)
        texts.append(m_window->LS->item(i)->text());
    return texts;
}

int SeqUserTest::count(const QString& table, const QString& name) {
    return m_folder->scalar(u"select count(*) as [TOTAL] FROM %1 Where UserName = '%2'"_s.arg(table, quoted(name)))
        .toInt();
}

void SeqUserTest::verifyReloaded(const QStringList& expectedEntries) {
    QCOMPARE(m_window->pos(), QPoint(platform::twips(400), platform::twips(400)));
    QCOMPARE(entries(), expectedEntries);
    QVERIFY(m_window->LS->selectedItems().isEmpty());
    for (QLineEdit* box :
         {m_window->Txt_UserName, m_window->Txt_OldPass, m_window->Txt_NewPass, m_window->Txt_NewPass2})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QVERIFY(m_window->Lab_OldPass->caption().isEmpty());
}

void SeqUserTest::windowAndControls() {
    SeqUser& w = *m_window;
    QCOMPARE(w.windowTitle(), u"Tamoru ～ 使用者設定 ～"_s);
    QCOMPARE(w.size(), QSize(platform::twips(7125), platform::twips(2925)));
    QCOMPARE(w.pos(), QPoint(platform::twips(400), platform::twips(400)));
    QCOMPARE(w.SSFrame1->title(), u"ユーザー登録"_s);
    QCOMPARE(w.SSFrame1->geometry(), twipsRect(0, 0, 7125, 2850));

    const struct {
        QWidget* control;
        QString caption;
        QRect place;
    } controls[] = {
        {w.LS, {}, twipsRect(90, 315, 2760, 1410)},
        {w.SSPanel3, u"ユーザー名"_s, twipsRect(3060, 315, 1500, 270)},
        {w.Txt_UserName, {}, twipsRect(4635, 315, 2400, 285)},
        {w.SSPanel2, u"現在のパスワード"_s, twipsRect(3060, 630, 1500, 270)},
        {w.Txt_OldPass, {}, twipsRect(4635, 630, 2400, 285)},
        {w.SSPanel1, u"新パスワード"_s, twipsRect(3060, 1170, 1500, 270)},
        {w.Txt_NewPass, {}, twipsRect(4635, 1170, 2400, 285)},
        {w.SSPanel4, u"新パスワード確認"_s, twipsRect(3060, 1485, 1500, 270)},
        {w.Txt_NewPass2, {}, twipsRect(4635, 1485, 2400, 285)},
        {w.Lab_OldPass, {}, twipsRect(945, 1845, 1095, 270)},
        {w.Cmd_Clear, u"クリア"_s, twipsRect(2115, 1845, 915, 915)},
        {w.Cmd_Insert, u"追加"_s, twipsRect(3060, 1845, 915, 915)},
        {w.Cmd_Update, u"修正"_s, twipsRect(4005, 1845, 915, 915)},
        {w.Cmd_Delete, u"削除"_s, twipsRect(4950, 1845, 915, 915)},
        {w.Cmd_EXIT, u"EXIT"_s, twipsRect(6075, 1845, 915, 915)},
    };
    for (const auto& c : controls) {
        QCOMPARE(c.control->parentWidget(), w.SSFrame1);
        QCOMPARE(c.control->geometry(), c.place);
        if (auto* panel = qobject_cast<platform::Panel3D*>(c.control); panel && !c.caption.isNull())
            QCOMPARE(panel->caption(), c.caption);
        if (auto* button = qobject_cast<QPushButton*>(c.control))
            QCOMPARE(button->text(), c.caption);
    }
    QVERIFY(w.Lab_OldPass->isHidden());
    QCOMPARE(w.LS->font().family(), u"ＭＳ Ｐゴシック"_s);
    QCOMPARE(w.LS->font().pointSizeF(), 11.25);
    QCOMPARE(w.Txt_UserName->echoMode(), QLineEdit::Normal);
    QCOMPARE(platform::imeMode(w.Txt_UserName), platform::ImeMode::Off);
    for (QLineEdit* box : {w.Txt_OldPass, w.Txt_NewPass, w.Txt_NewPass2}) {
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        QCOMPARE(platform::imeMode(box), platform::ImeMode::Disabled);
    }

    QCOMPARE(entries(), (QStringList{u"Guest"_s, u"O'Brien"_s, u"佐藤"_s, u"山田"_s}));
    QCOMPARE(Mod1::Sql, u"select * from Mst_User order by UserName"_s);
    QCOMPARE(QApplication::focusWidget(), w.Txt_UserName);
    for (QLineEdit* next : {w.Txt_OldPass, w.Txt_NewPass, w.Txt_NewPass2}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void SeqUserTest::choosingAUser_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("statement");
    QTest::newRow("a user") << u"山田"_s << u"山田"_s << u"pw"_s
                            << u"select * from Mst_User Where UserName = '山田' "_s;
    QTest::newRow("no password") << u"佐藤"_s << u"佐藤"_s << u""_s
                                 << u"select * from Mst_User Where UserName = '佐藤' "_s;
    QTest::newRow("quotes") << u"O'Brien"_s << u"O'Brien"_s << u"it's"_s
                            << u"select * from Mst_User Where UserName = 'O''Brien' "_s;
    // Looked up trimmed, the entry finds no row, or only another user's: nothing is read.
    QTest::newRow("blanks around") << u" 鈴木 "_s << u""_s << u""_s
                                   << u"select * from Mst_User Where UserName = '鈴木' "_s;
    QTest::newRow("blanks around a user's name")
        << u"山田 "_s << u""_s << u""_s << u"select * from Mst_User Where UserName = '山田' "_s;
}

void SeqUserTest::choosingAUser() {
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QString, statement);
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values(' 鈴木 ' , 'x')"_s);
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田 ' , 'y')"_s);
    m_window->Form_Load();
    typeText(m_window->Txt_NewPass, u"abc"_s);
    choose(entry);
    QCOMPARE(Mod1::Sql, statement);
    QCOMPARE(m_window->Txt_UserName->text(), name);
    QCOMPARE(m_window->Lab_OldPass->caption(), stored);
    QVERIFY(m_window->Txt_NewPass->text().isEmpty());
    QCOMPARE(m_window->focusWidget(), m_window->Txt_OldPass);
}

void SeqUserTest::clearKeepsTheChoice() {
    choose(u"山田"_s);
    typeText(m_window->Txt_OldPass, u"pw"_s);
    typeText(m_window->Txt_NewPass, u"new"_s);
    typeText(m_window->Txt_NewPass2, u"new"_s);
    click(m_window->Cmd_Clear);
    for (QLineEdit* box :
         {m_window->Txt_UserName, m_window->Txt_OldPass, m_window->Txt_NewPass, m_window->Txt_NewPass2})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QVERIFY(m_window->Lab_OldPass->caption().isEmpty());
    QCOMPARE(m_window->LS->currentItem()->text(), u"山田"_s);
    QCOMPARE(m_window->focusWidget(), m_window->Txt_UserName);
}

void SeqUserTest::insertRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("notice");
    QTest::newRow("no name") << u""_s << u""_s << u"名前が入力されていません。"_s;
    QTest::newRow("blanks only") << u"   "_s << u"01234567890"_s << u"名前が入力されていません。"_s;
    QTest::newRow("a listed name") << u"山田"_s << u""_s << u"その名前はすでに登録されています。"_s;
    QTest::newRow("listed, before too long") << u"Elevenchars"_s << u""_s << u"その名前はすでに登録されています。"_s;
    QTest::newRow("name of 11") << u"abcdefghijk"_s << u""_s << nameTooLong;
    QTest::newRow("11 full-width") << u"あいうえおかきくけこさ"_s << u""_s << nameTooLong;
    QTest::newRow("name before password") << u"abcdefghijk"_s << u"01234567890"_s << nameTooLong;
    QTest::newRow("password of 11") << u"新人"_s << u"01234567890"_s << passwordTooLong;
    QTest::newRow("11 full-width password") << u"新人"_s << u"０１２３４５６７８９０"_s << passwordTooLong;
}

// Each refusal shows its notice, changes nothing and leaves the focus where it was.
void SeqUserTest::insertRefused() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, notice);
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('Elevenchars' , '')"_s);
    m_window->Form_Load();
    typeText(m_window->Txt_UserName, name);
    typeText(m_window->Txt_NewPass, password);
    const int users = m_folder->scalar(u"select count(*) as [TOTAL] FROM Mst_User"_s).toInt();
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    click(m_window->Cmd_Insert);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().first().text, notice);
    QCOMPARE(script.messages().first().kind, 0);
    QCOMPARE(m_folder->scalar(u"select count(*) as [TOTAL] FROM Mst_User"_s).toInt(), users);
    QCOMPARE(m_window->Txt_UserName->text(), name);
    QCOMPARE(m_window->focusWidget(), m_window->Cmd_Insert);
}

void SeqUserTest::insertAccepted_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("listed");
    const QString g = u"Guest"_s, o = u"O'Brien"_s, s = u"佐藤"_s, y = u"山田"_s;
    QTest::newRow("plain") << u"Bob"_s << u"secret"_s << QStringList{u"Bob"_s, g, o, s, y};
    QTest::newRow("no password") << u"鈴木"_s << u""_s << QStringList{g, o, s, y, u"鈴木"_s};
    QTest::newRow("10 characters each") << u"abcdefghij"_s << u"0123456789"_s
                                        << QStringList{g, o, u"abcdefghij"_s, s, y};
    QTest::newRow("10 full-width") << u"あいうえおかきくけこ"_s << u"パスワードです１２３"_s
                                   << QStringList{g, o, u"あいうえおかきくけこ"_s, s, y};
    QTest::newRow("blanks kept") << u" abc "_s << u" 1234567890 "_s << QStringList{u" abc "_s, g, o, s, y};
    QTest::newRow("letter case differs") << u"guest"_s << u""_s << QStringList{g, o, u"guest"_s, s, y};
    QTest::newRow("width differs") << u"Ｇｕｅｓｔ"_s << u""_s << QStringList{g, o, s, y, u"Ｇｕｅｓｔ"_s};
    QTest::newRow("quotes") << u"D'Arcy"_s << u"a' OR 'b"_s << QStringList{u"D'Arcy"_s, g, o, s, y};
}

void SeqUserTest::insertAccepted() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QStringList, listed);
    moveAway();
    typeText(m_window->Txt_UserName, name);
    typeText(m_window->Txt_OldPass, u"ignored"_s);
    typeText(m_window->Txt_NewPass, password);
    ModalScript script;
    script.press(u"Cmd_Yes"_s).press(u"Cmd_OK"_s);
    click(m_window->Cmd_Insert);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, u"ＤＢに［ "_s + name + u" ］さんを追加してよろしいですか？"_s);
    QCOMPARE(script.messages()[0].kind, 1);
    QCOMPARE(script.messages()[0].focus, u"Cmd_Yes"_s);
    QCOMPARE(script.messages()[1].text, u"ＤＢに追加しました。"_s);
    QCOMPARE(Mod1::Sql, u"select * from Mst_User order by UserName"_s); // the reload ran last

    QCOMPARE(m_folder->scalar(u"select UserPass as [TOTAL] from Mst_User Where UserName = '%1'"_s.arg(quoted(name)))
                 .toString(),
             password);
    verifyReloaded(listed);
    QCOMPARE(m_window->focusWidget(), m_window->Txt_UserName);
}

void SeqUserTest::insertAnsweredNo() {
    typeText(m_window->Txt_UserName, u"Bob"_s);
    ModalScript script;
    script.press(u"Cmd_No"_s);
    click(m_window->Cmd_Insert);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(count(u"Mst_User"_s, u"Bob"_s), 0);
    QCOMPARE(m_window->Txt_UserName->text(), u"Bob"_s);
    QCOMPARE(m_window->focusWidget(), m_window->Txt_UserName);
}

void SeqUserTest::updateRefused_data() {
    QTest::addColumn<QString>("entry"); // empty: nothing chosen
    QTest::addColumn<bool>("clearFirst");
    QTest::addColumn<QString>("name"); // null: as the choice left it
    QTest::addColumn<QString>("oldPass");
    QTest::addColumn<QString>("newPass");
    QTest::addColumn<QString>("newPass2");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("focus"); // empty: not moved from the button
    const QString cannotRename =
        u"ユーザー名の更新はできません。"_s + u"\r"_s + u"一度削除してから登録しなおしてください。"_s;
    const QString userName = u"Txt_UserName"_s;
    QTest::newRow("nothing chosen, a name typed")
        << u""_s << false << u"山田"_s << u""_s << u""_s << u""_s << cannotRename << userName;
    QTest::newRow("nothing chosen, nothing typed")
        << u""_s << false << QString() << u""_s << u""_s << u""_s << noneSelected << userName;
    QTest::newRow("name changed") << u"山田"_s << false << u"山田花子"_s << u"pw"_s << u"a"_s << u"a"_s << cannotRename
                                  << userName;
    QTest::newRow("Guest") << u"Guest"_s << false << QString() << u""_s << u"a"_s << u"a"_s
                           << u"Guest は修正できません。"_s << userName;
    QTest::newRow("wrong password") << u"山田"_s << false << QString() << u"PW"_s << u"a"_s << u"a"_s << wrongPassword
                                    << userName;
    QTest::newRow("quoted trick as password")
        << u"山田"_s << false << QString() << u"x' OR 'a'='a"_s << u"a"_s << u"a"_s << wrongPassword << userName;
    QTest::newRow("confirmation differs") << u"山田"_s << false << QString() << u"pw"_s << u"abc"_s << u"abd"_s
                                          << u"新パスワードの確認がとれません。"_s << u"Txt_NewPass2"_s;
    QTest::newRow("password of 11") << u"山田"_s << false << QString() << u"pw"_s << u"01234567890"_s
                                    << u"01234567890"_s << passwordTooLong << u""_s;
    // After "クリア" the stored password belongs to nobody: an empty one must not pass.
    QTest::newRow("cleared, name typed again")
        << u"山田"_s << true << u"山田"_s << u""_s << u"a"_s << u"a"_s << wrongPassword << userName;
}

void SeqUserTest::updateRefused() {
    QFETCH(QString, entry);
    QFETCH(bool, clearFirst);
    QFETCH(QString, name);
    QFETCH(QString, oldPass);
    QFETCH(QString, newPass);
    QFETCH(QString, newPass2);
    QFETCH(QString, notice);
    QFETCH(QString, focus);
    if (!entry.isEmpty())
        choose(entry);
    if (clearFirst)
        click(m_window->Cmd_Clear);
    if (!name.isNull()) {
        m_window->Txt_UserName->clear();
        typeText(m_window->Txt_UserName, name);
    }
    typeText(m_window->Txt_OldPass, oldPass);
    typeText(m_window->Txt_NewPass, newPass);
    typeText(m_window->Txt_NewPass2, newPass2);
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    click(m_window->Cmd_Update);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().size(), 1);
    QCOMPARE(script.messages().first().text, notice);
    QCOMPARE(script.messages().first().kind, 0);
    QCOMPARE(m_window->focusWidget()->objectName(), focus.isEmpty() ? u"Cmd_Update"_s : focus);
    QCOMPARE(m_window->Txt_NewPass2->text(), focus == u"Txt_NewPass2"_s ? QString() : newPass2);
    QCOMPARE(m_folder->scalar(u"select UserPass as [TOTAL] from Mst_User Where UserName = '山田'"_s).toString(),
             u"pw"_s);
}

void SeqUserTest::updateAccepted_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("oldPass");
    QTest::addColumn<QString>("newPass");
    QTest::newRow("a new password") << u"山田"_s << u"pw"_s << u"新しい"_s;
    QTest::newRow("no password before, none after") << u"佐藤"_s << u""_s << u""_s;
    QTest::newRow("10 characters, blanks kept") << u"山田"_s << u"pw"_s << u" 1234567890 "_s;
    QTest::newRow("quotes") << u"O'Brien"_s << u"it's"_s << u"a'b"_s;
}

void SeqUserTest::updateAccepted() {
    QFETCH(QString, entry);
    QFETCH(QString, oldPass);
    QFETCH(QString, newPass);
    choose(entry);
    moveAway();
    typeText(m_window->Txt_OldPass, oldPass);
    typeText(m_window->Txt_NewPass, newPass);
    typeText(m_window->Txt_NewPass2, newPass);
    QString statement;
    ModalScript script;
    script.press(u"Cmd_Yes"_s).then(u"Msg"_s, [&](QDialog& notice) {
        statement = Mod1::Sql;
        QTest::mouseClick(notice.findChild<QPushButton*>(u"Cmd_OK"_s), Qt::LeftButton);
    });
    click(m_window->Cmd_Update);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, u"ＤＢの［ "_s + entry + u"］さんを修正してよろしいですか？"_s);
    QCOMPARE(script.messages()[0].kind, 1);
    QCOMPARE(script.messages()[0].focus, u"Cmd_Yes"_s);
    QCOMPARE(script.messages()[1].text, u"パスワードを修正しました。"_s);
    QCOMPARE(statement,
             u"UPDATE Mst_User SET UserPass = '%1' Where UserName = '%2'"_s.arg(quoted(newPass), quoted(entry)));
    QCOMPARE(m_folder->scalar(u"select UserPass as [TOTAL] from Mst_User Where UserName = '%1'"_s.arg(quoted(entry)))
                 .toString(),
             newPass);
    verifyReloaded({u"Guest"_s, u"O'Brien"_s, u"佐藤"_s, u"山田"_s});
    QCOMPARE(m_window->focusWidget(), m_window->Txt_OldPass);
}

void SeqUserTest::updateAnsweredNo() {
    choose(u"山田"_s);
    typeText(m_window->Txt_OldPass, u"pw"_s);
    typeText(m_window->Txt_NewPass, u"x"_s);
    typeText(m_window->Txt_NewPass2, u"x"_s);
    ModalScript script;
    script.press(u"Cmd_No"_s);
    click(m_window->Cmd_Update);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(m_folder->scalar(u"select UserPass as [TOTAL] from Mst_User Where UserName = '山田'"_s).toString(),
             u"pw"_s);
    QCOMPARE(m_window->focusWidget(), m_window->Txt_UserName);
}

void SeqUserTest::deleteRefused_data() {
    QTest::addColumn<QString>("entry"); // empty: nothing chosen
    QTest::addColumn<bool>("clearFirst");
    QTest::addColumn<QString>("oldPass");
    QTest::addColumn<QString>("notice");
    QTest::newRow("nothing chosen") << u""_s << false << u""_s << noneSelected;
    QTest::newRow("nothing chosen, a password typed") << u""_s << false << u"pw"_s << wrongPassword;
    QTest::newRow("wrong password") << u"山田"_s << false << u"p"_s << wrongPassword;
    QTest::newRow("wrong password before Guest") << u"Guest"_s << false << u"x"_s << wrongPassword;
    QTest::newRow("Guest") << u"Guest"_s << false << u""_s << u"Guest は削除できません。"_s;
    QTest::newRow("after clearing") << u"山田"_s << true << u""_s << wrongPassword;
    QTest::newRow("row not read") << u" 鈴木 "_s << false << u""_s << wrongPassword;
}

void SeqUserTest::deleteRefused() {
    QFETCH(QString, entry);
    QFETCH(bool, clearFirst);
    QFETCH(QString, oldPass);
    QFETCH(QString, notice);
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values(' 鈴木 ' , 'x')"_s);
    m_window->Form_Load();
    if (!entry.isEmpty())
        choose(entry);
    if (clearFirst)
        click(m_window->Cmd_Clear);
    typeText(m_window->Txt_OldPass, oldPass);
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    click(m_window->Cmd_Delete);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().size(), 1);
    QCOMPARE(script.messages().first().text, notice);
    QCOMPARE(m_window->focusWidget(), m_window->Txt_UserName);
    QCOMPARE(m_folder->scalar(u"select count(*) as [TOTAL] FROM Mst_User"_s).toInt(), 5);
}

void SeqUserTest::deleteTakesTheDiaryAlong_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("oldPass");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("a user") << u"山田"_s << u"pw"_s << QStringList{u"Guest"_s, u"O'Brien"_s, u"佐藤"_s};
    QTest::newRow("no password") << u"佐藤"_s << u""_s << QStringList{u"Guest"_s, u"O'Brien"_s, u"山田"_s};
    QTest::newRow("quotes") << u"O'Brien"_s << u"it's"_s << QStringList{u"Guest"_s, u"佐藤"_s, u"山田"_s};
}

// The user's diary goes for every date; other users' diaries stay, including one whose name
// differs only by a blank.
void SeqUserTest::deleteTakesTheDiaryAlong() {
    QFETCH(QString, entry);
    QFETCH(QString, oldPass);
    QFETCH(QStringList, left);
    for (const QString& user : {u"山田"_s, u"佐藤"_s, u"O'Brien"_s, entry + u" "_s}) {
        for (const QString& date : {u"2026/3/5"_s, u"2026/12/31"_s})
            m_folder->execute(
                u"INSERT INTO TMP_Sche(Date_Data , Daily_Data , UserName) Values('%1' , 'x' , '%2')"_s.arg(
                    date, quoted(user)));
    }
    choose(entry);
    moveAway();
    typeText(m_window->Txt_OldPass, oldPass);
    QStringList statements;
    ModalScript script;
    script.press(u"Cmd_Yes"_s).then(u"Msg"_s, [&](QDialog& notice) {
        statements.append(Mod1::Sql);
        QTest::mouseClick(notice.findChild<QPushButton*>(u"Cmd_OK"_s), Qt::LeftButton);
    });
    click(m_window->Cmd_Delete);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, u"ユーザー ［ "_s + entry + u" ］さんを削除してよろしいですか？"_s + u"\r"_s +
                                            u"削除すると日記も削除されます。"_s);
    QCOMPARE(script.messages()[0].kind, 1);
    QCOMPARE(script.messages()[0].focus, u"Cmd_No"_s);
    QCOMPARE(script.messages()[1].text, u"ユーザーを削除しました。"_s);
    QCOMPARE(statements, QStringList{u"delete from TMP_Sche where username = '%1';"_s.arg(quoted(entry))});

    QCOMPARE(count(u"Mst_User"_s, entry), 0);
    QCOMPARE(count(u"TMP_Sche"_s, entry), 0);
    QCOMPARE(count(u"TMP_Sche"_s, entry + u" "_s), 2);
    QCOMPARE(m_folder->scalar(u"select count(*) as [TOTAL] FROM TMP_Sche"_s).toInt(), 6);
    verifyReloaded(left);
    QCOMPARE(m_window->focusWidget(), m_window->Txt_UserName);
}

void SeqUserTest::deleteAnsweredNo() {
    choose(u"山田"_s);
    typeText(m_window->Txt_OldPass, u"pw"_s);
    ModalScript script;
    script.press(u"Cmd_No"_s);
    click(m_window->Cmd_Delete);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(count(u"Mst_User"_s, u"山田"_s), 1);
    QCOMPARE(m_window->focusWidget(), m_window->Txt_UserName);
}

// When the diary cannot be deleted, the user stays too, and the user is told why.
void SeqUserTest::deleteIsAllOrNothing() {
    m_folder->execute(u"INSERT INTO TMP_Sche(Date_Data , Daily_Data , UserName) Values('2026/3/5' , 'x' , '山田')"_s);
    m_folder->execute(u"CREATE TRIGGER keep_diary BEFORE DELETE ON TMP_Sche BEGIN "
                      u"SELECT RAISE(ABORT, 'the diary is kept'); END"_s);
    choose(u"山田"_s);
    typeText(m_window->Txt_OldPass, u"pw"_s);
    ModalScript script;
    script.press(u"Cmd_Yes"_s).press(u"Cmd_OK"_s);
    click(m_window->Cmd_Delete);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().size(), 2);
    QVERIFY(script.messages()[1].text.startsWith(u"データベースの処理に失敗しました。\r"_s));
    QVERIFY(script.messages()[1].text.contains(u"the diary is kept"_s));
    QCOMPARE(count(u"Mst_User"_s, u"山田"_s), 1);
    QCOMPARE(count(u"TMP_Sche"_s, u"山田"_s), 1);
    QCOMPARE(entries(), (QStringList{u"Guest"_s, u"O'Brien"_s, u"佐藤"_s, u"山田"_s}));
}

void SeqUserTest::exitCloses() {
    click(m_window->Cmd_EXIT);
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(SeqUserTest)
#include "test_sequser.moc"
