#include "addressbook/Search_1.h"

#include "addressbook/AddressControls.h"
#include "addressbook/AddressRecord.h"
#include "addressbook/DataView.h"
#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/ModalWindows.h"
#include "platform/MultiLineBox.h"
#include "platform/SqlText.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using platform::sqlText;

namespace {

const QString allSexes = u"0 全部"_s;

} // namespace

Search_1::Search_1(QWidget* parent) : QDialog(parent) {
    buildControls();
    connect(Cmd_Clear, &QPushButton::clicked, this, &Search_1::Cmd_Clear_Click);
    connect(Cmd_Insert, &QPushButton::clicked, this, &Search_1::Cmd_Insert_Click);
    connect(Cmd_Search, &QPushButton::clicked, this, &Search_1::Cmd_Search_Click);
    platform::ModalWindows::keepOpenOnEscape(*this);
    core::guarded(this, [this] { Form_Load(); });
}

void Search_1::Form_Load() {
    platform::moveTwips(this, 400, 400);
    Cmb_Sex->addItem(allSexes);
    addressbook::addSexes(Cmb_Sex);
    Cmb_Sex->setCurrentIndex(0);
}

QString Search_1::searchStatement() const {
    // Typed wildcards keep their meaning; a typed quote is searched for as a quote.
    const auto contains = [](const char16_t* piece, const QString& text) {
        return QString::fromUtf16(piece) + sqlText(text) + u"*'"_s;
    };
    QString statement = u"SELECT * FROM Mst_Address"_s + u" Where"_s +
                        contains(u" Furigana like '*", Txt_Furigana->text()) +
                        contains(u"And Name_1 like '*", Txt_Name_1->text());
    if (!Txt_Name_2->text().isEmpty())
        statement += contains(u"And Name_2 like '*", Txt_Name_2->text());
    const QString sex = Cmb_Sex->currentText();
    if (!sex.isEmpty() && !sex.startsWith(u'0'))
        statement += u"And Sex_cd = "_s + sex.left(1);
    const std::pair<const char16_t*, QString> optional[] = {
        {u" And Zyusyo like '*", Txt_Zyusyo->text()},   {u" And Tel_1 like '*", Txt_Tel_1->text()},
        {u" And Fax_1 like '*", Txt_Fax->text()},       {u" And PB like '*", Txt_PB->text()},
        {u" And Handy_1 like '*", Txt_Handy_1->text()}, {u" And Handy_2 like '*", Txt_Handy_2->text()},
        {u" And K_Name like '*", Txt_K_Name->text()},   {u" And Email like '*", Txt_Email->text()},
        {u" And K_Email like '*", Txt_K_Email->text()}, {u" And HP_Address like '*", Txt_HP_Address->text()},
    };
    for (const auto& [piece, text] : optional) {
        if (!text.isEmpty())
            statement += contains(piece, text);
    }
    return statement + u" Order by Furigana"_s;
}

void Search_1::Cmd_Clear_Click() {
    ClearSearchConditions();
    Txt_Name_1->setFocus();
}

void Search_1::Cmd_Insert_Click() {
    close();
}

// An empty sex box searches every sex; one that does not start with a code is refused.
void Search_1::Cmd_Search_Click() {
    const QString sex = Cmb_Sex->currentText();
    if (!sex.isEmpty() && !addressbook::startsWithDigit(sex)) {
        Mod1::ShowMessage(u"性別が正しく入力されていません。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
        Cmb_Sex->setFocus();
        return;
    }
    Mod1::SearchSql = searchStatement();
    DataView results;
    if (platform::ModalWindows::exec(results) == DataView::ClosesSearch)
        close();
}

void Search_1::ClearSearchConditions() {
    Mod1::TargetForm = this;
    addressbook::clearTextBoxes(SSFrame1);
    Cmb_Sex->setEditText(allSexes);
}
