// The phone book's search window: its boxes, the statement it builds and what it finds.
#include "AddressRows.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "addressbook/DataView.h"
#include "addressbook/Search_1.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ImeMode.h"
#include "platform/MultiLineBox.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using platform::twipsRect;

using Boxes = QMap<QString, QString>;

class SearchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void controls();
    void statement_data();
    void statement();
    void whatIsFound_data();
    void whatIsFound();
    void sexBoxWithoutCodeIsRefused();
    void clearAndExit();

private:
    // Types the boxes, presses "検索" and returns the names the results window listed.
    QStringList search(const Boxes& boxes, const QString& sex = u"0 全部"_s);

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<Search_1> m_window;
};

void SearchTest::initTestCase() {
    platform::setUpDesktop();
}

void SearchTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    addFullAddress(*m_folder, u"山田"_s, u"ﾔﾏﾀﾞ"_s, 1, u"1996/1/5"_s);
    addAddress(*m_folder,
               {{"Name_1", u"O'Brien"_s}, {"Furigana", u"ｵﾌﾞﾗｲｴﾝ"_s}, {"Sex_cd", 1}, {"Email", u"ob@x.ie"_s}});
    addAddress(*m_folder, {{"Name_1", u"Ann*Lee"_s}, {"Furigana", u"ｱﾝ"_s}, {"Sex_cd", 2}, {"Zyusyo", u"札幌市"_s}});
    addAddress(*m_folder, {{"Name_1", u"読みなし"_s}, {"Sex_cd", 2}});
    Mod1::OpenDb();
    m_window = std::make_unique<Search_1>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void SearchTest::cleanup() {
    m_window.reset();
    m_folder.reset();
}

QStringList SearchTest::search(const Boxes& boxes, const QString& sex) {
    for (auto it = boxes.begin(); it != boxes.end(); ++it)
        typeText(m_window->findChild<QWidget*>(it.key()), it.value());
    m_window->Cmb_Sex->setEditText(sex);
    QStringList found;
    ModalScript script;
    script.then(u"DataView"_s, [&found](QDialog& results) {
        found = entries(static_cast<DataView&>(results).LS);
        QTest::mouseClick(static_cast<DataView&>(results).SSCommand1, Qt::LeftButton);
    });
    QTest::mouseClick(m_window->Cmd_Search, Qt::LeftButton);
    if (!script.finished())
        qWarning("%s", qPrintable(script.report()));
    return found;
}

void SearchTest::controls() {
    Search_1& w = *m_window;
    QCOMPARE(w.windowTitle(), u"Tamoru ～ 検索条件 ～"_s);
    QCOMPARE(w.pos(), QPoint(platform::twips(400), platform::twips(400)));
    QCOMPARE(w.SSFrame1->title(), u"検索条件"_s);
    QCOMPARE(w.Cmb_Sex->currentText(), u"0 全部"_s);
    QCOMPARE(w.Cmb_Sex->count(), 3);
    QCOMPARE(w.Cmb_Sex->itemText(2), u"2 女性"_s);
    QCOMPARE(w.Txt_Zyusyo->geometry(), twipsRect(1710, 1575, 3300, 555));
    QVERIFY(qobject_cast<platform::MultiLineBox*>(w.Txt_Zyusyo));
    QCOMPARE(w.Txt_Tel_1->geometry(), twipsRect(1710, 2205, 1365, 285));
    QCOMPARE(w.Txt_HP_Address->geometry(), twipsRect(1710, 4725, 3300, 285));
    QCOMPARE(platform::imeMode(w.Txt_Furigana), platform::ImeMode::KatakanaHalf);
    QCOMPARE(platform::imeMode(w.Txt_K_Name), platform::ImeMode::Hiragana);
    QCOMPARE(platform::imeMode(w.Txt_Handy_2), platform::ImeMode::Disabled);
    QCOMPARE(platform::imeMode(w.Txt_K_Email), platform::ImeMode::Off);
    QStringList captions;
    for (int i = 1; i <= 14; ++i) {
        auto* panel = w.SSFrame1->findChild<platform::Panel3D*>(u"SSPanel%1"_s.arg(i));
        QCOMPARE(panel->geometry(), twipsRect(135, i < 6 ? 315 * i : 315 * (i + 1), 1500, 270));
        captions.append(panel->caption());
    }
    QCOMPARE(captions, (QStringList{u"フリガナ"_s, u"名前"_s, u"ニックネーム"_s, u"性別"_s, u"住所"_s, u"電話番号"_s,
                                    u"ＦＡＸ"_s, u"ポケットベル"_s, u"携帯"_s, u"ＰＨＳ"_s, u"会社名"_s, u"E_Mail"_s,
                                    u"会社 E_Mail"_s, u"ＨＰ"_s}));
    QCOMPARE(w.Cmd_Clear->text(), u"クリア"_s);
    QCOMPARE(w.Cmd_Insert->text(), u"EXIT"_s);
    QCOMPARE(w.Cmd_Search->geometry(), twipsRect(4050, 5130, 915, 915));
    QCOMPARE(tabWalk(&w, w.Txt_Name_1, 13),
             (QStringList{u"Txt_Name_1"_s, u"Txt_Furigana"_s, u"Txt_Name_2"_s, u"Cmb_Sex"_s, u"Txt_Zyusyo"_s,
                          u"Txt_Tel_1"_s, u"Txt_Fax"_s, u"Txt_PB"_s, u"Txt_Handy_1"_s, u"Txt_Handy_2"_s,
                          u"Txt_K_Name"_s, u"Txt_Email"_s, u"Txt_K_Email"_s, u"Txt_HP_Address"_s}));
}

void SearchTest::statement_data() {
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("where");
    const QString start = u" Where Furigana like '**'And Name_1 like '**'"_s;
    QTest::newRow("all empty") << Boxes{} << u"0 全部"_s << start;
    QTest::newRow("nickname only") << Boxes{{u"Txt_Name_2"_s, u"たろ"_s}} << u"0 全部"_s
                                   << start + u"And Name_2 like '*たろ*'"_s;
    QTest::newRow("sex before the address")
        << Boxes{{u"Txt_Zyusyo"_s, u"東京"_s}} << u"2 女性"_s << start + u"And Sex_cd = 2 And Zyusyo like '*東京*'"_s;
    QTest::newRow("empty sex box is every sex") << Boxes{} << u""_s << start;
    QTest::newRow("quote searched as a quote")
        << Boxes{{u"Txt_Name_1"_s, u"O'B"_s}} << u"0 全部"_s << u" Where Furigana like '**'And Name_1 like '*O''B*'"_s;
    QTest::newRow("every box") << Boxes{{u"Txt_Furigana"_s, u"ｱ"_s},  {u"Txt_Name_1"_s, u"n"_s},
                                        {u"Txt_Name_2"_s, u"k"_s},    {u"Txt_Zyusyo"_s, u"z"_s},
                                        {u"Txt_Tel_1"_s, u"1"_s},     {u"Txt_Fax"_s, u"2"_s},
                                        {u"Txt_PB"_s, u"3"_s},        {u"Txt_Handy_1"_s, u"4"_s},
                                        {u"Txt_Handy_2"_s, u"5"_s},   {u"Txt_K_Name"_s, u"c"_s},
                                        {u"Txt_Email"_s, u"e"_s},     {u"Txt_K_Email"_s, u"f"_s},
                                        {u"Txt_HP_Address"_s, u"h"_s}}
                               << u"1 男性"_s
                               << u" Where Furigana like '*ｱ*'And Name_1 like '*n*'And Name_2 like '*k*'And Sex_cd = 1 "
                                  "And Zyusyo like '*z*' And Tel_1 like '*1*' And Fax_1 like '*2*' And PB like '*3*' "
                                  "And Handy_1 like '*4*' And Handy_2 like '*5*' And K_Name like '*c*' And Email like "
                                  "'*e*' And K_Email like '*f*' And HP_Address like '*h*'"_s;
}

void SearchTest::statement() {
    QFETCH(Boxes, boxes);
    QFETCH(QString, sex);
    QFETCH(QString, where);
    search(boxes, sex);
    QCOMPARE(Mod1::SearchSql, u"SELECT * FROM Mst_Address"_s + where + u" Order by Furigana"_s);
}

void SearchTest::whatIsFound_data() {
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("everything with a reading, by reading")
        << Boxes{} << u"0 全部"_s << QStringList{u"Ann*Lee"_s, u"O'Brien"_s, u"山田"_s};
    QTest::newRow("by sex") << Boxes{} << u"2 女性"_s << QStringList{u"Ann*Lee"_s};
    QTest::newRow("a quote") << Boxes{{u"Txt_Name_1"_s, u"'"_s}} << u"0 全部"_s << QStringList{u"O'Brien"_s};
    QTest::newRow("a typed asterisk is a wildcard")
        << Boxes{{u"Txt_Name_1"_s, u"O*n"_s}} << u"0 全部"_s << QStringList{u"O'Brien"_s};
    QTest::newRow("a typed question mark is any character")
        << Boxes{{u"Txt_Email"_s, u"ob?x"_s}} << u"0 全部"_s << QStringList{u"O'Brien"_s};
    QTest::newRow("an asterisk in brackets is an asterisk")
        << Boxes{{u"Txt_Name_1"_s, u"[*]"_s}} << u"0 全部"_s << QStringList{u"Ann*Lee"_s};
    QTest::newRow("address lines") << Boxes{{u"Txt_Zyusyo"_s, u"札幌"_s}} << u"0 全部"_s << QStringList{u"Ann*Lee"_s};
    QTest::newRow("nothing") << Boxes{{u"Txt_Name_1"_s, u"誰も"_s}} << u"0 全部"_s << QStringList{};
}

void SearchTest::whatIsFound() {
    QFETCH(Boxes, boxes);
    QFETCH(QString, sex);
    QFETCH(QStringList, found);
    QCOMPARE(search(boxes, sex), found);
    QVERIFY(m_window->isVisible()); // back from the results with the conditions
    for (auto it = boxes.begin(); it != boxes.end(); ++it) {
        QWidget* box = m_window->findChild<QWidget*>(it.key());
        auto* lines = qobject_cast<platform::MultiLineBox*>(box);
        QCOMPARE(lines ? lines->text() : static_cast<QLineEdit*>(box)->text(), it.value());
    }
}

void SearchTest::sexBoxWithoutCodeIsRefused() {
    m_window->Cmb_Sex->setEditText(u"男"_s);
    ModalScript script;
    script.press(u"Cmd_OK"_s); // and no results window
    QTest::mouseClick(m_window->Cmd_Search, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, u"性別が正しく入力されていません。"_s);
    QVERIFY(Mod1::SearchSql.isEmpty());
    QVERIFY(m_window->isVisible());
}

void SearchTest::clearAndExit() {
    Search_1& w = *m_window;
    for (QLineEdit* box : w.SSFrame1->findChildren<QLineEdit*>())
        typeText(box, u"x"_s);
    typeText(w.Txt_Zyusyo, u"y"_s);
    w.Cmb_Sex->setCurrentIndex(1);
    QTest::mouseClick(w.Cmd_Clear, Qt::LeftButton);
    for (QLineEdit* box : w.SSFrame1->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(box->parentWidget()))
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    QVERIFY(w.Txt_Zyusyo->text().isEmpty());
    QCOMPARE(w.Cmb_Sex->currentText(), u"0 全部"_s);
    QCOMPARE(w.focusWidget(), w.Txt_Name_1);
    QCOMPARE(Mod1::TargetForm.data(), &w);

    QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(SearchTest)
#include "test_search.moc"
