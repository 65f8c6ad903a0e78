// "追加", "修正" and "削除" of the entry window: checks, questions, statements and what each
// leaves behind.
#include "AddressRows.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "addressbook/DataCreate.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/MultiLineBox.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

// The next window is the notice that follows a write: keep the statement just run, and confirm.
void confirmKeepingStatement(ModalScript& script, QString& statement) {
    script.then(u"Msg"_s, [&statement](QDialog& notice) {
        statement = Mod1::Sql;
        notice.findChild<QPushButton*>(u"Cmd_OK"_s)->click();
    });
}

} // namespace

class AddressWriteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void insertWritesTheBoxes_data();
    void insertWritesTheBoxes();
    void insertRefuses_data();
    void insertRefuses();
    void updateRenamesAndKeepsTheBoxes();
    void updateRefuses_data();
    void updateRefuses();
    void deleteAsksWithNoFirst();
    void questionAnsweredNoWritesNothing_data();
    void questionAnsweredNoWritesNothing();
    void quotesAreStoredAndFoundExactly();
    void refusedStatementChangesNothing();

private:
    QString count(const QString& condition = {}) {
        return m_folder->scalar(u"select count(*) as [TOTAL] from Mst_Address"_s + condition).toString();
    }
    QString column(const QString& name, const QString& column) {
        auto rows = m_folder->db().openRecordset(u"select * from Mst_Address where Name_1 = '"_s +
                                                 platform::sqlText(name) + u"'"_s);
        return rows->atEnd() ? u"<none>"_s : rows->field(column).toString();
    }
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<DataCreate> m_window;
};

void AddressWriteTest::initTestCase() {
    platform::setUpDesktop();
}

void AddressWriteTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    addFullAddress(*m_folder, u"山田"_s, u"ﾔﾏﾀﾞ"_s, 1, u"1996/1/5"_s);
    addAddress(*m_folder, {{"Name_1", u"鈴木"_s}, {"Furigana", u"ｽｽﾞｷ"_s}, {"Sex_cd", 2}, {"Birth", u""_s}});
    Mod1::OpenDb();
    m_window = std::make_unique<DataCreate>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void AddressWriteTest::cleanup() {
    m_window.reset();
    m_folder.reset();
}

void AddressWriteTest::insertWritesTheBoxes_data() {
    QTest::addColumn<QStringList>("date"); // era, year, month, day as typed
    QTest::addColumn<QString>("birth");
    QTest::newRow("date") << QStringList{u"平成"_s, u"8"_s, u"1"_s, u"5"_s} << u"1996/1/5"_s;
    QTest::newRow("zeros kept") << QStringList{u"平成"_s, u"8"_s, u"01"_s, u"05"_s} << u"1996/01/05"_s;
    QTest::newRow("no year") << QStringList{u"平成"_s, u""_s, u"1"_s, u"5"_s} << u""_s;
    QTest::newRow("30 February") << QStringList{u"平成"_s, u"8"_s, u"2"_s, u"30"_s} << u""_s;
}

void AddressWriteTest::insertWritesTheBoxes() {
    QFETCH(QStringList, date);
    QFETCH(QString, birth);
    DataCreate& w = *m_window;
    typeText(w.Txt_Name_1, u"佐藤"_s);
    typeText(w.Txt_Furigana, u"ｻﾄｳ"_s);
    w.Cmb_Sex->setCurrentIndex(1);
    w.Cmb_Nengou->setEditText(date[0]);
    typeText(w.Txt_Y, date[1]);
    typeText(w.Txt_M, date[2]);
    typeText(w.Txt_D, date[3]);
    typeText(w.Txt_Zyusyo, u"札幌"_s);
    QTest::keyClick(w.Txt_Zyusyo, Qt::Key_Return);
    typeText(w.Txt_Zyusyo, u"北区"_s);
    typeText(w.Txt_Email, u"s@example.jp"_s);
    typeText(w.Txt_Bikou, u"メモ"_s);
    ModalScript script;
    QString statement;
    script.press(u"Cmd_Yes"_s);
    confirmKeepingStatement(script, statement);
    QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(statement, u"INSERT INTO Mst_Address(Name_1,Furigana,Name_2,Sex_cd,Birth,Yubin,Zyusyo,Tel_1,Fax_1,PB,"
                        "Handy_1,Handy_2,K_Name,K_Yubin,K_Address,K_Tel,K_fax,Email,K_Email,HP_Address,Bikou) "
                        "Values('佐藤' , 'ｻﾄｳ' , '' , 2 , '"_s +
                            birth +
                            u"' , '' , '札幌\r\n北区' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , "
                            "'s@example.jp' , '' , '' , 'メモ');"_s);
    QCOMPARE(script.messages()[0].text, u"ＤＢに［ 佐藤 ］さんを追加してよろしいですか？"_s);
    QCOMPARE(script.messages()[0].focus, u"Cmd_Yes"_s);
    QCOMPARE(script.messages()[1].text, u"ＤＢに追加しました。"_s);
    QCOMPARE(Mod1::Sql, u"select * from Mst_Sex order by Sex_Cd"_s); // the reload ran last
    QCOMPARE(column(u"佐藤"_s, u"Birth"_s), birth);
    QCOMPARE(column(u"佐藤"_s, u"Zyusyo"_s), u"札幌\r\n北区"_s);
    QCOMPARE(column(u"佐藤"_s, u"Sex_cd"_s), u"2"_s);
    QCOMPARE(column(u"佐藤"_s, u"Tel_1"_s), u""_s); // empty, not Null
    QCOMPARE(count(u" where Tel_1 is null"_s), u"1"_s);
    QCOMPARE(entries(w.LS), (QStringList{u"佐藤"_s, u"鈴木"_s, u"山田"_s}));
    QCOMPARE(w.LS->selectedItems().size(), 0);
    QVERIFY(w.Txt_Name_1->text().isEmpty());
    QVERIFY(w.Txt_Zyusyo->text().isEmpty());
    QVERIFY(w.Cmb_Sex->currentText().isEmpty());
    QCOMPARE(w.Cmb_Nengou->currentText(), date[0]);
    QCOMPARE(w.focusWidget(), w.Txt_Name_1);
}

void AddressWriteTest::insertRefuses_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("notice");
    QTest::newRow("blank name") << u"   "_s << u"1 男性"_s << u"名前が入力されていません。"_s;
    QTest::newRow("listed name") << u"山田"_s << u"1 男性"_s << u"その名前はすでに登録されています。"_s;
    QTest::newRow("empty sex box") << u"佐藤"_s << u""_s << u"性別が選択されていません。"_s;
    QTest::newRow("sex box without a code") << u"佐藤"_s << u"男性"_s << u"性別が選択されていません。"_s;
}

void AddressWriteTest::insertRefuses() {
    QFETCH(QString, name);
    QFETCH(QString, sex);
    QFETCH(QString, notice);
    m_window->Txt_Name_1->setText(name);
    m_window->Cmb_Sex->setEditText(sex);
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    QTest::mouseClick(m_window->Cmd_Insert, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, notice);
    QCOMPARE(count(), u"2"_s);
    QCOMPARE(m_window->Txt_Name_1->text(), name);
}

// Selecting a record, changing its name and writing: the row keeps its other values under the
// new name, which takes its place in reading order.
void AddressWriteTest::updateRenamesAndKeepsTheBoxes() {
    DataCreate& w = *m_window;
    clickEntry(w.LS, u"山田"_s);
    w.Txt_Name_1->setText(u"山田一郎"_s);
    w.Txt_Furigana->setText(u"ｱﾏﾀﾞ"_s);
    ModalScript script;
    script.press(u"Cmd_Yes"_s).press(u"Cmd_OK"_s);
    QTest::mouseClick(w.Cmd_Update, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, u"ＤＢの［ 山田］さんを修正してよろしいですか？"_s);
    QCOMPARE(script.messages()[0].focus, u"Cmd_Yes"_s);
    QCOMPARE(script.messages()[1].text, u"ＤＢを修正しました。"_s);
    QCOMPARE(count(u" where Name_1 = '山田'"_s), u"0"_s);
    QCOMPARE(column(u"山田一郎"_s, u"K_Address"_s), u"大阪府"_s);
    QCOMPARE(column(u"山田一郎"_s, u"Birth"_s), u"1996/01/05"_s); // kept, in its shown form
    QCOMPARE(entries(w.LS), (QStringList{u"山田一郎"_s, u"鈴木"_s}));
    QCOMPARE(w.Txt_Name_1->text(), u"山田一郎"_s);
    QCOMPARE(w.Txt_Y->text(), u"08"_s);
    QVERIFY(w.Cmb_Sex->currentText().isEmpty());

    // Nothing is selected now: a second update is refused.
    script.press(u"Cmd_OK"_s);
    QTest::mouseClick(w.Cmd_Update, Qt::LeftButton);
    QCOMPARE(script.messages()[2].text, u"リストが選択されていません。"_s);

    // The exact statements, with an empty birth date and with one.
    clickEntry(w.LS, u"鈴木"_s);
    QString statement;
    script.press(u"Cmd_Yes"_s);
    confirmKeepingStatement(script, statement);
    QTest::mouseClick(w.Cmd_Update, Qt::LeftButton);
    const QString expected =
        u"UPDATE Mst_Address SET Name_1 = '鈴木' , Furigana = 'ｽｽﾞｷ' , Name_2 = '' , Sex_cd =  2 ,Birth = '' , "
        "Yubin = '' , Zyusyo = '' , Tel_1 = '' , Fax_1 = '' , PB = '' , Handy_1 = '' , Handy_2 = '' , K_Name = '' , "
        "K_Yubin = '' , K_Address = '' , K_Tel = '' , K_Fax = '' , Email = '' , K_Email = '' , HP_Address = '' , "
        "Bikou = '' Where Name_1 = '鈴木';"_s;
    QCOMPARE(statement, expected);
    clickEntry(w.LS, u"鈴木"_s);
    w.Cmb_Nengou->setEditText(u"昭和"_s);
    w.Txt_Y->setText(u"40"_s);
    w.Txt_M->setText(u"2"_s);
    w.Txt_D->setText(u"3"_s);
    script.press(u"Cmd_Yes"_s);
    confirmKeepingStatement(script, statement);
    QTest::mouseClick(w.Cmd_Update, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(statement, QString(expected).replace(u" ,Birth = ''"_s, u" , Birth = '1965/2/3'"_s));
    QCOMPARE(column(u"鈴木"_s, u"Birth"_s), u"1965/2/3"_s);
}

void AddressWriteTest::updateRefuses_data() {
    QTest::addColumn<bool>("select");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notice");
    QTest::newRow("nothing selected") << false << u"山田"_s << u"リストが選択されていません。"_s;
    QTest::newRow("another record's name") << true << u"鈴木"_s << u"その名前はすでに登録されています。"_s;
    QTest::newRow("blank name") << true << u" "_s << u"名前が入力されていません。"_s;
}

void AddressWriteTest::updateRefuses() {
    QFETCH(bool, select);
    QFETCH(QString, name);
    QFETCH(QString, notice);
    if (select)
        clickEntry(m_window->LS, u"山田"_s);
    m_window->Txt_Name_1->setText(name);
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    QTest::mouseClick(m_window->Cmd_Update, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, notice);
    QCOMPARE(column(u"山田"_s, u"Email"_s), u"me@example.jp"_s);
    QCOMPARE(count(), u"2"_s);
}

void AddressWriteTest::deleteAsksWithNoFirst() {
    DataCreate& w = *m_window;
    clickEntry(w.LS, u"山田"_s);
    w.Txt_Name_1->setText(u"鈴木"_s); // the boxes play no part
    ModalScript script;
    QString statement;
    script.press(u"Cmd_Yes"_s);
    confirmKeepingStatement(script, statement);
    QTest::mouseClick(w.Cmd_Delete, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(statement, u"delete from mst_address where name_1 = '山田';"_s);
    QCOMPARE(script.messages()[0].text, u"ＤＢから［ 山田 ］さんを削除してよろしいですか？"_s);
    QCOMPARE(script.messages()[0].focus, u"Cmd_No"_s);
    QCOMPARE(script.messages()[1].text, u"ＤＢから削除しました。"_s);
    QCOMPARE(count(u" where Name_1 = '山田'"_s), u"0"_s);
    QCOMPARE(count(u" where Name_1 = '鈴木'"_s), u"1"_s);
    QCOMPARE(entries(w.LS), QStringList{u"鈴木"_s});
    QVERIFY(w.Txt_Name_1->text().isEmpty());

    script.press(u"Cmd_OK"_s);
    QTest::mouseClick(w.Cmd_Delete, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[2].text, u"リストが選択されていません。"_s);
}

void AddressWriteTest::questionAnsweredNoWritesNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("追加") << u"Cmd_Insert"_s;
    QTest::newRow("修正") << u"Cmd_Update"_s;
    QTest::newRow("削除") << u"Cmd_Delete"_s;
}

void AddressWriteTest::questionAnsweredNoWritesNothing() {
    QFETCH(QString, button);
    DataCreate& w = *m_window;
    clickEntry(w.LS, u"山田"_s);
    w.Txt_Name_1->setText(u"新しい人"_s);
    w.Txt_Email->setFocus();
    ModalScript script;
    script.press(u"Cmd_No"_s);
    QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(count(), u"2"_s);
    QCOMPARE(column(u"山田"_s, u"Email"_s), u"me@example.jp"_s);
    QCOMPARE(w.focusWidget(), w.Txt_Name_1);
    QVERIFY(w.LS->currentItem()->isSelected());
}

void AddressWriteTest::quotesAreStoredAndFoundExactly() {
    DataCreate& w = *m_window;
    typeText(w.Txt_Name_1, u"O'Brien"_s);
    typeText(w.Txt_Bikou, u"it's ''quoted''"_s);
    w.Cmb_Sex->setCurrentIndex(0);
    ModalScript script;
    script.press(u"Cmd_Yes"_s).press(u"Cmd_OK"_s);
    QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
    QCOMPARE(column(u"O'Brien"_s, u"Bikou"_s), u"it's ''quoted''"_s);

    clickEntry(w.LS, u"O'Brien"_s);
    QCOMPARE(w.Txt_Bikou->text(), u"it's ''quoted''"_s);
    w.Txt_Name_1->setText(u"O'Brien's"_s);
    script.press(u"Cmd_Yes"_s).press(u"Cmd_OK"_s);
    QTest::mouseClick(w.Cmd_Update, Qt::LeftButton);
    clickEntry(w.LS, u"O'Brien's"_s);
    script.press(u"Cmd_Yes"_s).press(u"Cmd_OK"_s);
    QTest::mouseClick(w.Cmd_Delete, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(count(), u"2"_s);
}

// A record added by another program after the list was filled: the database refuses the
// second row of that name, the user is told in the engine's words, and the window goes on.
void AddressWriteTest::refusedStatementChangesNothing() {
    DataCreate& w = *m_window;
    addAddress(*m_folder, {{"Name_1", u"佐藤"_s}, {"Furigana", u"ｻﾄｳ"_s}, {"Sex_cd", 1}, {"Bikou", u"theirs"_s}});
    w.Txt_Name_1->setText(u"佐藤"_s);
    w.Cmb_Sex->setCurrentIndex(0);
    ModalScript script;
    script.press(u"Cmd_Yes"_s).press(u"Cmd_OK"_s);
    QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QVERIFY(script.messages()[1].text.startsWith(u"データベースの処理に失敗しました。\r"_s));
    QVERIFY(script.messages()[1].text.contains(u"UNIQUE"_s));
    QCOMPARE(column(u"佐藤"_s, u"Bikou"_s), u"theirs"_s);
    QCOMPARE(w.Txt_Name_1->text(), u"佐藤"_s);
    clickEntry(w.LS, u"鈴木"_s);
    QCOMPARE(w.Txt_Furigana->text(), u"ｽｽﾞｷ"_s);
}

QTEST_MAIN(AddressWriteTest)
#include "test_addresswrite.moc"
