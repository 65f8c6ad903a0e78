// The phone book's windows, worked the way a person does: a chosen record in the entry window
// and in the results, the writes with their checks, questions and statements, the search
// statement and what it finds, copying to the clipboard, and the ways back.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "addressbook/DataCreate.h"
#include "addressbook/DataView.h"
#include "addressbook/PhoneBookFrame.h"
#include "addressbook/Search_1.h"
#include "app/Main.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/MultiLineBox.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

template <class Window> std::unique_ptr<Window> shownWindow() {
    auto window = std::make_unique<Window>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the window was not shown");
    return window;
}

// The entries of a list, between commas.
QString entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts.join(u',');
}

void clickEntry(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

// Puts texts into the boxes of a window, given as "name=text|name=text".
void fill(QWidget* window, const QString& boxes) {
    for (const QString& box : boxes.split(u'|', Qt::SkipEmptyParts)) {
        const QString text = box.section(u'=', 1);
        QWidget* widget = window->findChild<QWidget*>(box.section(u'=', 0, 0));
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            line->setText(text);
        else if (auto* lines = qobject_cast<platform::MultiLineBox*>(widget))
            lines->setText(text);
        else
            static_cast<QComboBox*>(widget)->setEditText(text);
    }
}

// What a window shows in its boxes and value panels ("Lab.."), as "name=text|name=text" in the
// order of the names; the empty ones are left out.
QString shownValues(const QWidget* window) {
    QStringList shown;
    const auto add = [&shown](const QObject* box, const QString& text) {
        if (!text.isEmpty())
            shown.append(box->objectName() + u'=' + text);
    };
    for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
        auto* combo = qobject_cast<const QComboBox*>(box->parentWidget());
        add(combo ? static_cast<const QObject*>(combo) : box, box->text());
    }
    for (const platform::MultiLineBox* box : window->findChildren<platform::MultiLineBox*>())
        add(box, box->text());
    for (const platform::Panel3D* panel : window->findChildren<platform::Panel3D*>()) {
        if (panel->objectName().startsWith(u"Lab"))
            add(panel, panel->caption());
    }
    shown.sort();
    return shown.join(u'|');
}

// What the message windows that a click opened showed, each answered with the next of
// `presses`. When the windows were not those expected, the texts end with the report.
struct Answered {
    QStringList texts;
    QStringList focus;
    QString statement; // Mod1::Sql when the last message opened
};

Answered answer(QWidget* button, const QStringList& presses) {
    Answered result;
    ModalScript script;
    for (const QString& press : presses) {
        script.then(u"Msg"_s, [&result, press](QDialog& window) {
            result.statement = Mod1::Sql;
            if (auto* b = window.findChild<QPushButton*>(press); b && b->isVisible())
                QTest::mouseClick(b, Qt::LeftButton);
        });
    }
    QTest::mouseClick(button, Qt::LeftButton);
    for (const ModalScript::Message& message : script.messages()) {
        result.texts.append(message.text);
        result.focus.append(message.focus);
    }
    if (!script.finished())
        result.texts.append(script.report());
    return result;
}

} // namespace

class PhoneBookTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init();
    void cleanup() { m_folder.reset(); }
    void chosenRecordOnly_data();
    void chosenRecordOnly();
    void writes_data();
    void writes();
    void refusals_data();
    void refusals();
    void search_data();
    void search();
    void copyToClipboard_data();
    void copyToClipboard();
    void backToTheSearchAndOutOfBoth();

private:
    // Adds address records behind the program's back.
    void addPeople(const QString& columns, const QString& rows) {
        m_folder->execute(u"INSERT INTO Mst_Address(%1) VALUES %2"_s.arg(columns, rows));
    }
    // The records of the search and of the choosing, besides 山田 and 鈴木.
    void addOthers();
    int count(const QString& where = u"1"_s) {
        return m_folder->scalar(u"select count(*) as [TOTAL] from Mst_Address where "_s + where).toInt();
    }

    std::unique_ptr<ProgramFolder> m_folder;
};

// 山田 has every column filled: the column's name, "/" and 山田, the address with a second line.
void PhoneBookTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    const QStringList columns = u"Name_2 Yubin Zyusyo Tel_1 Fax_1 PB Handy_1 Handy_2 K_Name K_Yubin K_Address K_Tel "
                                "K_fax Email K_Email HP_Address Bikou"_s.split(u' ');
    QStringList values;
    for (const QString& column : columns)
        values << u"'"_s + column + u"/山田"_s + (column == u"Zyusyo"_s ? u"\r\n2行目'"_s : u"'"_s);
    addPeople(u"Name_1,Furigana,Sex_cd,Birth,"_s + columns.join(u','),
              u"('山田','ﾔﾏﾀﾞ',1,'1996/1/5',"_s + values.join(u',') + u")"_s);
    addPeople(u"Name_1,Furigana,Sex_cd"_s, u"('鈴木','ｽｽﾞｷ',2)"_s);
    Mod1::OpenDb();
}

void PhoneBookTest::addOthers() {
    addPeople(u"Name_1,Furigana,Sex_cd,Birth,Email"_s,
              u"(' 山田 ','ﾔ',2,'',NULL), ('O''Brien','ｵ',1,'2019/5/1','ob@x.ie'), ('Ann*Lee','ｱ',2,NULL,NULL), "
              "('無性','ﾑ',7,'1926/12/25',NULL), ('不明','ﾌ',NULL,NULL,NULL), ('読みなし',NULL,2,NULL,NULL)"_s);
}

void PhoneBookTest::chosenRecordOnly_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* what, const char16_t* window, const QString& entry, const QString& shown) {
        QTest::newRow(what) << QString::fromUtf16(window) << entry << shown;
    };
    row("blanks at the ends, its twin chosen before, empty birth", u"DataCreate", u" 山田 "_s,
        u"Cmb_Sex=2 女性|Txt_Furigana=ﾔ|Txt_Name_1= 山田 "_s);
    row("Null birth: the era stays", u"DataCreate", u"鈴木"_s,
        u"Cmb_Nengou=平成|Cmb_Sex=2 女性|Txt_Furigana=ｽｽﾞｷ|Txt_Name_1=鈴木"_s);
    row("sex code without a row, 昭和", u"DataCreate", u"無性"_s,
        u"Cmb_Nengou=昭和|Cmb_Sex=7|Txt_D=25|Txt_Furigana=ﾑ|Txt_M=12|Txt_Name_1=無性|Txt_Y=01"_s);
    row("no sex code", u"DataCreate", u"不明"_s, u"Cmb_Nengou=平成|Txt_Furigana=ﾌ|Txt_Name_1=不明"_s);
    row("results, empty birth", u"DataView", u" 山田 "_s, u"Lab01=ﾔ|Lab02= 山田 |Lab04=女性"_s);
    row("results, Null birth", u"DataView", u"鈴木"_s, u"Lab01=ｽｽﾞｷ|Lab02=鈴木|Lab04=女性"_s);
    row("results, no sex row, 昭和", u"DataView", u"無性"_s, u"Lab01=ﾑ|Lab02=無性|Lab05=昭和 01年 12月 25日"_s);
    row("results, 令和", u"DataView", u"O'Brien"_s,
        u"Lab01=ｵ|Lab02=O'Brien|Lab04=男性|Lab05=令和 01年 05月 01日|Lab17=ob@x.ie"_s);
}

// The entry window, or the results of a search for every record: the record chosen before has
// every column filled and was born in 平成.
void PhoneBookTest::chosenRecordOnly() {
    QFETCH(QString, window);
    QFETCH(QString, entry);
    QFETCH(QString, shown);
    addOthers();
    Mod1::SearchSql = u"SELECT * FROM Mst_Address Order by Furigana"_s;
    std::unique_ptr<QDialog> w;
    if (window == u"DataView"_s)
        w = shownWindow<DataView>();
    else
        w = shownWindow<DataCreate>();
    auto* list = w->findChild<QListWidget*>(u"LS"_s);
    clickEntry(list, u"山田"_s);
    ModalScript script; // and no notice
    clickEntry(list, entry);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(shownValues(w.get()), shown);
}

void PhoneBookTest::writes_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("gone"); // deleted by another program once chosen
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("nameBox"); // afterwards
    const auto row = [](const char* what, const QString& chosen, bool gone, const QString& boxes,
                        const char16_t* button, const QString& statement, const QString& notice, const QString& list,
                        const QString& nameBox) {
        QTest::newRow(what) << chosen << gone << boxes << QString::fromUtf16(button) << statement << notice << list
                            << nameBox;
    };
    row("追加, quotes doubled", QString(), false,
        u"Txt_Name_1=O'Brien|Txt_Furigana=ｵ|Cmb_Sex=2 女性|Cmb_Nengou=平成|Txt_Y=8|Txt_M=1|Txt_D=5|"
        "Txt_Zyusyo=札幌\r\n北区|Txt_Bikou=it's"_s,
        u"Cmd_Insert",
        u"INSERT INTO Mst_Address(Name_1,Furigana,Name_2,Sex_cd,Birth,Yubin,Zyusyo,Tel_1,Fax_1,PB,Handy_1,Handy_2,"
        "K_Name,K_Yubin,K_Address,K_Tel,K_fax,Email,K_Email,HP_Address,Bikou) Values('O''Brien' , 'ｵ' , '' , 2 , "
        "'1996/1/5' , '' , '札幌\r\n北区' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , "
        "'it''s');"_s,
        u"ＤＢに追加しました。"_s, u"O'Brien,鈴木,山田"_s, QString());
    const QString update = u"UPDATE Mst_Address SET Name_1 = '%1' , Furigana = 'ｽｽﾞｷ' , Name_2 = '' , Sex_cd =  2 %2 "
                           ", Yubin = '' , Zyusyo = '' , Tel_1 = '' , Fax_1 = '' , PB = '' , Handy_1 = '' , "
                           "Handy_2 = '' , K_Name = '' , K_Yubin = '' , K_Address = '' , K_Tel = '' , K_Fax = '' , "
                           "Email = '' , K_Email = '' , HP_Address = '' , Bikou = '' Where Name_1 = '鈴木';"_s;
    const QString updated = u"ＤＢを修正しました。"_s, remove = u"delete from mst_address where name_1 = '%1';"_s;
    const QString gone = u"ＤＢに［ 鈴木 ］さんが見つかりません。\rリストを読み込み直します。"_s;
    row("修正, renaming", u"鈴木"_s, false, u"Txt_Name_1=鈴木花子"_s, u"Cmd_Update",
        update.arg(u"鈴木花子"_s, u",Birth = ''"_s), updated, u"鈴木花子,山田"_s, u"鈴木花子"_s);
    row("修正 with a birth date", u"鈴木"_s, false, u"Cmb_Nengou=昭和|Txt_Y=40|Txt_M=2|Txt_D=3"_s, u"Cmd_Update",
        update.arg(u"鈴木"_s, u", Birth = '1965/2/3'"_s), updated, u"鈴木,山田"_s, u"鈴木"_s);
    row("削除, the boxes play no part", u"山田"_s, false, u"Txt_Name_1=鈴木"_s, u"Cmd_Delete", remove.arg(u"山田"_s),
        u"ＤＢから削除しました。"_s, u"鈴木"_s, QString());
    row("修正 of a record gone", u"鈴木"_s, true, u"Txt_Name_1=鈴木花子"_s, u"Cmd_Update",
        update.arg(u"鈴木花子"_s, u",Birth = ''"_s), gone, u"山田"_s, u"鈴木花子"_s);
    row("削除 of a record gone", u"鈴木"_s, true, QString(), u"Cmd_Delete", remove.arg(u"鈴木"_s), gone, u"山田"_s,
        u"鈴木"_s);
}

// After a write the list is read again with nothing selected, and the focus is in the name box.
// A change or delete of a record that has gone writes nothing and keeps the boxes.
void PhoneBookTest::writes() {
    QFETCH(QString, chosen);
    QFETCH(bool, gone);
    QFETCH(QString, boxes);
    QFETCH(QString, button);
    QFETCH(QString, statement);
    QFETCH(QString, notice);
    QFETCH(QString, list);
    QFETCH(QString, nameBox);
    auto w = shownWindow<DataCreate>();
    if (!chosen.isEmpty())
        clickEntry(w->LS, chosen);
    if (gone)
        m_folder->execute(u"delete from Mst_Address where Name_1 = '"_s + chosen + u"'"_s);
    fill(w.get(), boxes);
    const Answered answered = answer(w->findChild<QPushButton*>(button), {u"Cmd_Yes"_s, u"Cmd_OK"_s});
    QCOMPARE(answered.texts.mid(1), QStringList{notice});
    QCOMPARE(answered.statement, statement);
    QCOMPARE(entries(w->LS), list);
    QCOMPARE(count(), list.count(u',') + 1);
    QVERIFY(w->LS->selectedItems().isEmpty() && w->Cmb_Sex->currentText().isEmpty());
    QCOMPARE(w->Txt_Name_1->text(), nameBox);
    QCOMPARE(w->focusWidget(), w->Txt_Name_1);
}

void PhoneBookTest::refusals_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("choose");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus"); // in the message window, then in the entry window
    const auto row = [](const char* what, const char16_t* button, bool choose, const QString& name, const QString& sex,
                        const QString& message, const QString& focus) {
        QTest::newRow(what) << QString::fromUtf16(button) << choose << u"Txt_Name_1="_s + name + u"|Cmb_Sex="_s + sex
                            << message << focus;
    };
    const QString male = u"1 男性"_s, blank = u"名前が入力されていません。"_s;
    const QString taken = u"その名前はすでに登録されています。"_s, noSex = u"性別が選択されていません。"_s;
    const QString none = u"リストが選択されていません。"_s;
    row("追加, blank name", u"Cmd_Insert", false, u"   "_s, male, blank, u"Cmd_OK Cmd_Insert"_s);
    row("追加, listed name", u"Cmd_Insert", false, u"山田"_s, male, taken, u"Cmd_OK Cmd_Insert"_s);
    row("追加, empty sex box", u"Cmd_Insert", false, u"佐藤"_s, u""_s, noSex, u"Cmd_OK Cmb_Sex"_s);
    row("追加, sex without code", u"Cmd_Insert", false, u"佐藤"_s, u"男性"_s, noSex, u"Cmd_OK Cmb_Sex"_s);
    row("修正, nothing chosen", u"Cmd_Update", false, u"山田"_s, male, none, u"Cmd_OK Cmd_Update"_s);
    row("修正 to another's name", u"Cmd_Update", true, u"鈴木"_s, male, taken, u"Cmd_OK Cmd_Update"_s);
    row("修正, empty sex box", u"Cmd_Update", true, u"山田"_s, u""_s, noSex, u"Cmd_OK Cmb_Sex"_s);
    row("削除, nothing chosen", u"Cmd_Delete", false, u"山田"_s, male, none, u"Cmd_OK Cmd_Delete"_s);
    row("追加 answered No", u"Cmd_Insert", true, u"新人"_s, male, u"ＤＢに［ 新人 ］さんを追加してよろしいですか？"_s,
        u"Cmd_Yes Txt_Name_1"_s);
    row("修正 answered No", u"Cmd_Update", true, u"新人"_s, male, u"ＤＢの［ 山田］さんを修正してよろしいですか？"_s,
        u"Cmd_Yes Txt_Name_1"_s);
    row("削除 answered No", u"Cmd_Delete", true, u"新人"_s, male, u"ＤＢから［ 山田 ］さんを削除してよろしいですか？"_s,
        u"Cmd_No Txt_Name_1"_s);
}

// Nothing is written and the choice stays.
void PhoneBookTest::refusals() {
    QFETCH(QString, button);
    QFETCH(bool, choose);
    QFETCH(QString, boxes);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    auto w = shownWindow<DataCreate>();
    if (choose)
        clickEntry(w->LS, u"山田"_s);
    fill(w.get(), boxes);
    // A notice is closed with its only button, a question answered No.
    const QString press = focus.startsWith(u"Cmd_OK"_s) ? u"Cmd_OK"_s : u"Cmd_No"_s;
    const Answered answered = answer(w->findChild<QPushButton*>(button), {press});
    QCOMPARE(answered.texts, QStringList{message});
    QCOMPARE(answered.focus.first() + u' ' + w->focusWidget()->objectName(), focus);
    QCOMPARE(count(), 2);
    QCOMPARE(count(u"Name_1 = '山田' and Email = 'Email/山田'"_s), 1);
    QCOMPARE(w->LS->selectedItems().size(), choose ? 1 : 0);
}

void PhoneBookTest::search_data() {
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("conditions");
    QTest::addColumn<QString>("found");
    const QString always = u" Furigana like '**'And Name_1 like '**'"_s;
    const auto name = [](const QString& text) { return u" Furigana like '**'And Name_1 like '*"_s + text + u"*'"_s; };
    QTest::newRow("all empty: every record with a reading, by reading")
        << QString() << always << u"Ann*Lee,O'Brien,鈴木,不明,無性, 山田 ,山田"_s;
    QTest::newRow("empty sex box: every sex") << u"Cmb_Sex=|Txt_Name_1=e"_s << name(u"e"_s) << u"Ann*Lee,O'Brien"_s;
    QTest::newRow("a quote") << u"Txt_Name_1='"_s << name(u"''"_s) << u"O'Brien"_s;
    QTest::newRow("a typed asterisk is any text") << u"Txt_Name_1=O*n"_s << name(u"O*n"_s) << u"O'Brien"_s;
    QTest::newRow("a question mark is one character")
        << u"Txt_Email=ob?x"_s << always + u" And Email like '*ob?x*'"_s << u"O'Brien"_s;
    QTest::newRow("an asterisk in brackets is itself") << u"Txt_Name_1=[*]"_s << name(u"[*]"_s) << u"Ann*Lee"_s;
    QTest::newRow("sex, then the second line of an address")
        << u"Cmb_Sex=1 男性|Txt_Zyusyo=2行"_s << always + u"And Sex_cd = 1 And Zyusyo like '*2行*'"_s << u"山田"_s;
    QString every = u"Cmb_Sex=2 女性"_s;
    for (const QString& box :
         u"Furigana Name_1 Name_2 Zyusyo Tel_1 Fax PB Handy_1 Handy_2 K_Name Email K_Email HP_Address"_s.split(u' '))
        every += u"|Txt_"_s + box + u'=' + box.left(2);
    QTest::newRow("every box, nothing found")
        << every
        << u" Furigana like '*Fu*'And Name_1 like '*Na*'And Name_2 like '*Na*'And Sex_cd = 2 And Zyusyo like '*Zy*' "
           "And Tel_1 like '*Te*' And Fax_1 like '*Fa*' And PB like '*PB*' And Handy_1 like '*Ha*' And Handy_2 like "
           "'*Ha*' And K_Name like '*K_*' And Email like '*Em*' And K_Email like '*K_*' And HP_Address like '*HP*'"_s
        << QString();
}

// "条件再セット" goes back to the search with its conditions as they were.
void PhoneBookTest::search() {
    QFETCH(QString, boxes);
    QFETCH(QString, conditions);
    QFETCH(QString, found);
    addOthers();
    auto window = shownWindow<Search_1>();
    QCOMPARE(window->Cmb_Sex->currentText(), u"0 全部"_s);
    fill(window.get(), boxes);
    const QString before = shownValues(window.get());
    QString listed;
    ModalScript script;
    script.then(u"DataView"_s, [&listed](QDialog& results) {
        listed = entries(static_cast<DataView&>(results).LS);
        QTest::mouseClick(static_cast<DataView&>(results).SSCommand1, Qt::LeftButton);
    });
    QTest::mouseClick(window->Cmd_Search, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(Mod1::SearchSql, u"SELECT * FROM Mst_Address Where"_s + conditions + u" Order by Furigana"_s);
    QCOMPARE(listed, found);
    QVERIFY(window->isVisible());
    QCOMPARE(shownValues(window.get()), before);
}

void PhoneBookTest::copyToClipboard_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("clipboard");
    const auto row = [](const char* what, const char16_t* panel, const char16_t* press, const QString& question,
                        const QString& copied) {
        QTest::newRow(what) << QString::fromUtf16(panel) << QString::fromUtf16(press) << question << copied;
    };
    const QString ask = u" ］\rクリップボードにコピーしてもよろしいですか？"_s;
    const QString mail = u"Email/山田"_s, work = u"K_Email/山田"_s, page = u"HP_Address/山田"_s;
    row("mail", u"Lab17", u"Cmd_Yes", u"メールアドレス［ "_s + mail + ask, mail);
    row("company mail", u"Lab18", u"Cmd_Yes", u"メールアドレス［ "_s + work + ask, work);
    row("home page", u"Lab19", u"Cmd_Yes", u"ホームページ\r［ "_s + page + ask, page);
    row("answered No", u"Lab17", u"Cmd_No", u"メールアドレス［ "_s + mail + ask, u"before"_s);
}

void PhoneBookTest::copyToClipboard() {
    QFETCH(QString, panel);
    QFETCH(QString, press);
    QFETCH(QString, question);
    QFETCH(QString, clipboard);
    QGuiApplication::clipboard()->setText(u"before"_s);
    Mod1::SearchSql = u"SELECT * FROM Mst_Address Order by Furigana"_s;
    auto view = shownWindow<DataView>();
    QCOMPARE(answer(view->Lab17, {}).texts, QStringList{}); // empty yet: no question
    clickEntry(view->LS, u"山田"_s);
    const Answered answered = answer(view->findChild<platform::Panel3D*>(panel), {press});
    QCOMPARE(answered.texts, QStringList{question});
    QCOMPARE(answered.focus, QStringList{u"Cmd_Yes"_s});
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
}

// From the main window: a sex box without a code refused, a search, back to the conditions, the
// search again, and out of both.
void PhoneBookTest::backToTheSearchAndOutOfBoth() {
    Main main;
    startMain(main);
    const int before = activations(main);
    QStringList found;
    ModalScript script;
    script.then(u"Search_1"_s, [&](QDialog& window) {
        auto& search = static_cast<Search_1&>(window);
        search.Cmb_Sex->setEditText(u"男"_s);
        QTest::mouseClick(search.Cmd_Search, Qt::LeftButton);
        QTest::mouseClick(search.Cmd_Clear, Qt::LeftButton);
        QTest::mouseClick(search.Cmd_Search, Qt::LeftButton);
        QTest::mouseClick(search.Cmd_Search, Qt::LeftButton);
    });
    const auto leaveBy = [&found](const QString& button) {
        return [&found, button](QDialog& results) {
            found.append(entries(static_cast<DataView&>(results).LS));
            QTest::mouseClick(results.findChild<QPushButton*>(button), Qt::LeftButton);
        };
    };
    script.press(u"Cmd_OK"_s).then(u"DataView"_s, leaveBy(u"SSCommand1"_s)).then(u"DataView"_s, leaveBy(u"EXIT"_s));
    runAsHandler(&main, [&] { QTest::mouseClick(main.phoneBook().Cmd_T2, Qt::LeftButton); });
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().first().text, u"性別が正しく入力されていません。"_s);
    QCOMPARE(found, (QStringList{u"鈴木,山田"_s, u"鈴木,山田"_s}));
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.cbegin(), windows.cend(),
                         [](QWidget* w) { return qobject_cast<QDialog*>(w) && w->isVisible(); }));
    QTRY_COMPARE(activations(main), before + 1);
    settle();
    QCOMPARE(activations(main), before + 1);
}

QTEST_MAIN(PhoneBookTest)
#include "test_phonebook.moc"
