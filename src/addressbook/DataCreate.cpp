#include "addressbook/DataCreate.h"

#include "addressbook/AddressControls.h"
#include "addressbook/AddressRecord.h"
#include "addressbook/EraDate.h"
#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/ListClick.h"
#include "platform/ModalWindows.h"
#include "platform/MultiLineBox.h"
#include "platform/NameList.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;
using addressbook::fieldText;

DataCreate::DataCreate(QWidget* parent) : QDialog(parent) {
    buildControls();
    connectHandlers();
    platform::ModalWindows::keepOpenOnEscape(*this);
    core::guarded(this, [this] { Form_Load(); });
}

void DataCreate::connectHandlers() {
    core::connectGuarded(new platform::ListClick(LS), &platform::ListClick::clicked, this, &DataCreate::LS_Click);
    connect(Cmd_Clear, &QPushButton::clicked, this, &DataCreate::Cmd_Clear_Click);
    core::connectGuarded(Cmd_Insert, &QPushButton::clicked, this, &DataCreate::Cmd_Insert_Click);
    core::connectGuarded(Cmd_Update, &QPushButton::clicked, this, &DataCreate::Cmd_Update_Click);
    core::connectGuarded(Cmd_Delete, &QPushButton::clicked, this, &DataCreate::Cmd_Delete_Click);
    connect(Cmd_EXIT, &QPushButton::clicked, this, &DataCreate::Cmd_EXIT_Click);
}

void DataCreate::Form_Load() {
    Mod1::TargetForm = this;
    platform::moveTwips(Mod1::TargetForm, 400, 400);

    Mod1::Sql = u"select * from Mst_Address order by Furigana"_s;
    addressbook::fillNames(LS, Mod1::Sql);

    Cmb_Sex->clear();
    addressbook::addSexes(Cmb_Sex);
    Cmb_Sex->setCurrentIndex(-1);
    Cmb_Sex->setEditText(QString());
    Mod1::Rs->close();
}

void DataCreate::LS_Click() {
    if (const int chosen = LS->chosenRow(); chosen >= 0)
        showEntry(LS->name(chosen));
}

void DataCreate::showEntry(const QString& entry) {
    const bool found = addressbook::openAddressRecord(entry);
    ClearAddressEntry();
    if (found)
        showRecord();
    m_loaded = {entry, addressbook::storedRecord(entry)};
    Txt_Name_1->setFocus();
}

// Fills the boxes from the current row of Rs; a Null column leaves its box as it is.
void DataCreate::showRecord() {
    const auto put = [](QLineEdit* box, const QString& column) {
        const QVariant value = Mod1::Rs->field(column);
        if (!value.isNull()) {
            box->setText(value.toString());
            box->setCursorPosition(0); // a text wider than its box shows its beginning
        }
    };
    const auto putLines = [](platform::MultiLineBox* box, const QString& column) {
        const QVariant value = Mod1::Rs->field(column);
        if (!value.isNull())
            box->setText(value.toString());
    };
    put(Txt_Name_1, u"Name_1"_s);
    put(Txt_Furigana, u"Furigana"_s);
    put(Txt_Name_2, u"Name_2"_s);
    // A record whose sex has no name (its code has no Mst_Sex row) shows its code alone, so
    // that writing it back keeps the code and never takes the sex of the record shown before.
    const QString code = fieldText(u"Mst_Address.Sex_cd"_s);
    const QVariant sexName = Mod1::Rs->field(u"Sex_Name"_s);
    Cmb_Sex->setEditText(sexName.isNull() ? code : code + u' ' + sexName.toString());
    const QVariant birth = Mod1::Rs->field(u"Birth"_s);
    if (!birth.isNull()) {
        const QString stored = birth.toString();
        Cmb_Nengou->setEditText(addressbook::BirthPart(stored, 0));
        for (qint16 part = 1; part <= 3; ++part) {
            QLineEdit* box = part == 1 ? Txt_Y : part == 2 ? Txt_M : Txt_D;
            box->setText(addressbook::BirthPart(stored, part));
            box->setCursorPosition(0);
        }
    }
    put(Txt_Yubin, u"Yubin"_s);
    putLines(Txt_Zyusyo, u"Zyusyo"_s);
    put(Txt_Tel_1, u"Tel_1"_s);
    put(Txt_Fax, u"Fax_1"_s);
    put(Txt_PB, u"PB"_s);
    put(Txt_Handy_1, u"Handy_1"_s);
    put(Txt_Handy_2, u"Handy_2"_s);
    put(Txt_K_Name, u"K_Name"_s);
    put(Txt_K_Yubin, u"K_Yubin"_s);
    putLines(Txt_K_Address, u"K_Address"_s);
    put(Txt_K_Tel, u"K_Tel"_s);
    put(Txt_K_Fax, u"K_fax"_s);
    put(Txt_Email, u"Email"_s);
    put(Txt_K_Email, u"K_Email"_s);
    put(Txt_HP_Address, u"HP_Address"_s);
    putLines(Txt_Bikou, u"Bikou"_s);
}

void DataCreate::Cmd_Clear_Click() {
    ClearAddressEntry();
    Txt_Name_1->setFocus();
}

void DataCreate::Cmd_EXIT_Click() {
    close();
}

void DataCreate::ClearAddressEntry() {
    Mod1::TargetForm = this;
    addressbook::clearTextBoxes(SSFrame1);
}
