#include "addressbook/DataView.h"

#include "addressbook/AddressControls.h"
#include "addressbook/AddressRecord.h"
#include "addressbook/EraDate.h"
#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/ListClick.h"
#include "platform/ModalWindows.h"
#include "platform/NameList.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace {

// A stored birth date in era form: "平成 08年 01月 05日". A text that is no date (a row made
// elsewhere) is shown as it is stored.
QString eraBirth(const QString& stored) {
    const QString era = addressbook::BirthPart(stored, 0);
    const QString year = addressbook::BirthPart(stored, 1);
    const QString month = addressbook::BirthPart(stored, 2);
    const QString day = addressbook::BirthPart(stored, 3);
    if (era.isEmpty())
        return stored;
    return era + u' ' + year + u"年 "_s + month + u"月 "_s + day + u"日"_s;
}

} // namespace

DataView::DataView(QWidget* parent) : QDialog(parent) {
    buildControls();
    core::connectGuarded(new platform::ListClick(LS), &platform::ListClick::clicked, this, &DataView::LS_Click);
    connect(Lab17, &platform::Panel3D::clicked, this, &DataView::Lab17_Click);
    connect(Lab18, &platform::Panel3D::clicked, this, &DataView::Lab18_Click);
    connect(Lab19, &platform::Panel3D::clicked, this, &DataView::Lab19_Click);
    connect(SSCommand1, &QPushButton::clicked, this, &DataView::SSCommand1_Click);
    connect(EXIT, &QPushButton::clicked, this, &DataView::EXIT_Click);
    platform::ModalWindows::keepOpenOnEscape(*this);
    // A search the database refuses leaves an empty list, after a notice with its words.
    core::guarded(this, [this] { Form_Load(); });
}

void DataView::Form_Load() {
    platform::moveTwips(this, 600, 600);
    addressbook::fillNames(LS, Mod1::SearchSql);
}

void DataView::LS_Click() {
    const int chosen = LS->chosenRow();
    if (chosen < 0)
        return;
    const bool found = addressbook::openAddressRecord(LS->name(chosen));
    ClearResultPanels();
    if (found)
        showRecord();
}

void DataView::showRecord() {
    const std::pair<platform::Panel3D*, const char16_t*> columns[] = {
        {Lab01, u"Furigana"}, {Lab02, u"Name_1"}, {Lab03, u"Name_2"},  {Lab04, u"Sex_Name"},   {Lab06, u"Yubin"},
        {Lab07, u"Zyusyo"},   {Lab08, u"Tel_1"},  {Lab09, u"Fax_1"},   {Lab21, u"PB"},         {Lab10, u"Handy_1"},
        {Lab11, u"Handy_2"},  {Lab12, u"K_Name"}, {Lab13, u"K_Yubin"}, {Lab14, u"K_Address"},  {Lab15, u"K_Tel"},
        {Lab16, u"K_fax"},    {Lab17, u"Email"},  {Lab18, u"K_Email"}, {Lab19, u"HP_Address"}, {Lab20, u"Bikou"},
    };
    for (const auto& [panel, column] : columns) {
        const QVariant value = Mod1::Rs->field(QString::fromUtf16(column));
        if (!value.isNull())
            panel->setCaption(value.toString());
    }
    const QString birth = addressbook::fieldText(u"Birth"_s);
    Lab05->setCaption(birth.isEmpty() ? QString() : eraBirth(birth));
}

void DataView::offerCopy(const platform::Panel3D* panel, const QString& question) {
    const QString text = panel->caption();
    if (text.isEmpty())
        return;
    if (Mod1::ShowMessage(question, Mod1::KindQuestion, this, Mod1::FocusYes) == Mod1::AnswerNo)
        return;
    QGuiApplication::clipboard()->setText(text);
}

void DataView::Lab17_Click() {
    offerCopy(Lab17,
              u"メールアドレス［ "_s + Lab17->caption() + u" ］\rクリップボードにコピーしてもよろしいですか？"_s);
}

void DataView::Lab18_Click() {
    offerCopy(Lab18,
              u"メールアドレス［ "_s + Lab18->caption() + u" ］\rクリップボードにコピーしてもよろしいですか？"_s);
}

void DataView::Lab19_Click() {
    offerCopy(Lab19,
              u"ホームページ\r［ "_s + Lab19->caption() + u" ］\rクリップボードにコピーしてもよろしいですか？"_s);
}

void DataView::SSCommand1_Click() {
    done(QDialog::Rejected);
}

void DataView::EXIT_Click() {
    done(ClosesSearch);
}

void DataView::ClearResultPanels() {
    Mod1::TargetForm = this;
    for (platform::Panel3D* panel : {Lab01, Lab02, Lab03, Lab04, Lab05, Lab06, Lab07, Lab08, Lab09, Lab10, Lab11,
                                     Lab12, Lab13, Lab14, Lab15, Lab16, Lab17, Lab18, Lab19, Lab20, Lab21})
        panel->setCaption(QString());
}
