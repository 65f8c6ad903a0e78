// The phone book's entry window: opening, the list, choosing a record and clearing.
#include "AddressRows.h"
#include "Drive.h"
#include "ModalScript.h"
#include "addressbook/DataCreate.h"
#include "addressbook/PhoneBookFrame.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/MultiLineBox.h"
#include "platform/Twips.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

class DataCreateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init();
    void cleanup() { m_folder.reset(); }
    void opensFromTheMainWindow();
    void tabOrderSkipsThreeButtons();
    void loadingListsByReading();
    void choosingFillsTheBoxes_data();
    void choosingFillsTheBoxes();
    void choosingShowsThatVeryRecord_data();
    void choosingShowsThatVeryRecord();
    void clearKeepsSelectionAndCombos();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void DataCreateTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    Mod1::OpenDb();
}

void DataCreateTest::opensFromTheMainWindow() {
    addFullAddress(*m_folder, u"山田"_s, u"ﾔﾏﾀﾞ"_s, 1, u"1996/1/5"_s);
    Main main;
    startMain(main);
    PhoneBookFrame& phoneBook = main.phoneBook();
    QCOMPARE(phoneBook.Lab_T1->caption(), u"マスタ登録"_s);
    QVERIFY(phoneBook.Cmd_T1->geometry().right() < phoneBook.Lab_T1->geometry().left());
    QVERIFY(main.SSFrame3->rect().contains(phoneBook.Lab_T2->geometry()));
    const int activations = main.activationCount();
    ModalScript script;
    script.then(u"DataCreate"_s, [](QDialog& window) {
        auto& entry = static_cast<DataCreate&>(window);
        QCOMPARE(entry.pos(), QPoint(platform::twips(400), platform::twips(400)));
        QCOMPARE(entries(entry.LS), QStringList{u"山田"_s});
        clickEntry(entry.LS, u"山田"_s);
        entry.Txt_Name_1->setText(u"変えた"_s);
        QTest::mouseClick(entry.Cmd_EXIT, Qt::LeftButton);
    });
    runAsHandler(&main, [&] { QTest::mouseClick(phoneBook.Cmd_T1, Qt::LeftButton); });
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QTRY_COMPARE(main.activationCount(), activations + 1);
    QCOMPARE(m_folder->scalar(u"select count(*) as [TOTAL] from Mst_Address where Name_1 = '山田'"_s).toInt(), 1);
}

void DataCreateTest::tabOrderSkipsThreeButtons() {
    DataCreate window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(tabWalk(&window, window.Txt_Name_1, 27),
             (QStringList{u"Txt_Name_1"_s, u"Txt_Furigana"_s, u"Txt_Name_2"_s,     u"Cmb_Sex"_s,     u"Cmb_Nengou"_s,
                          u"Txt_Y"_s,      u"Txt_M"_s,        u"Txt_D"_s,          u"Txt_Yubin"_s,   u"Txt_Zyusyo"_s,
                          u"Txt_Tel_1"_s,  u"Txt_Fax"_s,      u"Txt_PB"_s,         u"Txt_Handy_1"_s, u"Txt_Handy_2"_s,
                          u"Txt_K_Name"_s, u"Txt_K_Yubin"_s,  u"Txt_K_Address"_s,  u"Txt_K_Tel"_s,   u"Txt_K_Fax"_s,
                          u"Txt_Email"_s,  u"Txt_K_Email"_s,  u"Txt_HP_Address"_s, u"Txt_Bikou"_s,   u"Cmd_Insert"_s,
                          u"LS"_s,         u"Cmd_EXIT"_s,     u"Txt_Name_1"_s}));
    ModalScript script; // Return in a box presses no button
    QTest::keyClick(window.Txt_Name_1, Qt::Key_Return);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QVERIFY(window.isVisible());
}

void DataCreateTest::loadingListsByReading() {
    addAddress(*m_folder, {{u"Name_1"_s, u"鈴木"_s}, {u"Furigana"_s, u"ｽｽﾞｷ"_s}, {u"Sex_cd"_s, 2}});
    addAddress(*m_folder, {{u"Name_1"_s, u"山田"_s}, {u"Furigana"_s, u"ﾔﾏﾀﾞ"_s}, {u"Sex_cd"_s, 1}});
    addAddress(*m_folder, {{u"Name_1"_s, u"安藤"_s}, {u"Furigana"_s, u"ｱﾝﾄﾞｳ"_s}, {u"Sex_cd"_s, 1}});
    DataCreate window;
    QCOMPARE(entries(window.LS), (QStringList{u"安藤"_s, u"鈴木"_s, u"山田"_s}));
    QVERIFY(window.LS->selectedItems().isEmpty());
    QCOMPARE(window.Cmb_Sex->itemText(1), u"2 女性"_s);
    QCOMPARE(window.Cmb_Sex->currentText(), QString());
    QCOMPARE(window.Cmb_Nengou->currentText(), u"昭和"_s);
    QCOMPARE(Mod1::Sql, u"select * from Mst_Sex order by Sex_Cd"_s);
}

void DataCreateTest::choosingFillsTheBoxes_data() {
    QTest::addColumn<QVariant>("birth");
    QTest::addColumn<QStringList>("date"); // era, year, month, day boxes
    QTest::newRow("one-digit month and day")
        << QVariant(u"1996/1/5"_s) << QStringList{u"平成"_s, u"08"_s, u"01"_s, u"05"_s};
    QTest::newRow("empty birth empties the era box too") << QVariant(u""_s) << QStringList{u""_s, u""_s, u""_s, u""_s};
    QTest::newRow("Null birth leaves the era box") << QVariant() << QStringList{u"大正"_s, u""_s, u""_s, u""_s};
}

// The record shown before had every column filled; the chosen one has only a few.
void DataCreateTest::choosingFillsTheBoxes() {
    QFETCH(QVariant, birth);
    QFETCH(QStringList, date);
    addFullAddress(*m_folder, u"前の人"_s, u"ｱ"_s, 1, u"1920/3/3"_s);
    addAddress(*m_folder, {{u"Name_1"_s, u"田中"_s},
                           {u"Furigana"_s, u"ﾀﾅｶ"_s},
                           {u"Sex_cd"_s, 2},
                           {u"Birth"_s, birth},
                           {u"Email"_s, u"t@example.jp"_s}});
    DataCreate window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickEntry(window.LS, u"前の人"_s);
    QCOMPARE(window.Txt_Zyusyo->text(), fullValue(u"Zyusyo"_s, u"前の人"_s));
    clickEntry(window.LS, u"田中"_s);
    QCOMPARE(Mod1::Sql, u"select Mst_Address.* , Mst_Sex.* from Mst_Address , Mst_Sex Where Name_1 = '田中'  AND "
                        "Mst_Address.Sex_cd = Mst_Sex.sex_cd ;"_s);
    QCOMPARE(window.Txt_Furigana->text(), u"ﾀﾅｶ"_s);
    QCOMPARE(window.Cmb_Sex->currentText(), u"2 女性"_s);
    QCOMPARE((QStringList{window.Cmb_Nengou->currentText(), window.Txt_Y->text(), window.Txt_M->text(),
                          window.Txt_D->text()}),
             date);
    QCOMPARE(window.Txt_Email->text(), u"t@example.jp"_s);
    for (QLineEdit* box : {window.Txt_Name_2, window.Txt_Yubin, window.Txt_K_Fax, window.Txt_HP_Address})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QVERIFY(window.Txt_Zyusyo->text().isEmpty());
    QCOMPARE(window.focusWidget(), window.Txt_Name_1);
}

void DataCreateTest::choosingShowsThatVeryRecord_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("sex");
    QTest::newRow("blanks at the ends, a twin without") << u" 山田 "_s << u"2 女性"_s;
    QTest::newRow("the twin") << u"山田"_s << u"1 男性"_s;
    QTest::newRow("sex code without a sex row") << u"無性"_s << u"7"_s;
    QTest::newRow("no sex code") << u"不明"_s << QString();
    QTest::newRow("quote in the name") << u"O'Brien"_s << u"1 男性"_s;
}

void DataCreateTest::choosingShowsThatVeryRecord() {
    QFETCH(QString, entry);
    QFETCH(QString, sex);
    const QList<std::pair<QString, QVariant>> records{
        {u" 山田 "_s, 2}, {u"山田"_s, 1}, {u"無性"_s, 7}, {u"不明"_s, QVariant()}, {u"O'Brien"_s, 1}};
    for (const auto& [name, code] : records)
        addAddress(*m_folder, {{u"Name_1"_s, name}, {u"Furigana"_s, name}, {u"Sex_cd"_s, code}, {u"Bikou"_s, name}});
    DataCreate window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickEntry(window.LS, u"O'Brien"_s); // its sex must not stay
    ModalScript script;                  // and no notice
    clickEntry(window.LS, entry);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(window.Txt_Name_1->text(), entry);
    QCOMPARE(window.Cmb_Sex->currentText(), sex);
    QCOMPARE(window.Txt_Bikou->text(), entry);
}

void DataCreateTest::clearKeepsSelectionAndCombos() {
    addFullAddress(*m_folder, u"山田"_s, u"ﾔﾏﾀﾞ"_s, 1, u"1996/1/5"_s);
    DataCreate window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickEntry(window.LS, u"山田"_s);
    QTest::mouseClick(window.Cmd_Clear, Qt::LeftButton);
    for (QLineEdit* box : window.SSFrame1->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(box->parentWidget()))
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    for (platform::MultiLineBox* box : window.SSFrame1->findChildren<platform::MultiLineBox*>())
        QVERIFY(box->text().isEmpty());
    QVERIFY(window.LS->currentItem()->isSelected());
    QCOMPARE(window.Cmb_Sex->currentText(), u"1 男性"_s);
    QCOMPARE(window.Cmb_Nengou->currentText(), u"平成"_s);
    QCOMPARE(window.focusWidget(), window.Txt_Name_1);
}

QTEST_MAIN(DataCreateTest)
#include "test_datacreate.moc"
