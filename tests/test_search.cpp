// The phone book's search window: the statement it builds from its boxes and what it finds.
#include "AddressRows.h"
#include "ModalScript.h"
#include "addressbook/DataView.h"
#include "addressbook/Search_1.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/MultiLineBox.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

using Boxes = QMap<QString, QString>;

class SearchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init();
    void cleanup();
    void statement_data();
    void statement();
    void whatIsFound_data();
    void whatIsFound();
    void sexBoxWithoutCodeIsRefused();
    void clearAndExit();

private:
    // Types into the boxes, presses "検索" and returns the names the results window listed.
    QStringList search(const Boxes& boxes, const QString& sex);

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<Search_1> m_window;
};

void SearchTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    addFullAddress(*m_folder, u"山田"_s, u"ﾔﾏﾀﾞ"_s, 1, u"1996/1/5"_s);
    addAddress(*m_folder,
               {{u"Name_1"_s, u"O'Brien"_s}, {u"Furigana"_s, u"ｵ"_s}, {u"Sex_cd"_s, 1}, {u"Email"_s, u"ob@x.ie"_s}});
    addAddress(*m_folder, {{u"Name_1"_s, u"Ann*Lee"_s}, {u"Furigana"_s, u"ｱ"_s}, {u"Sex_cd"_s, 2}});
    addAddress(*m_folder, {{u"Name_1"_s, u"読みなし"_s}, {u"Sex_cd"_s, 2}});
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
    script.then(u"DataView"_s, [&found](QDialog& window) {
        auto& results = static_cast<DataView&>(window);
        found = entries(results.LS);
        QTest::mouseClick(results.SSCommand1, Qt::LeftButton);
    });
    QTest::mouseClick(m_window->Cmd_Search, Qt::LeftButton);
    if (!script.finished())
        qWarning("%s", qPrintable(script.report()));
    return found;
}

void SearchTest::statement_data() {
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("conditions");
    const QString always = u" Furigana like '**'And Name_1 like '**'"_s;
    QTest::newRow("all empty") << Boxes{} << u"0 全部"_s << always;
    QTest::newRow("nickname") << Boxes{{u"Txt_Name_2"_s, u"たろ"_s}} << u"0 全部"_s
                              << always + u"And Name_2 like '*たろ*'"_s;
    QTest::newRow("sex before the address")
        << Boxes{{u"Txt_Zyusyo"_s, u"東京"_s}} << u"2 女性"_s << always + u"And Sex_cd = 2 And Zyusyo like '*東京*'"_s;
    QTest::newRow("empty sex box is every sex") << Boxes{} << u""_s << always;
    QTest::newRow("a quote is doubled") << Boxes{{u"Txt_Name_1"_s, u"O'B"_s}} << u"0 全部"_s
                                        << u" Furigana like '**'And Name_1 like '*O''B*'"_s;
    Boxes every;
    for (const char* box : {"Txt_Furigana", "Txt_Name_1", "Txt_Name_2", "Txt_Zyusyo", "Txt_Tel_1", "Txt_Fax", "Txt_PB",
                            "Txt_Handy_1", "Txt_Handy_2", "Txt_K_Name", "Txt_Email", "Txt_K_Email", "Txt_HP_Address"})
        every.insert(QString::fromLatin1(box), QString::fromLatin1(box).mid(4, 2));
    QTest::newRow("every box")
        << every << u"1 男性"_s
        << u" Furigana like '*Fu*'And Name_1 like '*Na*'And Name_2 like '*Na*'And Sex_cd = 1 "
           "And Zyusyo like '*Zy*' And Tel_1 like '*Te*' And Fax_1 like '*Fa*' And PB like '*PB*' "
           "And Handy_1 like '*Ha*' And Handy_2 like '*Ha*' And K_Name like '*K_*' And Email "
           "like '*Em*' And K_Email like '*K_*' And HP_Address like '*HP*'"_s;
}

void SearchTest::statement() {
    QFETCH(Boxes, boxes);
    QFETCH(QString, sex);
    QFETCH(QString, conditions);
    search(boxes, sex);
    QCOMPARE(Mod1::SearchSql, u"SELECT * FROM Mst_Address Where"_s + conditions + u" Order by Furigana"_s);
}

void SearchTest::whatIsFound_data() {
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QStringList>("found");
    const QString all = u"0 全部"_s;
    QTest::newRow("every record with a reading, by reading")
        << Boxes{} << all << QStringList{u"Ann*Lee"_s, u"O'Brien"_s, u"山田"_s};
    QTest::newRow("by sex") << Boxes{} << u"2 女性"_s << QStringList{u"Ann*Lee"_s};
    QTest::newRow("a quote") << Boxes{{u"Txt_Name_1"_s, u"'"_s}} << all << QStringList{u"O'Brien"_s};
    QTest::newRow("a typed asterisk is any text")
        << Boxes{{u"Txt_Name_1"_s, u"O*n"_s}} << all << QStringList{u"O'Brien"_s};
    QTest::newRow("a question mark is any character")
        << Boxes{{u"Txt_Email"_s, u"ob?x"_s}} << all << QStringList{u"O'Brien"_s};
    QTest::newRow("an asterisk in brackets") << Boxes{{u"Txt_Name_1"_s, u"[*]"_s}} << all << QStringList{u"Ann*Lee"_s};
    QTest::newRow("second address line") << Boxes{{u"Txt_Zyusyo"_s, u"2行"_s}} << all << QStringList{u"山田"_s};
    QTest::newRow("nothing") << Boxes{{u"Txt_Name_1"_s, u"誰も"_s}} << all << QStringList{};
}

void SearchTest::whatIsFound() {
    QFETCH(Boxes, boxes);
    QFETCH(QString, sex);
    QFETCH(QStringList, found);
    QCOMPARE(search(boxes, sex), found);
    QVERIFY(m_window->isVisible()); // back from the results, with the conditions
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
    QVERIFY(m_window->isVisible());
}

void SearchTest::clearAndExit() {
    Search_1& w = *m_window;
    QCOMPARE(tabWalk(&w, w.Txt_Name_1, 4),
             (QStringList{u"Txt_Name_1"_s, u"Txt_Furigana"_s, u"Txt_Name_2"_s, u"Cmb_Sex"_s, u"Txt_Zyusyo"_s}));
    for (QLineEdit* box : w.SSFrame1->findChildren<QLineEdit*>())
        typeText(box, u"x"_s);
    typeText(w.Txt_Zyusyo, u"y"_s);
    QTest::mouseClick(w.Cmd_Clear, Qt::LeftButton);
    for (QLineEdit* box : w.SSFrame1->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(box->parentWidget()))
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    QVERIFY(w.Txt_Zyusyo->text().isEmpty());
    QCOMPARE(w.Cmb_Sex->currentText(), u"0 全部"_s);
    QCOMPARE(w.focusWidget(), w.Txt_Name_1);
    QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(SearchTest)
#include "test_search.moc"
