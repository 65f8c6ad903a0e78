// The phone book's results window: the record in its panels, copying addresses to the
// clipboard, and the ways back.
#include "AddressRows.h"
#include "Drive.h"
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

class DataViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init();
    void cleanup();
    void recordInThePanels();
    void panelsNeverKeepTheRecordBefore_data();
    void panelsNeverKeepTheRecordBefore();
    void copyToClipboard_data();
    void copyToClipboard();
    void refusedSearchLeavesAnEmptyList();
    void backToTheSearchAndOutOfBoth();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<DataView> m_view;
};

void DataViewTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    addFullAddress(*m_folder, u"山田"_s, u"ﾔﾏﾀﾞ"_s, 1, u"1996/1/5"_s);
    addAddress(*m_folder,
               {{u"Name_1"_s, u"鈴木"_s}, {u"Furigana"_s, u"ｽｽﾞｷ"_s}, {u"Sex_cd"_s, 2}, {u"Birth"_s, u""_s}});
    addAddress(*m_folder, {{u"Name_1"_s, u"佐藤"_s}, {u"Furigana"_s, u"ｻﾄｳ"_s}, {u"Sex_cd"_s, 2}});
    addAddress(*m_folder, {{u"Name_1"_s, u"無性"_s},
                           {u"Furigana"_s, u"ﾑ"_s},
                           {u"Sex_cd"_s, 7},
                           {u"Birth"_s, u"1926/12/25"_s},
                           {u"Email"_s, u"m@x.jp"_s}});
    Mod1::OpenDb();
    Mod1::SearchSql = u"SELECT * FROM Mst_Address Where Furigana like '**'And Name_1 like '**' Order by Furigana"_s;
    m_view = std::make_unique<DataView>();
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void DataViewTest::cleanup() {
    m_view.reset();
    m_folder.reset();
}

void DataViewTest::recordInThePanels() {
    DataView& v = *m_view;
    QCOMPARE(v.pos(), QPoint(platform::twips(600), platform::twips(600)));
    QCOMPARE(entries(v.LS), (QStringList{u"佐藤"_s, u"鈴木"_s, u"無性"_s, u"山田"_s}));
    clickEntry(v.LS, u"山田"_s);
    QCOMPARE(v.Lab04->caption(), u"男性"_s);
    QCOMPARE(v.Lab05->caption(), u"平成 08年 01月 05日"_s);
    const std::pair<platform::Panel3D*, const char*> panels[] = {
        {v.Lab01, "Furigana"}, {v.Lab03, "Name_2"},     {v.Lab06, "Yubin"},   {v.Lab07, "Zyusyo"},  {v.Lab08, "Tel_1"},
        {v.Lab09, "Fax_1"},    {v.Lab21, "PB"},         {v.Lab10, "Handy_1"}, {v.Lab11, "Handy_2"}, {v.Lab12, "K_Name"},
        {v.Lab13, "K_Yubin"},  {v.Lab14, "K_Address"},  {v.Lab15, "K_Tel"},   {v.Lab16, "K_fax"},   {v.Lab17, "Email"},
        {v.Lab18, "K_Email"},  {v.Lab19, "HP_Address"}, {v.Lab20, "Bikou"}};
    for (const auto& [panel, column] : panels) {
        const QString name = QString::fromLatin1(column);
        QCOMPARE(panel->caption(), name == u"Furigana"_s ? u"ﾔﾏﾀﾞ"_s : fullValue(name, u"山田"_s));
    }
}

void DataViewTest::panelsNeverKeepTheRecordBefore_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("mail");
    QTest::newRow("empty birth") << u"鈴木"_s << u"女性"_s << u""_s << u""_s;
    QTest::newRow("Null birth") << u"佐藤"_s << u"女性"_s << u""_s << u""_s;
    QTest::newRow("no sex row") << u"無性"_s << u""_s << u"昭和 01年 12月 25日"_s << u"m@x.jp"_s;
}

void DataViewTest::panelsNeverKeepTheRecordBefore() {
    QFETCH(QString, name);
    QFETCH(QString, sex);
    QFETCH(QString, birth);
    QFETCH(QString, mail);
    DataView& v = *m_view;
    clickEntry(v.LS, u"山田"_s);
    clickEntry(v.LS, name);
    QCOMPARE(v.Lab02->caption(), name);
    QCOMPARE(v.Lab04->caption(), sex);
    QCOMPARE(v.Lab05->caption(), birth);
    QCOMPARE(v.Lab17->caption(), mail);
    for (platform::Panel3D* panel : {v.Lab03, v.Lab07, v.Lab21, v.Lab16, v.Lab19, v.Lab20})
        QVERIFY2(panel->caption().isEmpty(), qPrintable(panel->objectName()));
}

void DataViewTest::copyToClipboard_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("clipboard");
    const QString ask = u"クリップボードにコピーしてもよろしいですか？"_s;
    const QString mail = fullValue(u"Email"_s, u"山田"_s);
    const QString work = fullValue(u"K_Email"_s, u"山田"_s);
    const QString page = fullValue(u"HP_Address"_s, u"山田"_s);
    QTest::newRow("mail") << u"Lab17"_s << u"Cmd_Yes"_s << u"メールアドレス［ "_s + mail + u" ］\r"_s + ask << mail;
    QTest::newRow("company mail") << u"Lab18"_s << u"Cmd_Yes"_s << u"メールアドレス［ "_s + work + u" ］\r"_s + ask
                                  << work;
    QTest::newRow("home page") << u"Lab19"_s << u"Cmd_Yes"_s << u"ホームページ\r［ "_s + page + u" ］\r"_s + ask
                               << page;
    QTest::newRow("answered no") << u"Lab17"_s << u"Cmd_No"_s << u"メールアドレス［ "_s + mail + u" ］\r"_s + ask
                                 << u"before"_s;
    QTest::newRow("a panel that does not copy") << u"Lab08"_s << QString() << QString() << u"before"_s;
}

void DataViewTest::copyToClipboard() {
    QFETCH(QString, panel);
    QFETCH(QString, answer);
    QFETCH(QString, question);
    QFETCH(QString, clipboard);
    QGuiApplication::clipboard()->setText(u"before"_s);
    ModalScript script;
    QTest::mouseClick(m_view->Lab17, Qt::LeftButton); // empty yet: no question
    clickEntry(m_view->LS, u"山田"_s);
    if (!answer.isEmpty())
        script.press(answer);
    QTest::mouseClick(m_view->findChild<platform::Panel3D*>(panel), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    if (!answer.isEmpty()) {
        QCOMPARE(script.messages()[0].text, question);
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
    m_view.reset();
    Main main;
    startMain(main);
    const int activations = main.activationCount();
    QStringList found;
    ModalScript script;
    script.then(u"Search_1"_s, [&](QDialog& window) {
        auto& search = static_cast<Search_1&>(window);
        typeText(search.Txt_Name_1, u"山"_s);
        QTest::mouseClick(search.Cmd_Search, Qt::LeftButton);
        QCOMPARE(search.Txt_Name_1->text(), u"山"_s);
        search.Txt_Name_1->clear();
        QTest::mouseClick(search.Cmd_Search, Qt::LeftButton);
    });
    const auto leaveBy = [&found](const QString& button) {
        return [&found, button](QDialog& results) {
            found.append(entries(static_cast<DataView&>(results).LS).join(u','));
            QTest::mouseClick(results.findChild<QPushButton*>(button), Qt::LeftButton);
        };
    };
    script.then(u"DataView"_s, leaveBy(u"SSCommand1"_s)).then(u"DataView"_s, leaveBy(u"EXIT"_s));
    runAsHandler(&main, [&] { QTest::mouseClick(main.phoneBook().Cmd_T2, Qt::LeftButton); });
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(found, (QStringList{u"山田"_s, u"佐藤,鈴木,無性,山田"_s}));
    QVERIFY(!Search_1::form() && !DataView::form());
    QTRY_COMPARE(main.activationCount(), activations + 1);
    settle();
    QCOMPARE(main.activationCount(), activations + 1);
}

QTEST_MAIN(DataViewTest)
#include "test_dataview.moc"
