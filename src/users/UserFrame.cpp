#include "users/UserFrame.h"

#include "core/AppSettings.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Twips.h"

#include <QComboBox>

using namespace Qt::StringLiterals;
using platform::placeTwips;

UserFrame::UserFrame(Main& main) : QObject(&main), m_main(main) {
    QWidget* frame = main.SSFrame4;
    Cmb_User = new QComboBox(frame);
    Cmb_User->setObjectName(u"Cmb_User"_s);
    Cmb_User->setEditable(true);
    Cmb_User->setInsertPolicy(QComboBox::NoInsert);
    placeTwips(Cmb_User, 90, 225, 2130, 285);

    FE_User = new platform::Button3D({}, QIcon::fromTheme(u"system-users"_s), frame);
    FE_User->setObjectName(u"FE_User"_s);
    placeTwips(FE_User, 2250, 225, 285, 285);
}

void UserFrame::FillUserList() {
    Mod1::Sql = u"select * from Mst_User order by UserName"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    Cmb_User->clear();
    while (!Mod1::Rs->atEnd()) {
        Cmb_User->addItem(Mod1::Rs->field(u"UserName"_s).toString());
        Mod1::Rs->moveNext();
    }
    Mod1::Rs->close();

    const QString saved = core::setting(u"User"_s);
    Cmb_User->setEditText(saved.isEmpty() || saved == u"Guest"_s ? u"Guest"_s : saved);
}

void UserFrame::saveCurrentUser() {
    core::saveSetting(u"User"_s, Cmb_User->currentText());
}
