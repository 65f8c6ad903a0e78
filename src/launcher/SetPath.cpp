#include "launcher/SetPath.h"

#include "core/AppSettings.h"
#include "core/Mod1.h"
#include "core/Text.h"
#include "launcher/LauncherFrame.h"
#include "platform/Controls3D.h"
#include "platform/DriveList.h"
#include "platform/FileList.h"
#include "platform/FolderList.h"
#include "platform/ImeMode.h"
#include "platform/ModalWindows.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;
using platform::placeTwips;

SetPath::SetPath(platform::Panel3D* slotPanel, QWidget* parent) : QDialog(parent), m_slotPanel(slotPanel) {
    setObjectName(u"SetPath"_s);
    setWindowTitle(u"Tamoru ～ ランチャー設定 ～"_s);
    platform::setClientSizeTwips(this, 5505, 5640);

    SSFrame1 = new platform::Frame3D(u"ファイル登録"_s, this);
    SSFrame1->setObjectName(u"SSFrame1"_s);
    placeTwips(SSFrame1, 45, 0, 5415, 5595);

    Dr = new platform::DriveList(SSFrame1);
    Dr->setObjectName(u"Dr"_s);
    placeTwips(Dr, 180, 225, 2535, 315);
    Di = new platform::FolderList(SSFrame1);
    Di->setObjectName(u"Di"_s);
    placeTwips(Di, 180, 630, 2535, 2340);

    Cmb_Pattern = new QComboBox(SSFrame1);
    Cmb_Pattern->setObjectName(u"Cmb_Pattern"_s);
    Cmb_Pattern->setEditable(true);
    Cmb_Pattern->setInsertPolicy(QComboBox::NoInsert);
    Cmb_Pattern->addItems({u"*.exe"_s, u"*.*"_s});
    placeTwips(Cmb_Pattern, 2745, 225, 825, 315);
    FL = new platform::FileList(SSFrame1);
    FL->setObjectName(u"FL"_s);
    FL->setPattern(u"*.exe"_s);
    placeTwips(FL, 2745, 585, 2535, 2250);

    const auto title = [this](const char16_t* name, const QString& caption, double top, double height) {
        auto* panel = new platform::Panel3D(caption, SSFrame1);
        panel->setObjectName(QString::fromUtf16(name));
        placeTwips(panel, 180, top, 1350, height);
        return panel;
    };
    const auto mirror = [this](const char16_t* name, double top, double height) {
        auto* panel = new platform::Panel3D(SSFrame1, platform::Panel3D::Bevel::Inset);
        panel->setObjectName(QString::fromUtf16(name));
        panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        placeTwips(panel, 1560, top, 3720, height);
        return panel;
    };
    SSPanel16 = title(u"SSPanel16", u"表示名"_s, 3060, 285);
    Txt_LN = new QLineEdit(SSFrame1);
    Txt_LN->setObjectName(u"Txt_LN"_s);
    platform::setImeMode(Txt_LN, platform::ImeMode::Hiragana);
    placeTwips(Txt_LN, 1560, 3060, 3720, 285);
    SSPanel3 = title(u"SSPanel3", u"追加オプション"_s, 3375, 285);
    Txt_Op = new QLineEdit(SSFrame1);
    Txt_Op->setObjectName(u"Txt_Op"_s);
    placeTwips(Txt_Op, 1560, 3375, 3720, 285);
    SSPanel1 = title(u"SSPanel1", u"ファイル名称"_s, 3690, 285);
    Lab_LN = mirror(u"Lab_LN", 3690, 285);
    SSPanel2 = title(u"SSPanel2", u"起動ファイル"_s, 4005, 465);
    Lab_LF = mirror(u"Lab_LF", 4005, 465);

    Cmd_Insert = new platform::Button3D(u"ＥＸＩＴ"_s, SSFrame1);
    Cmd_Insert->setObjectName(u"Cmd_Insert"_s);
    placeTwips(Cmd_Insert, 3375, 4590, 915, 915);
    Cmd_Set = new platform::Button3D(u"セット"_s, SSFrame1);
    Cmd_Set->setObjectName(u"Cmd_Set"_s);
    placeTwips(Cmd_Set, 4320, 4590, 915, 915);

    for (QPushButton* button : {static_cast<QPushButton*>(Cmd_Insert), static_cast<QPushButton*>(Cmd_Set)})
        button->setAutoDefault(false);
    setTabOrder(Txt_LN, Txt_Op);
    setTabOrder(Txt_Op, Dr);
    setTabOrder(Dr, Di);
    setTabOrder(Di, Cmb_Pattern);
    setTabOrder(Cmb_Pattern, FL);
    setTabOrder(FL, Cmd_Insert);
    setTabOrder(Cmd_Insert, Cmd_Set);

    // The lists start on the current drive and folder.
    {
        const QSignalBlocker quiet(Dr);
        Dr->setDrive(platform::DriveList::driveOf(QDir::currentPath()));
    }
    m_readableDrive = Dr->drive();
    Di->setPath(QDir::currentPath());
    FL->setPath(Di->path());
    FL->refresh();

    connect(Dr, &QComboBox::currentIndexChanged, this, &SetPath::Dr_Change);
    connect(Di, &platform::FolderList::changed, this, &SetPath::Di_Change);
    connect(Cmb_Pattern, &QComboBox::activated, this, &SetPath::Cmb_Pattern_Click);
    connect(FL, &QListWidget::itemSelectionChanged, this, &SetPath::FL_Click);
    connect(Txt_LN, &QLineEdit::textChanged, this, &SetPath::Txt_LN_Change);
    connect(Cmd_Insert, &QPushButton::clicked, this, &SetPath::Cmd_Insert_Click);
    connect(Cmd_Set, &QPushButton::clicked, this, &SetPath::Cmd_Set_Click);

    platform::ModalWindows::keepOpenOnEscape(*this);
    Form_Load();
}

void SetPath::Form_Load() {
    platform::moveTwips(this, 400, 400);
    const QString name = core::setting(launcherKey(u"LN", Mod1::EditSlot));
    const QString file = core::setting(launcherKey(u"LF", Mod1::EditSlot));
    const QString options = core::setting(launcherKey(u"LO", Mod1::EditSlot));
    if (core::trimBlanks(file).isEmpty())
        return;
    showStoredFile(file);
    Lab_LN->setCaption(name);
    Txt_LN->setText(name);
    Txt_Op->setText(options);
}

void SetPath::showStoredFile(const QString& storedFile) {
    const qsizetype slash = storedFile.lastIndexOf(u'/');
    if (slash < 0)
        return;
    const QString folder = slash == 0 ? u"/"_s : storedFile.left(slash);
    const QString fileName = core::trimBlanks(storedFile.mid(slash + 1, 255));
    if (!QFileInfo(folder).isDir())
        return;

    Dr->setDrive(platform::DriveList::driveOf(folder));
    Di->setPath(folder);
    const QString wanted = fileName.toUpper();
    for (int i = 0; i < FL->count(); ++i) {
        if (FL->item(i)->text().toUpper() == wanted) {
            FL->setCurrentRow(i);
            break;
        }
    }
}

void SetPath::Dr_Change() {
    const QString drive = Dr->drive();
    if (!QDir(drive).isReadable()) {
        Mod1::ShowMessage(u"ドライブ %1 を読み取れません。"_s.arg(QDir::toNativeSeparators(drive)), Mod1::KindNotice,
                          this, Mod1::FocusOk);
        const QSignalBlocker quiet(Dr);
        Dr->setDrive(m_readableDrive);
        return;
    }
    m_readableDrive = drive;
    Di->setPath(drive);
}

void SetPath::Di_Change() {
    FL->setPath(Di->path());
    FL->refresh();
}

void SetPath::Cmb_Pattern_Click() {
    FL->setPattern(Cmb_Pattern->itemText(Cmb_Pattern->currentIndex()));
    FL->refresh();
}

void SetPath::FL_Click() {
    const QString fileName = FL->fileName();
    if (!fileName.isEmpty())
        Lab_LF->setCaption(Di->path() + u'/' + fileName);
}

void SetPath::Txt_LN_Change() {
    Lab_LN->setCaption(Txt_LN->text());
}

void SetPath::Cmd_Insert_Click() {
    close();
}

void SetPath::Cmd_Set_Click() {
    const QString file = core::trimBlanks(Lab_LF->caption());
    if (file.isEmpty()) {
        Mod1::ShowMessage(u"起動ファイルが選択されていません。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
        return;
    }
    if (file.contains(u'*')) {
        Mod1::ShowMessage(u"ワイルドカード（＊）は使用できません。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
        return;
    }
    if (core::trimBlanks(Lab_LN->caption()).isEmpty()) {
        Mod1::ShowMessage(u"ファイル名称が選択されていません。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
        return;
    }
    if (Mod1::ShowMessage(u"設定してよろしいですか？"_s, Mod1::KindQuestion, this, Mod1::FocusYes) == Mod1::AnswerNo)
        return;

    saveLauncherSlot(Mod1::EditSlot, Lab_LN->caption(), Lab_LF->caption(), Txt_Op->text());
    if (m_slotPanel)
        m_slotPanel->setCaption(Lab_LN->caption());
    close();
}
