// The phone book's results window: the list, the record in its panels, copying addresses
// to the clipboard, and the ways back.
#include "AddressRows.h"
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "addressbook/DataView.h"
#include "addressbook/PhoneBookFrame.h"
#include "addressbook/Search_1.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/Twips.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using platform::twipsRect;

namespace {

const QString everyone = u"SELECT * FROM Mst_Address Where Furigana like '**'And Name_1 like '**' Order by Furigana"_s;

} // namespace

class DataViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void placeAndControls();
    void recordInThePanels();
    void panelsNeverKeepTheRecordBefore_data();
    void panelsNeverKeepTheRecordBefore();
    void copyToClipboard_data();
    void copyToClipboard();
    void refusedSearchLeavesAnEmptyList();
    void backToTheSearchAndOutOfBoth();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void DataViewTest::initTestCase() {
    platform::setUpDesktop();
}

void DataViewTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    addFullAddress(*m_folder, u"山田"_s, u"ﾔﾏﾀﾞ"_s, 1, u"1996/1/5"_s);
    addAddress(*m_folder, {{"Name_1", u"鈴木"_s}, {"Furigana", u"ｽｽﾞｷ"_s}, {"Sex_cd", 2}, {"Birth", u""_s}});
    addAddress(*m_folder, {{"Name_1", u"佐藤"_s}, {"Furigana", u"ｻﾄｳ"_s}, {"Sex_cd", 2}, {"Email", u"s@x.jp"_s}});
    addAddress(*m_folder, {{"Name_1", u"無性"_s}, {"Furigana", u"ﾑ"_s}, {"Sex_cd", 7}, {"Birth", u"1926/12/25"_s}});
    Mod1::OpenDb();
    Mod1::SearchSql = everyone;
}

void DataViewTest::cleanup() {
    m_folder.reset();
}

void DataViewTest::placeAndControls() {
    DataView view;
    QCOMPARE(view.windowTitle(), u"Tamoru ～ 検索結果 ～"_s);
    QCOMPARE(view.pos(), QPoint(platform::twips(600), platform::twips(600)));
    QCOMPARE(view.SSFrame1->title(), u"検索結果"_s);
    QCOMPARE(view.LS->geometry(), twipsRect(90, 360, 2760, 8385));
    QCOMPARE(view.Lab01->geometry(), twipsRect(4635, 315, 3345, 270));
    QCOMPARE(view.Lab21->geometry(), twipsRect(4635, 3420, 3345, 270));
    QCOMPARE(view.Lab14->geometry(), twipsRect(4635, 4995, 3345, 600));
    QCOMPARE(view.Lab20->geometry(), twipsRect(4635, 7200, 3345, 645));
    QCOMPARE(view.SSCommand1->text(), u"条件再セット"_s);
    QCOMPARE(view.SSCommand1->geometry(), twipsRect(5805, 7920, 1230, 915));
    QCOMPARE(view.EXIT->geometry(), twipsRect(7065, 7920, 915, 915));
    const auto caption = [&view](int number) {
        return view.SSFrame1->findChild<platform::Panel3D*>(u"SSPanel%1"_s.arg(number))->caption();
    };
    QCOMPARE(caption(1), u"フリガナ"_s);
    QCOMPARE(caption(10), u"ポケットベル"_s);
    QCOMPARE(caption(21), u"備考"_s);
    QCOMPARE(entries(view.LS), (QStringList{u"佐藤"_s, u"鈴木"_s, u"無性"_s, u"山田"_s}));
    QVERIFY(view.LS->selectedItems().isEmpty());
    QVERIFY(view.Lab02->caption().isEmpty());
}

void DataViewTest::recordInThePanels() {
    DataView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    clickEntry(view.LS, u"山田"_s);
    const QStringList shown{view.Lab01->caption(), view.Lab02->caption(), view.Lab03->caption(), view.Lab04->caption(),
                            view.Lab05->caption(), view.Lab06->caption(), view.Lab07->caption(), view.Lab08->caption(),
                            view.Lab09->caption(), view.Lab21->caption(), view.Lab10->caption(), view.Lab11->caption(),
                            view.Lab12->caption(), view.Lab13->caption(), view.Lab14->caption(), view.Lab15->caption(),
                            view.Lab16->caption(), view.Lab17->caption(), view.Lab18->caption(), view.Lab19->caption(),
                            view.Lab20->caption()};
    QCOMPARE(shown, (QStringList{u"ﾔﾏﾀﾞ"_s,
                                 u"山田"_s,
                                 u"山田-nick"_s,
                                 u"男性"_s,
                                 u"平成 08年 01月 05日"_s,
                                 u"100-0001"_s,
                                 u"東京都\r\n千代田区"_s,
                                 u"03-1111-1111"_s,
                                 u"03-2222-2222"_s,
                                 u"030-333"_s,
                                 u"090-4444"_s,
                                 u"070-5555"_s,
                                 u"会社"_s,
                                 u"200-0002"_s,
                                 u"大阪府"_s,
                                 u"06-6666"_s,
                                 u"06-7777"_s,
                                 u"me@example.jp"_s,
                                 u"work@example.jp"_s,
                                 u"http://example.jp/"_s,
                                 u"備考"_s}));
    QCOMPARE(Mod1::Sql, u"select Mst_Address.* , Mst_Sex.* from Mst_Address , Mst_Sex Where Name_1 = '山田'  AND "
                        "Mst_Address.Sex_cd = Mst_Sex.sex_cd ;"_s);
}

void DataViewTest::panelsNeverKeepTheRecordBefore_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("sex");
    QTest::newRow("empty birth") << u"鈴木"_s << u""_s << u"女性"_s;
    QTest::newRow("Null birth and columns") << u"佐藤"_s << u""_s << u"女性"_s;
    QTest::newRow("no sex row") << u"無性"_s << u"昭和 01年 12月 25日"_s << u""_s;
}

void DataViewTest::panelsNeverKeepTheRecordBefore() {
    QFETCH(QString, name);
    QFETCH(QString, birth);
    QFETCH(QString, sex);
    DataView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    clickEntry(view.LS, u"山田"_s);
    clickEntry(view.LS, name);
    QCOMPARE(view.Lab02->caption(), name);
    QCOMPARE(view.Lab05->caption(), birth);
    QCOMPARE(view.Lab04->caption(), sex);
    QCOMPARE(view.Lab17->caption(), name == u"佐藤"_s ? u"s@x.jp"_s : QString());
    for (platform::Panel3D* panel : {view.Lab03, view.Lab07, view.Lab21, view.Lab16, view.Lab19, view.Lab20})
        QVERIFY2(panel->caption().isEmpty(), qPrintable(panel->objectName()));
}

void DataViewTest::copyToClipboard_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("clipboard");
    const QString ask = u"クリップボードにコピーしてもよろしいですか？"_s;
    QTest::newRow("mail, yes") << u"Lab17"_s << u"Cmd_Yes"_s << u"メールアドレス［ me@example.jp ］\r"_s + ask
                               << u"me@example.jp"_s;
    QTest::newRow("company mail, yes") << u"Lab18"_s << u"Cmd_Yes"_s << u"メールアドレス［ work@example.jp ］\r"_s + ask
                                       << u"work@example.jp"_s;
    QTest::newRow("home page, yes") << u"Lab19"_s << u"Cmd_Yes"_s << u"ホームページ\r［ http://example.jp/ ］\r"_s + ask
                                    << u"http://example.jp/"_s;
    QTest::newRow("mail, no") << u"Lab17"_s << u"Cmd_No"_s << u"メールアドレス［ me@example.jp ］\r"_s + ask
                              << u"before"_s;
    QTest::newRow("another panel") << u"Lab08"_s << QString() << QString() << u"before"_s;
}

void DataViewTest::copyToClipboard() {
    QFETCH(QString, panel);
    QFETCH(QString, answer);
    QFETCH(QString, question);
    QFETCH(QString, clipboard);
    DataView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QGuiApplication::clipboard()->setText(u"before"_s);
    ModalScript script;
    // Nothing shown yet: the copying panels are empty and ask nothing.
    QTest::mouseClick(view.Lab17, Qt::LeftButton);
    clickEntry(view.LS, u"山田"_s);
    if (!answer.isEmpty())
        script.press(answer);
    QTest::mouseClick(view.findChild<platform::Panel3D*>(panel), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    if (!answer.isEmpty()) {
        QCOMPARE(script.messages()[0].text, question);
        QCOMPARE(script.messages()[0].kind, 1);
        QCOMPARE(script.messages()[0].focus, u"Cmd_Yes"_s);
    }
}

void DataViewTest::refusedSearchLeavesAnEmptyList() {
    Mod1::SearchSql = u"SELECT * FROM Mst_Address Where Furigana like '**'And Sex_cd =  Order by Furigana"_s;
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    DataView view;
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QVERIFY(script.messages()[0].text.startsWith(u"データベースの処理に失敗しました。\r"_s));
    QCOMPARE(view.LS->count(), 0);
}

// From the main window: a search, back to its conditions, a second search, and out of both.
void DataViewTest::backToTheSearchAndOutOfBoth() {
    Main main;
    startMain(main);
    const int activations = main.activationCount();
    QStringList firstResults;
    QStringList secondResults;
    ModalScript script;
    script.then(u"Search_1"_s, [&](QDialog& window) {
        auto& search = static_cast<Search_1&>(window);
        typeText(search.Txt_Name_1, u"山"_s);
        QTest::mouseClick(search.Cmd_Search, Qt::LeftButton);
        QCOMPARE(search.Txt_Name_1->text(), u"山"_s); // unchanged after "条件再セット"
        QVERIFY(search.isVisible());
        search.Txt_Name_1->clear();
        QTest::mouseClick(search.Cmd_Search, Qt::LeftButton);
    });
    script.then(u"DataView"_s, [&](QDialog& window) {
        auto& view = static_cast<DataView&>(window);
        QVERIFY(!view.parentWidget());
        firstResults = entries(view.LS);
        QTest::mouseClick(view.SSCommand1, Qt::LeftButton);
    });
    script.then(u"DataView"_s, [&](QDialog& window) {
        auto& view = static_cast<DataView&>(window);
        secondResults = entries(view.LS);
        QTest::mouseClick(view.EXIT, Qt::LeftButton);
    });
    runAsHandler(&main, [&] { QTest::mouseClick(main.phoneBook().Cmd_T2, Qt::LeftButton); });
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(firstResults, QStringList{u"山田"_s});
    QCOMPARE(secondResults.size(), 4);
    QVERIFY(!Search_1::form());
    QVERIFY(!DataView::form());
    QTRY_COMPARE(main.activationCount(), activations + 1);
    settle();
    QCOMPARE(main.activationCount(), activations + 1);
}

QTEST_MAIN(DataViewTest)
#include "test_dataview.moc"
