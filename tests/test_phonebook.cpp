// The phone book's windows: a chosen record shown, the writes with their checks, questions and
// statements, the search and what it finds, copying to the clipboard, and the ways back.
#include "Drive.h"
#include "addressbook/DataCreate.h"
#include "addressbook/DataView.h"
#include "addressbook/PhoneBookFrame.h"
#include "addressbook/Search_1.h"
#include "platform/NameList.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>

namespace {

const QString male = u"1 男性"_s, taken = u"その名前はすでに登録されています。"_s,
              badBirth = u"誕生日が正しくありません。"_s;
const QString noSex = u"性別が選択されていません。"_s, none = u"リストが選択されていません。"_s;
const QString update = u"UPDATE Mst_Address SET Name_1 = '%1' , Furigana = 'ｽｽﾞｷ' , Name_2 = '' , Sex_cd =  2 %2 , "
                       "Yubin = '' , Zyusyo = '' , Tel_1 = '' , Fax_1 = '' , PB = '' , Handy_1 = '' , Handy_2 = '' , "
                       "K_Name = '' , K_Yubin = '' , K_Address = '' , K_Tel = '' , K_Fax = '' , Email = '' , "
                       "K_Email = '' , HP_Address = '' , Bikou = '' Where Name_1 = '鈴木';"_s;
const QString remove = u"delete from mst_address where name_1 = '%1';"_s;
const QString gone = u"ＤＢに［ 鈴木 ］さんが見つかりません。\rリストを読み込み直します。"_s;
const QString ask = u" ］\rクリップボードにコピーしてもよろしいですか？"_s;

// The entry window (DataCreate), or the results of a search for every record (DataView): the
// record chosen before has every column filled and was born in 平成.
const struct ChosenCase {
    const char* tag;
    bool results;
    QString entry, shown;
} chosenCases[] = {{"blanks at the ends, its twin chosen before, empty birth", false, u" 山田 "_s,
                    u"Cmb_Sex=2 女性|Txt_Furigana=ﾔ|Txt_Name_1= 山田 "_s},
                   {"sex code without a row, 昭和", false, u"無性"_s,
                    u"Cmb_Nengou=昭和|Cmb_Sex=7|Txt_D=25|Txt_Furigana=ﾑ|Txt_M=12|Txt_Name_1=無性|Txt_Y=01"_s},
                   {"results, no sex row, 昭和", true, u"無性"_s, u"Lab01=ﾑ|Lab02=無性|Lab05=昭和 01年 12月 25日"_s},
                   {"results, 令和", true, u"O'Brien"_s,
                    u"Lab01=ｵ|Lab02=O'Brien|Lab04=男性|Lab05=令和 01年 05月 01日|Lab17=ob@x.ie"_s}};

// After a write the list is read again with nothing selected, and the focus is in the name box.
// A change or delete of a record that has gone (deleted by another program once chosen) writes
// nothing and keeps the boxes.
const struct WriteCase {
    const char* tag;
    QString chosen;
    bool gone;
    QString boxes, button, statement, notice, list, nameBox;
} writeCases[] = {
    {"追加, quotes doubled", QString(), false,
     u"Txt_Name_1=O'Brien|Txt_Furigana=ｵ|Cmb_Sex=2 女性|Cmb_Nengou=平成|Txt_Y=8|Txt_M=1|Txt_D=5|"
     "Txt_Zyusyo=札幌\r\n北区|Txt_Bikou=it's"_s,
     u"Cmd_Insert"_s,
     u"INSERT INTO Mst_Address(Name_1,Furigana,Name_2,Sex_cd,Birth,Yubin,Zyusyo,Tel_1,Fax_1,PB,Handy_1,Handy_2,"
     "K_Name,K_Yubin,K_Address,K_Tel,K_fax,Email,K_Email,HP_Address,Bikou) Values('O''Brien' , 'ｵ' , '' , 2 , "
     "'1996/1/5' , '' , '札幌\r\n北区' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , '' , 'it''s');"_s,
     u"ＤＢに追加しました。"_s, u"O'Brien,鈴木,山田"_s, QString()},
    {"修正, renaming", u"鈴木"_s, false, u"Txt_Name_1=鈴木花子"_s, u"Cmd_Update"_s,
     update.arg(u"鈴木花子"_s, u",Birth = ''"_s), u"ＤＢを修正しました。"_s, u"鈴木花子,山田"_s, u"鈴木花子"_s},
    {"修正 with a birth date", u"鈴木"_s, false, u"Cmb_Nengou=昭和|Txt_Y=40|Txt_M=2|Txt_D=3"_s, u"Cmd_Update"_s,
     update.arg(u"鈴木"_s, u", Birth = '1965/2/3'"_s), u"ＤＢを修正しました。"_s, u"鈴木,山田"_s, u"鈴木"_s},
    {"削除, the boxes play no part", u"山田"_s, false, u"Txt_Name_1=鈴木"_s, u"Cmd_Delete"_s, remove.arg(u"山田"_s),
     u"ＤＢから削除しました。"_s, u"鈴木"_s, QString()},
    {"修正 of a record gone", u"鈴木"_s, true, u"Txt_Name_1=鈴木花子"_s, u"Cmd_Update"_s,
     update.arg(u"鈴木花子"_s, u",Birth = ''"_s), gone, u"山田"_s, u"鈴木花子"_s}};

// 鈴木 chosen, its phone number changed by another copy, another typed here, then 修正: the answer
// to the question that follows, the number stored and the one in the box.
const struct ChangedCase {
    const char* tag;
    QString answers, stored, box;
} changedCases[] = {{"overwrite", u"Cmd_Yes Cmd_Yes2 Cmd_OK"_s, u"111"_s, u"111"_s},
                    {"read again", u"Cmd_Yes Cmd_No2"_s, u"999"_s, u"999"_s},
                    {"back to editing", u"Cmd_Yes Cmd_Cancel2"_s, u"999"_s, u"111"_s}};

// Nothing is written and the choice stays. A notice is closed with its only button, a question
// answered No; `focus` is the focus in the message window, then in the entry window.
const struct RefusalCase {
    const char* tag;
    QString button;
    bool choose;
    QString name, sex, message, focus;
} refusalCases[] = {{"追加, blank name", u"Cmd_Insert"_s, false, u"   "_s, male, u"名前が入力されていません。"_s,
                     u"Cmd_OK Cmd_Insert"_s},
                    {"追加, listed name", u"Cmd_Insert"_s, false, u"山田"_s, male, taken, u"Cmd_OK Cmd_Insert"_s},
                    {"追加, empty sex box", u"Cmd_Insert"_s, false, u"佐藤"_s, u""_s, noSex, u"Cmd_OK Cmb_Sex"_s},
                    {"修正 to another's name", u"Cmd_Update"_s, true, u"鈴木"_s, male, taken, u"Cmd_OK Cmd_Update"_s},
                    {"追加 answered No", u"Cmd_Insert"_s, true, u"新人"_s, male,
                     u"ＤＢに［ 新人 ］さんを追加してよろしいですか？"_s, u"Cmd_Yes Txt_Name_1"_s},
                    {"修正 answered No", u"Cmd_Update"_s, true, u"新人"_s, male,
                     u"ＤＢの［ 山田］さんを修正してよろしいですか？"_s, u"Cmd_Yes Txt_Name_1"_s},
                    {"削除 answered No", u"Cmd_Delete"_s, true, u"新人"_s, male,
                     u"ＤＢから［ 山田 ］さんを削除してよろしいですか？"_s, u"Cmd_No Txt_Name_1"_s},
                    // Date boxes that make no date would lose a stored birth date.
                    {"追加, month 13", u"Cmd_Insert"_s, false, u"新人"_s, male + u"|Txt_Y=8|Txt_M=13|Txt_D=5"_s,
                     badBirth, u"Cmd_OK Txt_M"_s},
                    {"修正, February 30", u"Cmd_Update"_s, true, u"山田"_s,
                     male + u"|Cmb_Nengou=明治|Txt_Y=45|Txt_M=2|Txt_D=30"_s, badBirth, u"Cmd_OK Txt_D"_s},
                    {"修正, no year", u"Cmd_Update"_s, true, u"山田"_s, male + u"|Txt_Y=|Txt_M=7|Txt_D=29"_s, badBirth,
                     u"Cmd_OK Txt_Y"_s}};

// Typed wildcards keep their meaning, a typed quote is searched for as a quote.
const QString always = u" Furigana like '**'And Name_1 like '**'"_s;
const struct SearchCase {
    const char* tag;
    QString boxes, conditions, found;
} searchCases[] = {
    {"all empty: every record with a reading, by reading", QString(), always,
     u"Ann*Lee,O'Brien,鈴木,不明,無性, 山田 ,山田"_s},
    {"empty sex box: every sex", u"Cmb_Sex=|Txt_Name_1=e"_s, u" Furigana like '**'And Name_1 like '*e*'"_s,
     u"Ann*Lee,O'Brien"_s},
    {"a quote", u"Txt_Name_1='"_s, u" Furigana like '**'And Name_1 like '*''*'"_s, u"O'Brien"_s},
    {"sex, then the second line of an address", u"Cmb_Sex=1 男性|Txt_Zyusyo=2行"_s,
     always + u"And Sex_cd = 1 And Zyusyo like '*2行*'"_s, u"山田"_s},
    {"every box, nothing found",
     u"Cmb_Sex=2 女性|Txt_Furigana=F|Txt_Name_1=N|Txt_Name_2=N|Txt_Zyusyo=Z|Txt_Tel_1=T|Txt_Fax=F|Txt_PB=P|"
     "Txt_Handy_1=H|Txt_Handy_2=H|Txt_K_Name=K|Txt_Email=E|Txt_K_Email=K|Txt_HP_Address=H"_s,
     u" Furigana like '*F*'And Name_1 like '*N*'And Name_2 like '*N*'And Sex_cd = 2 And Zyusyo like '*Z*' And "
     "Tel_1 like '*T*' And Fax_1 like '*F*' And PB like '*P*' And Handy_1 like '*H*' And Handy_2 like '*H*' And "
     "K_Name like '*K*' And Email like '*E*' And K_Email like '*K*' And HP_Address like '*H*'"_s,
     QString()}};

} // namespace

class PhoneBookTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    // 山田 has every column filled: the column's name, "/" and 山田, the address with a second line.
    void init() {
        m_folder = std::make_unique<ProgramFolder>();
        QString columns, values;
        for (const QString& c : u"Name_2 Yubin Zyusyo Tel_1 Fax_1 PB Handy_1 Handy_2 K_Name K_Yubin K_Address K_Tel "
                                "K_fax Email K_Email HP_Address Bikou"_s.split(u' ')) {
            columns += u',' + c;
            values += u",'"_s + c + u"/山田"_s + (c == u"Zyusyo"_s ? u"\r\n2行目'"_s : u"'"_s);
        }
        addPeople(u"Name_1,Furigana,Sex_cd,Birth"_s + columns, u"('山田','ﾔﾏﾀﾞ',1,'1996/1/5'"_s + values + u")"_s);
        addPeople(u"Name_1,Furigana,Sex_cd"_s, u"('鈴木','ｽｽﾞｷ',2)"_s);
        Mod1::OpenDb();
    }
    void cleanup() { m_folder.reset(); }
    void chosenRecordOnly_data() { addCases(chosenCases); }
    void chosenRecordOnly() {
        const ChosenCase& c = currentCase(chosenCases);
        addOthers();
        Mod1::SearchSql = u"SELECT * FROM Mst_Address Order by Furigana"_s;
        std::unique_ptr<QDialog> w =
            c.results ? std::unique_ptr<QDialog>(shownWindow<DataView>()) : shownWindow<DataCreate>();
        auto* list = w->findChild<QAbstractItemView*>(u"LS"_s);
        clickEntry(list, u"山田"_s);
        clickEntry(list, c.entry); // and no notice
        QCOMPARE(shownValues(w.get()), c.shown);
    }
    void writes_data() { addCases(writeCases); }
    void writes() {
        const WriteCase& c = currentCase(writeCases);
        auto w = shownWindow<DataCreate>();
        if (!c.chosen.isEmpty())
            clickEntry(w->LS, c.chosen);
        if (c.gone)
            m_folder->execute(u"delete from Mst_Address where Name_1 = '"_s + c.chosen + u"'"_s);
        fill(w.get(), c.boxes);
        const auto seen = clickAnswering(w->findChild<QPushButton*>(c.button), {u"Cmd_Yes"_s, u"Cmd_OK"_s});
        QCOMPARE(seen.value(1).text, c.notice);
        QCOMPARE(seen.value(1).statement, c.statement);
        QCOMPARE(entries(w->LS).join(u','), c.list);
        QCOMPARE(count(), c.list.count(u',') + 1);
        QVERIFY(!w->LS->selectionModel()->hasSelection() && w->Cmb_Sex->currentText().isEmpty());
        QCOMPARE(w->Txt_Name_1->text(), c.nameBox);
        QCOMPARE(w->focusWidget(), w->Txt_Name_1);
    }
    void changedByAnotherCopy_data() { addCases(changedCases); }
    void changedByAnotherCopy() {
        const ChangedCase& c = currentCase(changedCases);
        auto w = shownWindow<DataCreate>();
        clickEntry(w->LS, u"鈴木"_s);
        m_folder->execute(u"UPDATE Mst_Address SET Tel_1 = '999' Where Name_1 = '鈴木'"_s);
        fill(w.get(), u"Txt_Tel_1=111"_s);
        const auto seen = clickAnswering(w->Cmd_Update, c.answers.split(u' '));
        QCOMPARE(
            seen.value(1).text,
            u"鈴木 さんのデータが別の Tamoru で変更されました。\r上書きしますか？（いいえ：読み直す　ｷｬﾝｾﾙ：戻る）"_s);
        QCOMPARE(m_folder->scalar(u"select Tel_1 as [TOTAL] from Mst_Address where Name_1 = '鈴木'"_s).toString(),
                 c.stored);
        QCOMPARE(w->Txt_Tel_1->text(), c.box);
    }
    void refusals_data() { addCases(refusalCases); }
    void refusals() {
        const RefusalCase& c = currentCase(refusalCases);
        auto w = shownWindow<DataCreate>();
        if (c.choose)
            clickEntry(w->LS, u"山田"_s);
        fill(w.get(), u"Txt_Name_1="_s + c.name + u"|Cmb_Sex="_s + c.sex);
        const auto seen = clickAnswering(w->findChild<QPushButton*>(c.button),
                                         {c.focus.startsWith(u"Cmd_OK"_s) ? u"Cmd_OK"_s : u"Cmd_No"_s});
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, c.message);
        QCOMPARE(seen[0].focus + u' ' + w->focusWidget()->objectName(), c.focus);
        QCOMPARE(count(), 2);
        QCOMPARE(count(u"Name_1 = '山田' and Email = 'Email/山田'"_s), 1);
        QCOMPARE(w->LS->chosenRow() >= 0, c.choose);
        QTest::keyClick(w->Txt_Name_1, Qt::Key_Escape); // throws no typed edits away
        QVERIFY(w->isVisible());
        w->Txt_K_Name->setText(QString(40000, u'長')); // pasted text is not cut at 32,767 unseen
        QCOMPARE(w->Txt_K_Name->text().size(), 40000);
    }
    // "条件再セット" goes back to the search with its conditions as they were.
    void search_data() { addCases(searchCases); }
    void search() {
        const SearchCase& c = currentCase(searchCases);
        addOthers();
        auto window = shownWindow<Search_1>();
        QCOMPARE(window->Cmb_Sex->currentText(), u"0 全部"_s);
        fill(window.get(), c.boxes);
        const QString before = shownValues(window.get());
        QString listed;
        ModalScript script;
        script.then(u"DataView"_s, [&listed](QDialog& results) {
            listed = entries(static_cast<DataView&>(results).LS).join(u',');
            click(static_cast<DataView&>(results).SSCommand1);
        });
        click(window->Cmd_Search);
        QVERIFY_SCRIPT(script);
        QCOMPARE(Mod1::SearchSql, u"SELECT * FROM Mst_Address Where"_s + c.conditions + u" Order by Furigana"_s);
        QCOMPARE(listed, c.found);
        QTest::keyClick(window->Txt_Name_1, Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QCOMPARE(shownValues(window.get()), before);
    }
    // A mail or home page address is copied on consent; an empty panel asks nothing.
    void copyToClipboard() {
        QGuiApplication::clipboard()->setText(u"before"_s);
        Mod1::SearchSql = u"SELECT * FROM Mst_Address Order by Furigana"_s;
        auto view = shownWindow<DataView>();
        QCOMPARE(clickAnswering(view->Lab17, {}).size(), 0);
        clickEntry(view->LS, u"山田"_s);
        QCOMPARE(clickAnswering(view->Lab17, {u"Cmd_No"_s}).value(0).text, u"メールアドレス［ Email/山田"_s + ask);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"before"_s);
        const auto seen = clickAnswering(view->Lab19, {u"Cmd_Yes"_s});
        QCOMPARE(seen.value(0).text, u"ホームページ\r［ HP_Address/山田"_s + ask);
        QCOMPARE(seen.value(0).focus, u"Cmd_Yes"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"HP_Address/山田"_s);
    }
    // From the main window: a sex box without a code refused, a search, back to the conditions,
    // the search again, and out of both; then the main window is activated once.
    void backToTheSearchAndOutOfBoth() {
        Main main;
        startMain(main);
        const int before = activations(main);
        QStringList found;
        ModalScript script;
        script.then(u"Search_1"_s, [&](QDialog& window) {
            auto& search = static_cast<Search_1&>(window);
            search.Cmb_Sex->setEditText(u"男"_s);
            click(search.Cmd_Search);
            click(search.Cmd_Clear);
            click(search.Cmd_Search);
            click(search.Cmd_Search);
        });
        const auto leaveBy = [&found](const QString& button) {
            return [&found, button](QDialog& results) {
                found.append(entries(static_cast<DataView&>(results).LS).join(u','));
                click(results.findChild<QPushButton*>(button));
            };
        };
        script.press(u"Cmd_OK"_s).then(u"DataView"_s, leaveBy(u"SSCommand1"_s)).then(u"DataView"_s, leaveBy(u"EXIT"_s));
        runAsHandler(&main, [&] { click(main.phoneBook().Cmd_T2); });
        QVERIFY_SCRIPT(script);
        QCOMPARE(script.messages().first().text, u"性別が正しく入力されていません。"_s);
        QCOMPARE(found, (QStringList{u"鈴木,山田"_s, u"鈴木,山田"_s}));
        QCOMPARE(QApplication::activeModalWidget(), nullptr); // both windows closed
        QTRY_COMPARE(activations(main), before + 1);
        settle();
        QCOMPARE(activations(main), before + 1);
    }

private:
    void addPeople(const QString& columns, const QString& rows) {
        m_folder->execute(u"INSERT INTO Mst_Address(%1) VALUES %2"_s.arg(columns, rows));
    }
    // The records of the search and of the choosing, besides 山田 and 鈴木.
    void addOthers() {
        addPeople(u"Name_1,Furigana,Sex_cd,Birth,Email"_s,
                  u"(' 山田 ','ﾔ',2,'',NULL), ('O''Brien','ｵ',1,'2019/5/1','ob@x.ie'), ('Ann*Lee','ｱ',2,NULL,NULL), "
                  "('無性','ﾑ',7,'1926/12/25',NULL), ('不明','ﾌ',NULL,NULL,NULL), ('読みなし',NULL,2,NULL,NULL)"_s);
    }
    int count(const QString& where = u"1 = 1"_s) {
        return m_folder->scalar(u"select count(*) as [TOTAL] from Mst_Address where "_s + where).toInt();
    }
    std::unique_ptr<ProgramFolder> m_folder;
};

QTEST_MAIN(PhoneBookTest)
#include "test_phonebook.moc"
