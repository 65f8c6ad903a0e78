// "追加", "修正" and "削除" of the entry window: each checks, asks, writes one statement,
// reports, and loads the window again.
#include "addressbook/AddressControls.h"
#include "addressbook/AddressRecord.h"
#include "addressbook/DataCreate.h"
#include "addressbook/EraDate.h"
#include "core/ChangedRow.h"
#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "core/Text.h"
#include "platform/MultiLineBox.h"
#include "platform/NameList.h"
#include "platform/SqlText.h"
#include "platform/WindowLayout.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using platform::sqlText;

bool DataCreate::nameIsUsable(int ownRow) {
    const QString name = Txt_Name_1->text();
    if (core::trimBlanks(name).isEmpty()) {
        Mod1::ShowMessage(u"名前が入力されていません。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
        return false;
    }
    for (int i = 0; i < LS->count(); ++i) {
        if (i != ownRow && LS->name(i) == name) {
            Mod1::ShowMessage(u"その名前はすでに登録されています。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
            return false;
        }
    }
    return true;
}

bool DataCreate::sexIsUsable() {
    if (addressbook::startsWithDigit(Cmb_Sex->currentText()))
        return true;
    Mod1::ShowMessage(u"性別が選択されていません。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
    Cmb_Sex->setFocus();
    return false;
}

// Date boxes that do not make a date are refused: writing would lose a stored birth date.
bool DataCreate::birthIsUsable() {
    using addressbook::DateBox;
    const DateBox wrong =
        addressbook::wrongDateBox(Cmb_Nengou->currentText(), Txt_Y->text(), Txt_M->text(), Txt_D->text());
    if (wrong == DateBox::None)
        return true;
    Mod1::ShowMessage(u"誕生日が正しくありません。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
    QWidget* box = wrong == DateBox::Era     ? static_cast<QWidget*>(Cmb_Nengou)
                   : wrong == DateBox::Year  ? Txt_Y
                   : wrong == DateBox::Month ? Txt_M
                                             : Txt_D;
    box->setFocus();
    return false;
}

QString DataCreate::sexCode() const {
    return Cmb_Sex->currentText().left(1);
}

QString DataCreate::insertStatement() const {
    const auto value = [](const QString& text) { return u" , '"_s + sqlText(text) + u"'"_s; };
    const QString birth =
        addressbook::composeBirthDate(Cmb_Nengou->currentText(), Txt_Y->text(), Txt_M->text(), Txt_D->text());
    return u"INSERT INTO Mst_Address(Name_1,Furigana,Name_2,Sex_cd,Birth"_s +
           u",Yubin,Zyusyo,Tel_1,Fax_1,PB,Handy_1,Handy_2,K_Name,K_Yubin,K_Address"_s +
           u",K_Tel,K_fax,Email,K_Email,HP_Address,Bikou)"_s + u" Values("_s + u"'"_s + sqlText(Txt_Name_1->text()) +
           u"'"_s + value(Txt_Furigana->text()) + value(Txt_Name_2->text()) + u" , "_s + sexCode() + value(birth) +
           value(Txt_Yubin->text()) + value(Txt_Zyusyo->text()) + value(Txt_Tel_1->text()) + value(Txt_Fax->text()) +
           value(Txt_PB->text()) + value(Txt_Handy_1->text()) + value(Txt_Handy_2->text()) + value(Txt_K_Name->text()) +
           value(Txt_K_Yubin->text()) + value(Txt_K_Address->text()) + value(Txt_K_Tel->text()) +
           value(Txt_K_Fax->text()) + value(Txt_Email->text()) + value(Txt_K_Email->text()) +
           value(Txt_HP_Address->text()) + u" , '"_s + sqlText(Txt_Bikou->text()) + u"');"_s;
}

QString DataCreate::updateStatement(const QString& entry) const {
    const auto set = [](const char16_t* column, const QString& text) {
        return u" , "_s + QString::fromUtf16(column) + u" = '"_s + sqlText(text) + u"'"_s;
    };
    const QString birth =
        addressbook::composeBirthDate(Cmb_Nengou->currentText(), Txt_Y->text(), Txt_M->text(), Txt_D->text());
    return u"UPDATE Mst_Address"_s + u" SET Name_1 = '"_s + sqlText(Txt_Name_1->text()) + u"'"_s +
           set(u"Furigana", Txt_Furigana->text()) + set(u"Name_2", Txt_Name_2->text()) + u" , Sex_cd =  "_s +
           sexCode() + (birth.isEmpty() ? u" ,Birth = ''"_s : set(u"Birth", birth)) + set(u"Yubin", Txt_Yubin->text()) +
           set(u"Zyusyo", Txt_Zyusyo->text()) + set(u"Tel_1", Txt_Tel_1->text()) + set(u"Fax_1", Txt_Fax->text()) +
           set(u"PB", Txt_PB->text()) + set(u"Handy_1", Txt_Handy_1->text()) + set(u"Handy_2", Txt_Handy_2->text()) +
           set(u"K_Name", Txt_K_Name->text()) + set(u"K_Yubin", Txt_K_Yubin->text()) +
           set(u"K_Address", Txt_K_Address->text()) + set(u"K_Tel", Txt_K_Tel->text()) +
           set(u"K_Fax", Txt_K_Fax->text()) + set(u"Email", Txt_Email->text()) + set(u"K_Email", Txt_K_Email->text()) +
           set(u"HP_Address", Txt_HP_Address->text()) + set(u"Bikou", Txt_Bikou->text()) + u" Where Name_1 = '"_s +
           sqlText(entry) + u"';"_s;
}

int DataCreate::entryToWrite() {
    const int entry = LS->chosenRow();
    if (entry < 0)
        Mod1::ShowMessage(u"リストが選択されていません。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
    return entry;
}

bool DataCreate::confirmed(const QString& question, qint16 focus) {
    Mod1::Ret = QString::number(Mod1::ShowMessage(question, Mod1::KindQuestion, this, focus));
    // A question answered here counts as refused only when the answer is No.
    if (Mod1::Ret.toInt() != Mod1::AnswerNo)
        return true;
    Txt_Name_1->setFocus();
    return false;
}

// The record of the entry may have gone since the list was filled: another program can have
// deleted it. Then nothing was written, the user is told so, and the list is read again.
bool DataCreate::wroteRecordOf(const QString& entry, qint64 rowsWritten) {
    if (rowsWritten > 0)
        return true;
    Mod1::ShowMessage(u"ＤＢに［ "_s + entry + u" ］さんが見つかりません。\rリストを読み込み直します。"_s,
                      Mod1::KindNotice, this, Mod1::FocusOk);
    Form_Load();
    Txt_Name_1->setFocus();
    return false;
}

void DataCreate::Cmd_Insert_Click() {
    if (!nameIsUsable(-1) || !sexIsUsable() || !birthIsUsable())
        return;
    if (!confirmed(u"ＤＢに［ "_s + Txt_Name_1->text() + u" ］さんを追加してよろしいですか？"_s, Mod1::FocusYes))
        return;
    Mod1::Sql = insertStatement();
    Mod1::Db->execute(Mod1::Sql);
    Mod1::ShowMessage(u"ＤＢに追加しました。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
    Form_Load();
    ClearAddressEntry();
    Txt_Name_1->setFocus();
}

// Renames too: the new name comes from the name box, the old one from the list. The name is
// checked as for an insert, so no two records ever share a name.
void DataCreate::Cmd_Update_Click() {
    const int chosen = entryToWrite();
    if (chosen < 0 || !nameIsUsable(chosen) || !sexIsUsable() || !birthIsUsable())
        return;
    const QString entry = LS->name(chosen);
    if (!confirmed(u"ＤＢの［ "_s + entry + u"］さんを修正してよろしいですか？"_s, Mod1::FocusYes))
        return;
    const QString statement = updateStatement(entry);
    auto loaded = m_loaded.entry == entry ? m_loaded.values : addressbook::storedRecord(entry);
    qint64 written = 0;
    const auto saving = core::writeUnlessChanged(
        this, entry + u" さんのデータ"_s, loaded,
        [&] {
            // A record that is gone is told below, as for a delete.
            const auto stored = addressbook::storedRecord(entry);
            return stored ? stored : loaded;
        },
        [&] {
            Mod1::Sql = statement;
            written = Mod1::Db->execute(Mod1::Sql);
        });
    if (saving == core::Saving::Reload)
        showEntry(entry);
    if (saving != core::Saving::Written || !wroteRecordOf(entry, written))
        return;
    Mod1::ShowMessage(u"ＤＢを修正しました。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
    Form_Load();
    Txt_Name_1->setFocus();
}

void DataCreate::Cmd_Delete_Click() {
    const int chosen = entryToWrite();
    if (chosen < 0)
        return;
    const QString entry = LS->name(chosen);
    if (!confirmed(u"ＤＢから［ "_s + entry + u" ］さんを削除してよろしいですか？"_s, Mod1::FocusNo))
        return;
    Mod1::Sql = u"delete from mst_address where name_1 = '"_s + sqlText(entry) + u"';"_s;
    if (!wroteRecordOf(entry, Mod1::Db->execute(Mod1::Sql)))
        return;
    Mod1::ShowMessage(u"ＤＢから削除しました。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
    ClearAddressEntry();
    Form_Load();
    Txt_Name_1->setFocus();
}
