#include "launcher/LauncherFrame.h"

#include "core/AppSettings.h"
#include "core/Mod1.h"
#include "launcher/SetPath.h"
#include "platform/Controls3D.h"
#include "platform/ModalWindows.h"
#include "platform/ProgramStart.h"
#include "platform/SystemFolder.h"
#include "platform/WindowLayout.h"

#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace {

bool isSlot(int slot) {
    return slot >= 0 && slot <= 7;
}

} // namespace

LauncherFrame::LauncherFrame(QWidget& window, platform::Frame3D* frame) : QObject(&window), m_window(window) {
    using enum platform::Kind;
    QList<platform::Control> controls;
    for (int i = 0; i < 8; ++i) {
        controls += {Button, u"Cmd_LN(%1)"_s.arg(i), {90, 270 + 360.0 * i, 330, 330}, {.to = &Cmd_LN[i]}};
        controls += {InsetPanel,
                     u"Lab_L(%1)"_s.arg(i),
                     {450, 270 + 360.0 * i, 2580, 330},
                     {.align = Qt::AlignLeft | Qt::AlignVCenter, .to = &Lab_L[i]}};
    }
    controls += QList<platform::Control>{
        {Label, u"Label2"_s, {90, 3150, 2940, 600}, {.to = &Label2}},
        {PictureBox,
         u"PicExp"_s,
         {135, 3195, 510, 510},
         {.tip = platform::systemToolName(platform::SystemTool::FileManager), .to = &PicExp}},
        {PictureBox,
         u"PicNote"_s,
         {675, 3195, 510, 510},
         {.tip = platform::systemToolName(platform::SystemTool::TextEditor), .to = &PicNote}},
        {PictureBox,
         u"PicCalc"_s,
         {1260, 3195, 510, 510},
         {.tip = platform::systemToolName(platform::SystemTool::Calculator), .to = &PicCalc}},
        {PictureBox,
         u"PicDef"_s,
         {1845, 3195, 510, 510},
         {.tip = platform::systemToolName(platform::SystemTool::DiskUsage), .to = &PicDef}},
        {PictureBox,
         u"PicScan"_s,
         {2430, 3195, 510, 510},
         {.tip = platform::systemToolName(platform::SystemTool::DiskCheck), .to = &PicScan}},
    };
    platform::layOut(frame, controls);
    Label2->setFrameStyle(QFrame::Box | QFrame::Plain);
    for (platform::Button3D* button : Cmd_LN) {
        button->setMouseTracking(true);
        button->installEventFilter(this);
    }

    Link = new QMenu(u"Lnk"_s, &window);
    Link->setObjectName(u"Link"_s);
    Lnk_DEL = Link->addAction(u"対象ファイル削除"_s);
    Lnk_DEL->setObjectName(u"Lnk_DEL"_s);
    Lnk_Rem = Link->addAction(u"対象ファイル修正"_s);
    Lnk_Rem->setObjectName(u"Lnk_Rem"_s);

    connect(frame, &platform::Frame3D::clicked, this, &LauncherFrame::SSFrame2_Click);
    for (int i = 0; i < 8; ++i)
        connect(Cmd_LN[i], &QPushButton::clicked, this, [this, i] { Cmd_LN_Click(i); });
    connect(Lnk_DEL, &QAction::triggered, this, &LauncherFrame::Lnk_DEL_Click);
    connect(Lnk_Rem, &QAction::triggered, this, &LauncherFrame::Lnk_Rem_Click);
    connect(PicExp, &platform::PictureBox::clicked, this, &LauncherFrame::PicExp_Click);
    connect(PicNote, &platform::PictureBox::clicked, this, &LauncherFrame::PicNote_Click);
    connect(PicCalc, &platform::PictureBox::clicked, this, &LauncherFrame::PicCalc_Click);
    connect(PicDef, &platform::PictureBox::clicked, this, &LauncherFrame::PicDef_Click);
    connect(PicScan, &platform::PictureBox::clicked, this, &LauncherFrame::PicScan_Click);
}

bool LauncherFrame::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress) {
        for (int i = 0; i < 8; ++i) {
            if (watched != Cmd_LN[i])
                continue;
            if (type == QEvent::MouseMove)
                Cmd_LN_MouseMove(i);
            else
                Cmd_LN_MouseDown(i, static_cast<QMouseEvent*>(event)->button());
        }
    }
    return QObject::eventFilter(watched, event);
}

void LauncherFrame::Cmd_LN_Click(int Index) {
    if (!isSlot(Index) || core::setting(launcherKey(u"LN", Index)).isEmpty())
        return;
    const QString file = core::setting(launcherKey(u"LF", Index));
    const QString options = core::setting(launcherKey(u"LO", Index));
    const auto outcome = platform::startCommandLine(file, options).outcome;
    if (outcome == platform::StartedProgram::Outcome::Started)
        return;
    const QString text = outcome == platform::StartedProgram::Outcome::TooLong
                             ? u"プログラムを起動できませんでした。コマンドラインが長すぎます。"_s
                             : u"指定されたファイルがみつかりません"_s;
    Mod1::ShowMessage(text, Mod1::KindNotice, &m_window, Mod1::FocusOk);
}

void LauncherFrame::Cmd_LN_MouseDown([[maybe_unused]] int Index, Qt::MouseButton Button) {
    if (Button == Qt::RightButton)
        Link->popup(QCursor::pos());
}

void LauncherFrame::Cmd_LN_MouseMove(int Index) {
    Mod1::LinkSlot = qint16(Index);
}

void LauncherFrame::SSFrame2_Click() {
    Mod1::LinkSlot = 99;
}

void LauncherFrame::Lnk_DEL_Click() {
    DeleteLauncher(Mod1::LinkSlot);
}

void LauncherFrame::Lnk_Rem_Click() {
    if (!isSlot(Mod1::LinkSlot))
        return;
    Mod1::EditSlot = Mod1::LinkSlot;
    SetPath window(Lab_L[Mod1::EditSlot]);
    platform::ModalWindows::exec(window);
}

void LauncherFrame::PicExp_Click() {
    startTool(u"/Explorer.exe"_s, platform::SystemTool::FileManager);
}

void LauncherFrame::PicNote_Click() {
    startTool(u"/NotePad.exe"_s, platform::SystemTool::TextEditor);
}

void LauncherFrame::PicCalc_Click() {
    startTool(u"/calc.exe"_s, platform::SystemTool::Calculator);
}

void LauncherFrame::PicDef_Click() {
    startTool(u"/Defrag.exe"_s, platform::SystemTool::DiskUsage);
}

void LauncherFrame::PicScan_Click() {
    startTool(u"/Scandskw.exe"_s, platform::SystemTool::DiskCheck);
}

void LauncherFrame::startTool(const QString& fileName, platform::SystemTool tool) {
    const auto started = platform::startProgram(Mod1::WinDir + fileName);
    if (started.started()) {
        Mod1::Ret = QString::number(started.processId);
        return;
    }
    const QString name = platform::systemToolName(tool);
    const QString text = started.outcome == platform::StartedProgram::Outcome::NotFound
                             ? u"%1のプログラムが見つかりません。"_s.arg(name)
                             : u"%1を起動できませんでした。"_s.arg(name);
    Mod1::ShowMessage(text, Mod1::KindNotice, &m_window, Mod1::FocusOk);
}

QString launcherKey(QStringView prefix, int slot) {
    return prefix.toString() + QString::number(slot);
}

void saveLauncherSlot(int slot, const QString& name, const QString& file, const QString& options) {
    core::saveSetting(launcherKey(u"LN", slot), name);
    core::saveSetting(launcherKey(u"LF", slot), file);
    core::saveSetting(launcherKey(u"LO", slot), options);
}

void LauncherFrame::InitLauncher() {
    for (int i = 0; i < 8; ++i)
        Lab_L[i]->setCaption(core::setting(launcherKey(u"LN", i)));
}

void LauncherFrame::DeleteLauncher(qint16 slot) {
    if (!isSlot(slot))
        return;
    const QString name = core::setting(launcherKey(u"LN", slot));
    if (name.isEmpty())
        return;
    if (Mod1::ShowMessage(name + u" を削除してもよろしいですか？"_s, Mod1::KindQuestion, &m_window, Mod1::FocusNo) ==
        Mod1::AnswerNo)
        return;
    ClearLauncherKeys(slot);
    Lab_L[slot]->setCaption(QString());
}

void ClearLauncherKeys(qint16 slot) {
    saveLauncherSlot(slot, QString(), QString(), QString());
}
