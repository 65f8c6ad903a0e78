// "追加", "修正" and "削除" of the entry window: checks, questions, statements and what each
// leaves behind.
#include "AddressRows.h"
#include "ModalScript.h"
#include "addressbook/DataCreate.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/MultiLineBox.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

class AddressWriteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init();
    void cleanup();
    void insertWritesTheBoxes_data();
    void insertWritesTheBoxes();
    void refusals_data();
    void refusals();
    void updateRenamesAndKeepsTheBoxes();
    void deleteAsksWithNoFirst();
    void answerNoWritesNothing_data();
    void answerNoWritesNothing();
    void quotesAreStoredAndFoundExactly();
    void refusedStatementChangesNothing();
    void recordGoneMeanwhile_data();
    void recordGoneMeanwhile();

private:
    // Presses a writing button, answers its question with Yes and returns the statement run.
    QString write(QPushButton* button);
    QString column(const QString& name, const QString& column) {
        auto rows = m_folder->db().openRecordset(u"select * from Mst_Address where Name_1 = '"_s +
                                                 platform::sqlText(name) + u"'"_s);
        return rows->atEnd() ? u"<none>"_s : rows->field(column).toString();
    }
    int count() { return m_folder->scalar(u"select count(*) as [TOTAL] from Mst_Address"_s).toInt(); }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<DataCreate> m_window;
    QList<ModalScript::Message> m_messages;
};

void AddressWriteTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    addFullAddress(*m_folder, u"山田"_s, u"ﾔﾏﾀﾞ"_s, 1, u"1996/1/5"_s);
    addAddress(*m_folder, {{u"Name_1"_s, u"鈴木"_s}, {u"Furigana"_s, u"ｽｽﾞｷ"_s}, {u"Sex_cd"_s, 2}});
    Mod1::OpenDb();
    m_window = std::make_unique<DataCreate>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void AddressWriteTest::cleanup() {
    m_window.reset();
    m_folder.reset();
}

QString AddressWriteTest::write(QPushButton* button) {
    QString statement;
    ModalScript script;
    script.press(u"Cmd_Yes"_s).then(u"Msg"_s, [&statement](QDialog& notice) {
        statement = Mod1::Sql;
        notice.findChild<QPushButton*>(u"Cmd_OK"_s)->click();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    if (!script.finished())
        qWarning("%s", qPrintable(script.report()));
    m_messages = script.messages();
    return statement;
}

void AddressWriteTest::insertWritesTheBoxes_data() {
    QTest::addColumn<QStringList>("date"); // year, month, day as typed
    QTest::addColumn<QString>("birth");
    QTest::newRow("date") << QStringList{u"8"_s, u"1"_s, u"5"_s} << u"1996/1/5"_s;
    QTest::newRow("zeros kept") << QStringList{u"8"_s, u"01"_s, u"05"_s} << u"1996/01/05"_s;
    QTest::newRow("no year") << QStringList{u""_s, u"1"_s, u"5"_s} << u""_s;
}

void AddressWriteTest::insertWritesTheBoxes() {
    QFETCH(QStringList, date);
    QFETCH(QString, birth);
    DataCreate& w = *m_window;
    typeText(w.Txt_Name_1, u"佐藤"_s);
    typeText(w.Txt_Furigana, u"ｻﾄｳ"_s);
    w.Cmb_Sex->setCurrentIndex(1);
    w.Cmb_Nengou->setEditText(u"平成"_s);
    typeText(w.Txt_Y, date[0]);
    typeText(w.Txt_M, date[1]);
    typeText(w.Txt_D, date[2]);
    typeText(w.Txt_Zyusyo, u"札幌"_s);
    QTest::keyClick(w.Txt_Zyusyo, Qt::Key_Return);
    typeText(w.Txt_Zyusyo, u"北区"_s);
    typeText(w.Txt_Bikou, u"メモ"_s);
    QCOMPARE(
        write(w.Cmd_Insert),
        u"INSERT INTO Mst_Address(Name_1,Furigana,Name_2,Sex_cd,Birth,Yubin,Zyusyo,Tel_1,Fax_1,PB,Handy_1,"
        "Handy_2,K_Name,K_Yubin,K_Address,K_Tel,K_fax,Email,K_Email,HP_Address,Bikou) Values('佐藤' , 'ｻﾄｳ' , '' , "
        "2 , '"_s +
            birth +
            u"' , '' , '札幌\r\n北区' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , 'メモ');"_s);
    QCOMPARE(m_messages[0].text, u"ＤＢに［ 佐藤 ］さんを追加してよろしいですか？"_s);
    QCOMPARE(m_messages[0].focus, u"Cmd_Yes"_s);
    QCOMPARE(m_messages[1].text, u"ＤＢに追加しました。"_s);
    QCOMPARE(column(u"佐藤"_s, u"Zyusyo"_s), u"札幌\r\n北区"_s);
    QCOMPARE(entries(w.LS), (QStringList{u"佐藤"_s, u"鈴木"_s, u"山田"_s}));
    QVERIFY(w.LS->selectedItems().isEmpty());
    QVERIFY(w.Txt_Name_1->text().isEmpty() && w.Txt_Zyusyo->text().isEmpty() && w.Cmb_Sex->currentText().isEmpty());
    QCOMPARE(w.Cmb_Nengou->currentText(), u"平成"_s);
    QCOMPARE(w.focusWidget(), w.Txt_Name_1);
}

void AddressWriteTest::refusals_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("select");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("notice");
    const QString male = u"1 男性"_s;
    QTest::newRow("add, blank name") << u"Cmd_Insert"_s << false << u"   "_s << male << u"名前が入力されていません。"_s;
    QTest::newRow("add, listed name") << u"Cmd_Insert"_s << false << u"山田"_s << male
                                      << u"その名前はすでに登録されています。"_s;
    QTest::newRow("add, empty sex box") << u"Cmd_Insert"_s << false << u"佐藤"_s << u""_s
                                        << u"性別が選択されていません。"_s;
    QTest::newRow("add, sex without code")
        << u"Cmd_Insert"_s << false << u"佐藤"_s << u"男性"_s << u"性別が選択されていません。"_s;
    QTest::newRow("change, nothing selected")
        << u"Cmd_Update"_s << false << u"山田"_s << male << u"リストが選択されていません。"_s;
    QTest::newRow("change to another's name")
        << u"Cmd_Update"_s << true << u"鈴木"_s << male << u"その名前はすでに登録されています。"_s;
    QTest::newRow("change, blank name") << u"Cmd_Update"_s << true << u" "_s << male << u"名前が入力されていません。"_s;
    QTest::newRow("change, empty sex box")
        << u"Cmd_Update"_s << true << u"山田"_s << u""_s << u"性別が選択されていません。"_s;
    QTest::newRow("delete, nothing selected")
        << u"Cmd_Delete"_s << false << u"山田"_s << male << u"リストが選択されていません。"_s;
}

void AddressWriteTest::refusals() {
    QFETCH(QString, button);
    QFETCH(bool, select);
    QFETCH(QString, name);
    QFETCH(QString, sex);
    QFETCH(QString, notice);
    if (select)
        clickEntry(m_window->LS, u"山田"_s);
    m_window->Txt_Name_1->setText(name);
    m_window->Cmb_Sex->setEditText(sex);
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    QTest::mouseClick(m_window->findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, notice);
    QCOMPARE(count(), 2);
    QCOMPARE(column(u"山田"_s, u"Email"_s), u"Email/山田"_s);
}

// Changing the name of the chosen record renames it: its other values stay, and the new name
// takes its place in reading order.
void AddressWriteTest::updateRenamesAndKeepsTheBoxes() {
    DataCreate& w = *m_window;
    clickEntry(w.LS, u"山田"_s);
    w.Txt_Name_1->setText(u"山田一郎"_s);
    w.Txt_Furigana->setText(u"ｱﾏﾀﾞ"_s);
    write(w.Cmd_Update);
    QCOMPARE(m_messages[0].text, u"ＤＢの［ 山田］さんを修正してよろしいですか？"_s);
    QCOMPARE(m_messages[0].focus, u"Cmd_Yes"_s);
    QCOMPARE(m_messages[1].text, u"ＤＢを修正しました。"_s);
    QCOMPARE(column(u"山田"_s, u"Email"_s), u"<none>"_s);
    QCOMPARE(column(u"山田一郎"_s, u"K_Address"_s), u"K_Address/山田"_s);
    QCOMPARE(column(u"山田一郎"_s, u"Birth"_s), u"1996/01/05"_s); // kept, in the form it was shown
    QCOMPARE(entries(w.LS), (QStringList{u"山田一郎"_s, u"鈴木"_s}));
    QCOMPARE(w.Txt_Y->text(), u"08"_s);
    QVERIFY(w.Cmb_Sex->currentText().isEmpty() && w.LS->selectedItems().isEmpty());

    clickEntry(w.LS, u"鈴木"_s);
    const QString statement = write(w.Cmd_Update);
    QCOMPARE(statement, u"UPDATE Mst_Address SET Name_1 = '鈴木' , Furigana = 'ｽｽﾞｷ' , Name_2 = '' , Sex_cd =  2 "
                        ",Birth = '' , Yubin = '' , Zyusyo = '' , Tel_1 = '' , Fax_1 = '' , PB = '' , Handy_1 = '' , "
                        "Handy_2 = '' , K_Name = '' , K_Yubin = '' , K_Address = '' , K_Tel = '' , K_Fax = '' , "
                        "Email = '' , K_Email = '' , HP_Address = '' , Bikou = '' Where Name_1 = '鈴木';"_s);
    clickEntry(w.LS, u"鈴木"_s);
    w.Cmb_Nengou->setEditText(u"昭和"_s);
    w.Txt_Y->setText(u"40"_s);
    w.Txt_M->setText(u"2"_s);
    w.Txt_D->setText(u"3"_s);
    QCOMPARE(write(w.Cmd_Update), QString(statement).replace(u" ,Birth = ''"_s, u" , Birth = '1965/2/3'"_s));
}

void AddressWriteTest::deleteAsksWithNoFirst() {
    DataCreate& w = *m_window;
    clickEntry(w.LS, u"山田"_s);
    w.Txt_Name_1->setText(u"鈴木"_s); // the boxes play no part
    QCOMPARE(write(w.Cmd_Delete), u"delete from mst_address where name_1 = '山田';"_s);
    QCOMPARE(m_messages[0].text, u"ＤＢから［ 山田 ］さんを削除してよろしいですか？"_s);
    QCOMPARE(m_messages[0].focus, u"Cmd_No"_s);
    QCOMPARE(m_messages[1].text, u"ＤＢから削除しました。"_s);
    QCOMPARE(entries(w.LS), QStringList{u"鈴木"_s});
    QCOMPARE(count(), 1);
    QVERIFY(w.Txt_Name_1->text().isEmpty());
}

void AddressWriteTest::answerNoWritesNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("追加") << u"Cmd_Insert"_s;
    QTest::newRow("修正") << u"Cmd_Update"_s;
    QTest::newRow("削除") << u"Cmd_Delete"_s;
}

void AddressWriteTest::answerNoWritesNothing() {
    QFETCH(QString, button);
    DataCreate& w = *m_window;
    clickEntry(w.LS, u"山田"_s);
    w.Txt_Name_1->setText(u"新しい人"_s);
    w.Txt_Email->setFocus();
    ModalScript script;
    script.press(u"Cmd_No"_s);
    QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(count(), 2);
    QCOMPARE(column(u"山田"_s, u"Email"_s), u"Email/山田"_s);
    QCOMPARE(w.focusWidget(), w.Txt_Name_1);
    QVERIFY(w.LS->currentItem()->isSelected());
}

void AddressWriteTest::quotesAreStoredAndFoundExactly() {
    DataCreate& w = *m_window;
    typeText(w.Txt_Name_1, u"O'Brien"_s);
    typeText(w.Txt_Bikou, u"it's ''quoted''"_s);
    w.Cmb_Sex->setCurrentIndex(0);
    write(w.Cmd_Insert);
    QCOMPARE(column(u"O'Brien"_s, u"Bikou"_s), u"it's ''quoted''"_s);
    clickEntry(w.LS, u"O'Brien"_s);
    QCOMPARE(w.Txt_Bikou->text(), u"it's ''quoted''"_s);
    w.Txt_Name_1->setText(u"O'Brien's"_s);
    write(w.Cmd_Update);
    clickEntry(w.LS, u"O'Brien's"_s);
    write(w.Cmd_Delete);
    QCOMPARE(count(), 2);
}

// A record added by another program after the list was filled: the database refuses a second
// row of that name, the user is told in the engine's words, and the window goes on.
void AddressWriteTest::refusedStatementChangesNothing() {
    DataCreate& w = *m_window;
    addAddress(*m_folder, {{u"Name_1"_s, u"佐藤"_s}, {u"Furigana"_s, u"ｻﾄｳ"_s}, {u"Bikou"_s, u"theirs"_s}});
    w.Txt_Name_1->setText(u"佐藤"_s);
    w.Cmb_Sex->setCurrentIndex(0);
    write(w.Cmd_Insert);
    QVERIFY(m_messages[1].text.startsWith(u"データベースの処理に失敗しました。\r"_s));
    QVERIFY(m_messages[1].text.contains(u"UNIQUE"_s));
    QCOMPARE(column(u"佐藤"_s, u"Bikou"_s), u"theirs"_s);
    QCOMPARE(w.Txt_Name_1->text(), u"佐藤"_s);
    clickEntry(w.LS, u"鈴木"_s);
    QCOMPARE(w.Txt_Furigana->text(), u"ｽｽﾞｷ"_s);
}

void AddressWriteTest::recordGoneMeanwhile_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("修正") << u"Cmd_Update"_s;
    QTest::newRow("削除") << u"Cmd_Delete"_s;
}

// Another program deletes the chosen record while it is shown: neither button may report a
// success, write a row, or keep the name in the list.
void AddressWriteTest::recordGoneMeanwhile() {
    QFETCH(QString, button);
    DataCreate& w = *m_window;
    clickEntry(w.LS, u"山田"_s);
    w.Txt_Name_1->setText(u"山田一郎"_s);
    m_folder->execute(u"delete from Mst_Address where Name_1 = '山田'"_s);
    write(w.findChild<QPushButton*>(button));
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages[1].text, u"ＤＢに［ 山田 ］さんが見つかりません。\rリストを読み込み直します。"_s);
    QCOMPARE(count(), 1);
    QCOMPARE(entries(w.LS), QStringList{u"鈴木"_s});
    QVERIFY(w.LS->selectedItems().isEmpty());
    QCOMPARE(w.Txt_Name_1->text(), u"山田一郎"_s);
    QCOMPARE(w.focusWidget(), w.Txt_Name_1);
}

QTEST_MAIN(AddressWriteTest)
#include "test_addresswrite.moc"
