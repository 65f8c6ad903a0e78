// The phone book's entry window: its controls, loading, choosing a record and clearing.
#include "AddressRows.h"
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "addressbook/DataCreate.h"
#include "addressbook/PhoneBookFrame.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ImeMode.h"
#include "platform/MultiLineBox.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using platform::ImeMode;
using platform::twipsRect;

class DataCreateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void rows_data();
    void rows();
    void windowFrameAndButtons();
    void tabOrderSkipsThreeButtons();
    void loadingListsByReading();
    void selectingFillsTheBoxes_data();
    void selectingFillsTheBoxes();
    void selectingShowsThatVeryRecord_data();
    void selectingShowsThatVeryRecord();
    void clearKeepsSelectionAndCombos();
    void opensFromTheMainWindowAndCloses();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void DataCreateTest::initTestCase() {
    platform::setUpDesktop();
}

void DataCreateTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    Mod1::OpenDb();
}

void DataCreateTest::cleanup() {
    m_folder.reset();
}

void DataCreateTest::rows_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("ime");
    const auto row = [](const char* panel, const QString& caption, const char* box, double top, double width,
                        ImeMode ime, double height = 285) {
        QTest::newRow(box) << QString::fromLatin1(panel) << caption << QString::fromLatin1(box)
                           << twipsRect(4635, top, width, height) << int(ime);
    };
    row("SSPanel3", u"フリガナ"_s, "Txt_Furigana", 315, 3300, ImeMode::KatakanaHalf);
    row("SSPanel1", u"名前"_s, "Txt_Name_1", 630, 3300, ImeMode::Hiragana);
    row("SSPanel2", u"ニックネーム"_s, "Txt_Name_2", 945, 3300, ImeMode::Hiragana);
    row("SSPanel5(2)", u"性別"_s, "Cmb_Sex", 1260, 1140, ImeMode::NoControl);
    row("SSPanel5(3)", u"誕生日"_s, "Cmb_Nengou", 1575, 870, ImeMode::NoControl);
    row("SSPanel4", u"郵便番号"_s, "Txt_Yubin", 1890, 825, ImeMode::Disabled);
    row("SSPanel5(0)", u"住所"_s, "Txt_Zyusyo", 2205, 3300, ImeMode::Hiragana, 555);
    row("SSPanel22", u"ポケットベル"_s, "Txt_PB", 3420, 1365, ImeMode::Disabled);
    row("SSPanel15", u"会社住所"_s, "Txt_K_Address", 4995, 3300, ImeMode::Hiragana, 600);
    row("SSPanel13", u"会社ＦＡＸ"_s, "Txt_K_Fax", 5940, 1185, ImeMode::Disabled);
    row("SSPanel11", u"会社 E_Mail"_s, "Txt_K_Email", 6570, 3300, ImeMode::Off);
    row("SSPanel17", u"備考"_s, "Txt_Bikou", 7200, 3300, ImeMode::NoControl, 555);
}

void DataCreateTest::rows() {
    QFETCH(QString, panel);
    QFETCH(QString, caption);
    QFETCH(QString, box);
    QFETCH(QRect, place);
    QFETCH(int, ime);
    DataCreate window;
    auto* label = window.SSFrame1->findChild<platform::Panel3D*>(panel);
    QVERIFY(label);
    QCOMPARE(label->caption(), caption);
    QCOMPARE(label->geometry().topLeft(), twipsRect(3060, place.y() * 15, 1500, 270).topLeft());
    QCOMPARE(label->font().family(), u"ＭＳ Ｐゴシック"_s);
    auto* widget = window.SSFrame1->findChild<QWidget*>(box);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), place);
    QCOMPARE(int(platform::imeMode(widget)), ime);
}

void DataCreateTest::windowFrameAndButtons() {
    DataCreate window;
    QCOMPARE(window.windowTitle(), u"Tamoru ～ マスター登録 ～"_s);
    QCOMPARE(window.size(), QSize(platform::twips(8115), platform::twips(9120)));
    QCOMPARE(window.pos(), QPoint(platform::twips(400), platform::twips(400)));
    QCOMPARE(window.SSFrame1->title(), u"マスタ登録"_s);
    QCOMPARE(window.SSFrame1->geometry(), twipsRect(45, 0, 8070, 8880));
    QCOMPARE(window.LS->geometry(), twipsRect(90, 315, 2760, 7485));
    QCOMPARE(window.LS->font().pointSizeF(), 11.25);
    QCOMPARE(window.Txt_Y->geometry(), twipsRect(5490, 1575, 285, 285));
    QCOMPARE(window.Txt_D->geometry().x(), platform::twips(6660));
    QCOMPARE(window.SSPanel20->caption(), u"年"_s);
    QCOMPARE(window.SSPanel21->caption(), u"月"_s);
    QCOMPARE(window.SSPanel19->caption(), u"日"_s);
    QVERIFY(qobject_cast<platform::MultiLineBox*>(window.Txt_Bikou));
    const struct {
        platform::Button3D* button;
        QString caption;
        double left;
    } buttons[] = {{window.Cmd_Clear, u"クリア"_s, 3060},
                   {window.Cmd_Insert, u"追加"_s, 4005},
                   {window.Cmd_Update, u"修正"_s, 4950},
                   {window.Cmd_Delete, u"削除"_s, 5895},
                   {window.Cmd_EXIT, u"EXIT"_s, 7020}};
    for (const auto& b : buttons) {
        QCOMPARE(b.button->text(), b.caption);
        QCOMPARE(b.button->geometry(), twipsRect(b.left, 7875, 915, 915));
        QVERIFY(!b.button->icon().isNull());
    }
    QCOMPARE(window.Cmb_Nengou->currentText(), u"昭和"_s);
    QCOMPARE(window.Cmb_Nengou->count(), 2);
    QCOMPARE(window.Cmb_Nengou->itemText(1), u"平成"_s);
}

void DataCreateTest::tabOrderSkipsThreeButtons() {
    DataCreate window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList visited = tabWalk(&window, window.Txt_Name_1, 27);
    const QStringList expected{
        u"Txt_Name_1"_s, u"Txt_Furigana"_s, u"Txt_Name_2"_s,  u"Cmb_Sex"_s,     u"Cmb_Nengou"_s,     u"Txt_Y"_s,
        u"Txt_M"_s,      u"Txt_D"_s,        u"Txt_Yubin"_s,   u"Txt_Zyusyo"_s,  u"Txt_Tel_1"_s,      u"Txt_Fax"_s,
        u"Txt_PB"_s,     u"Txt_Handy_1"_s,  u"Txt_Handy_2"_s, u"Txt_K_Name"_s,  u"Txt_K_Yubin"_s,    u"Txt_K_Address"_s,
        u"Txt_K_Tel"_s,  u"Txt_K_Fax"_s,    u"Txt_Email"_s,   u"Txt_K_Email"_s, u"Txt_HP_Address"_s, u"Txt_Bikou"_s,
        u"Cmd_Insert"_s, u"LS"_s,           u"Cmd_EXIT"_s,    u"Txt_Name_1"_s};
    QCOMPARE(visited, expected);
    // Return in a box presses no button.
    ModalScript script;
    QTest::keyClick(window.Txt_Name_1, Qt::Key_Return);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QVERIFY(window.isVisible());
}

void DataCreateTest::loadingListsByReading() {
    addAddress(*m_folder, {{"Name_1", u"鈴木"_s}, {"Furigana", u"ｽｽﾞｷ"_s}, {"Sex_cd", 2}});
    addAddress(*m_folder, {{"Name_1", u"山田"_s}, {"Furigana", u"ﾔﾏﾀﾞ"_s}, {"Sex_cd", 1}});
    addAddress(*m_folder, {{"Name_1", u"安藤"_s}, {"Furigana", u"ｱﾝﾄﾞｳ"_s}, {"Sex_cd", 1}});
    m_folder->execute(u"INSERT INTO Mst_Sex(Sex_Cd, Sex_Name) VALUES (0, 'その他')"_s);
    DataCreate window;
    QCOMPARE(entries(window.LS), (QStringList{u"安藤"_s, u"鈴木"_s, u"山田"_s}));
    QCOMPARE(window.LS->selectedItems().size(), 0);
    QStringList sexes;
    for (int i = 0; i < window.Cmb_Sex->count(); ++i)
        sexes.append(window.Cmb_Sex->itemText(i));
    QCOMPARE(sexes, (QStringList{u"0 その他"_s, u"1 男性"_s, u"2 女性"_s}));
    QCOMPARE(window.Cmb_Sex->currentText(), QString());
    QCOMPARE(Mod1::Sql, u"select * from Mst_Sex order by Sex_Cd"_s);
    QCOMPARE(Mod1::TargetForm.data(), &window);

    m_folder->execute(u"DELETE FROM Mst_Address"_s);
    DataCreate empty;
    QCOMPARE(empty.LS->count(), 0);
}

void DataCreateTest::selectingFillsTheBoxes_data() {
    QTest::addColumn<QVariant>("birth");
    QTest::addColumn<QStringList>("date"); // era, year, month, day boxes
    QTest::newRow("one-digit month and day")
        << QVariant(u"1996/1/5"_s) << QStringList{u"平成"_s, u"08"_s, u"01"_s, u"05"_s};
    QTest::newRow("昭和") << QVariant(u"1960/12/31"_s) << QStringList{u"昭和"_s, u"35"_s, u"12"_s, u"31"_s};
    QTest::newRow("empty birth empties the era box too") << QVariant(u""_s) << QStringList{u""_s, u""_s, u""_s, u""_s};
    QTest::newRow("Null birth leaves the era box") << QVariant() << QStringList{u"大正"_s, u""_s, u""_s, u""_s};
}

// The record shown before had every column filled; the chosen one has only a few.
void DataCreateTest::selectingFillsTheBoxes() {
    QFETCH(QVariant, birth);
    QFETCH(QStringList, date);
    addFullAddress(*m_folder, u"前の人"_s, u"ｱ"_s, 1, u"1920/3/3"_s);
    addAddress(
        *m_folder,
        {{"Name_1", u"田中"_s}, {"Furigana", u"ﾀﾅｶ"_s}, {"Sex_cd", 2}, {"Birth", birth}, {"Email", u"t@example.jp"_s}});
    DataCreate window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickEntry(window.LS, u"前の人"_s);
    QCOMPARE(window.Cmb_Nengou->currentText(), u"大正"_s);
    QCOMPARE(window.Txt_Zyusyo->text(), u"東京都\r\n千代田区"_s);
    clickEntry(window.LS, u"田中"_s);
    QCOMPARE(Mod1::Sql, u"select Mst_Address.* , Mst_Sex.* from Mst_Address , Mst_Sex Where Name_1 = '田中'  AND "
                        "Mst_Address.Sex_cd = Mst_Sex.sex_cd ;"_s);
    QCOMPARE(window.Txt_Name_1->text(), u"田中"_s);
    QCOMPARE(window.Txt_Furigana->text(), u"ﾀﾅｶ"_s);
    QCOMPARE(window.Cmb_Sex->currentText(), u"2 女性"_s);
    QCOMPARE((QStringList{window.Cmb_Nengou->currentText(), window.Txt_Y->text(), window.Txt_M->text(),
                          window.Txt_D->text()}),
             date);
    QCOMPARE(window.Txt_Email->text(), u"t@example.jp"_s);
    for (QLineEdit* box :
         {window.Txt_Name_2, window.Txt_Yubin, window.Txt_Tel_1, window.Txt_K_Fax, window.Txt_HP_Address})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QVERIFY(window.Txt_Zyusyo->text().isEmpty());
    QVERIFY(window.Txt_Bikou->text().isEmpty());
    QCOMPARE(window.focusWidget(), window.Txt_Name_1);
}

void DataCreateTest::selectingShowsThatVeryRecord_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("remark");
    QTest::newRow("blanks at the ends, twin without") << u" 山田 "_s << u"2 女性"_s << u"blanks"_s;
    QTest::newRow("name without blanks") << u"山田"_s << u"1 男性"_s << u"plain"_s;
    QTest::newRow("sex code without a sex row") << u"無性"_s << u"7"_s << u"code 7"_s;
    QTest::newRow("no sex code") << u"不明"_s << QString() << u"Null code"_s;
    QTest::newRow("quote in the name") << u"O'Brien"_s << u"1 男性"_s << u"it's"_s;
}

void DataCreateTest::selectingShowsThatVeryRecord() {
    QFETCH(QString, entry);
    QFETCH(QString, sex);
    QFETCH(QString, remark);
    addAddress(*m_folder, {{"Name_1", u" 山田 "_s}, {"Furigana", u"ﾔ1"_s}, {"Sex_cd", 2}, {"Bikou", u"blanks"_s}});
    addAddress(*m_folder, {{"Name_1", u"山田"_s}, {"Furigana", u"ﾔ2"_s}, {"Sex_cd", 1}, {"Bikou", u"plain"_s}});
    addAddress(*m_folder, {{"Name_1", u"無性"_s}, {"Furigana", u"ﾑ"_s}, {"Sex_cd", 7}, {"Bikou", u"code 7"_s}});
    addAddress(*m_folder, {{"Name_1", u"不明"_s}, {"Furigana", u"ﾌ"_s}, {"Bikou", u"Null code"_s}});
    addAddress(*m_folder, {{"Name_1", u"O'Brien"_s}, {"Furigana", u"ｵ"_s}, {"Sex_cd", 1}, {"Bikou", u"it's"_s}});
    DataCreate window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickEntry(window.LS, u"O'Brien"_s); // a sex from the record shown before must not stay
    ModalScript script;                  // no notice
    clickEntry(window.LS, entry);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(window.Txt_Name_1->text(), entry);
    QCOMPARE(window.Cmb_Sex->currentText(), sex);
    QCOMPARE(window.Txt_Bikou->text(), remark);
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
    QCOMPARE(window.LS->currentItem()->text(), u"山田"_s);
    QVERIFY(window.LS->currentItem()->isSelected());
    QCOMPARE(window.Cmb_Sex->currentText(), u"1 男性"_s);
    QCOMPARE(window.Cmb_Nengou->currentText(), u"平成"_s);
    QCOMPARE(window.focusWidget(), window.Txt_Name_1);
}

void DataCreateTest::opensFromTheMainWindowAndCloses() {
    addFullAddress(*m_folder, u"山田"_s, u"ﾔﾏﾀﾞ"_s, 1, u"1996/1/5"_s);
    Main main;
    startMain(main);
    PhoneBookFrame& phoneBook = main.phoneBook();
    QCOMPARE(phoneBook.Lab_T1->caption(), u"マスタ登録"_s);
    QCOMPARE(phoneBook.Lab_T2->caption(), u"一覧照会"_s);
    QCOMPARE(phoneBook.Cmd_T1->geometry().size(), twipsRect(0, 0, 330, 330).size());
    QCOMPARE(phoneBook.Cmd_T1->parentWidget(), main.SSFrame3);
    QVERIFY(phoneBook.Cmd_T1->geometry().right() < phoneBook.Lab_T1->geometry().left());
    QVERIFY(phoneBook.Cmd_T2->geometry().right() < phoneBook.Lab_T2->geometry().left());
    QVERIFY(main.SSFrame3->rect().contains(phoneBook.Lab_T2->geometry()));

    const int activations = main.activationCount();
    ModalScript script;
    script.then(u"DataCreate"_s, [](QDialog& window) {
        auto& entry = static_cast<DataCreate&>(window);
        QCOMPARE(entries(entry.LS), QStringList{u"山田"_s});
        QVERIFY(!entry.parentWidget());
        clickEntry(entry.LS, u"山田"_s);
        entry.Txt_Name_1->setText(u"変えた"_s);
        QTest::mouseClick(entry.Cmd_EXIT, Qt::LeftButton);
    });
    runAsHandler(&main, [&] { QTest::mouseClick(phoneBook.Cmd_T1, Qt::LeftButton); });
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QTRY_COMPARE(main.activationCount(), activations + 1);
    QCOMPARE(m_folder->scalar(u"select count(*) as [TOTAL] from Mst_Address where Name_1 = '山田'"_s).toInt(), 1);
    QVERIFY(!DataCreate::form());
}

QTEST_MAIN(DataCreateTest)
#include "test_datacreate.moc"
