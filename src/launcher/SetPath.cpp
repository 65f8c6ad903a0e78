#include "launcher/SetPath.h"

#include "core/AppSettings.h"
#include "core/Mod1.h"
#include "core/Text.h"
#include "launcher/LauncherFrame.h"
#include "platform/Controls3D.h"
#include "platform/DriveList.h"
#include "platform/FileList.h"
#include "platform/FolderList.h"
#include "platform/ModalWindows.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

SetPath::SetPath(platform::Panel3D* slotPanel, QWidget* parent) : QDialog(parent), m_slotPanel(slotPanel) {
    setObjectName(u"SetPath"_s);
    setWindowTitle(u"Tamoru ～ ランチャー設定 ～"_s);
    platform::setClientSizeTwips(this, 5505, 5640);

    using enum platform::Kind;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    platform::layOut(this, {{Frame, u"SSFrame1"_s, {45, 0, 5415, 5595}, {.text = u"ファイル登録"_s, .to = &SSFrame1}}});
    const QList<platform::Control> controls{
        {DriveList, u"Dr"_s, {180, 225, 2535, 315}, {.to = &Dr}},
        {FolderList, u"Di"_s, {180, 630, 2535, 2340}, {.to = &Di}},
        {ComboBox, u"Cmb_Pattern"_s, {2745, 225, 825, 315}, {.to = &Cmb_Pattern}},
        {FileList, u"FL"_s, {2745, 585, 2535, 2250}, {.to = &FL}},
        {Panel, u"SSPanel16"_s, {180, 3060, 1350, 285}, {.text = u"表示名"_s, .to = &SSPanel16}},
        {TextBox, u"Txt_LN"_s, {1560, 3060, 3720, 285}, {.ime = platform::ImeMode::Hiragana, .to = &Txt_LN}},
        {Panel, u"SSPanel3"_s, {180, 3375, 1350, 285}, {.text = u"追加オプション"_s, .to = &SSPanel3}},
        {TextBox, u"Txt_Op"_s, {1560, 3375, 3720, 285}, {.to = &Txt_Op}},
        {Panel, u"SSPanel1"_s, {180, 3690, 1350, 285}, {.text = u"ファイル名称"_s, .to = &SSPanel1}},
        {InsetPanel, u"Lab_LN"_s, {1560, 3690, 3720, 285}, {.align = left, .to = &Lab_LN}},
        {Panel, u"SSPanel2"_s, {180, 4005, 1350, 465}, {.text = u"起動ファイル"_s, .to = &SSPanel2}},
        {InsetPanel, u"Lab_LF"_s, {1560, 4005, 3720, 465}, {.align = left, .to = &Lab_LF}},
        {Button, u"Cmd_Insert"_s, {3375, 4590, 915, 915}, {.text = u"ＥＸＩＴ"_s, .to = &Cmd_Insert}},
        {Button, u"Cmd_Set"_s, {4320, 4590, 915, 915}, {.text = u"セット"_s, .to = &Cmd_Set}},
    };
    platform::layOut(SSFrame1, controls);
    Cmb_Pattern->addItems({u"*.exe"_s, u"*.*"_s});
    FL->setPattern(u"*.exe"_s);
    for (platform::Button3D* button : {Cmd_Insert, Cmd_Set})
        button->setAutoDefault(false);

    platform::chainTabOrder({Txt_LN, Txt_Op, Dr, Di, Cmb_Pattern, FL, Cmd_Insert, Cmd_Set});

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

    Lab_LF->setTextFit(platform::Panel3D::TextFit::Elide, Qt::ElideMiddle); // the file name stays in view
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
