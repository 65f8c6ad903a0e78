#include "app/Main.h"

#include "addressbook/PhoneBookFrame.h"
#include "calendar/CalendarFrame.h"
#include "clock/ClockPart.h"
#include "core/DataFile.h"
#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "core/ServerSetup.h"
#include "launcher/LauncherFrame.h"
#include "platform/Controls3D.h"
#include "platform/Log.h"
#include "platform/ModalWindows.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"
#include "users/UserFrame.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Runs one step of the load; a failing step is logged and skipped, and the load goes on.
template <class Step> void loadStep(const char* name, Step&& step) {
    try {
        step();
    } catch (const std::exception& error) {
        qCWarning(platform::log) << "the load went on without" << name << "-" << error.what();
    }
}

// TEL.mdb as a message names it.
QString databaseFile() {
    return QDir::toNativeSeparators(QDir(Mod1::AppPath).filePath(u"TEL.mdb"_s));
}

} // namespace

Main::Main(QWidget* parent) : QWidget(parent) {
    setObjectName(u"Main"_s);
    setWindowTitle(u"Tamoru Ver3.5"_s);
    platform::setClientSizeTwips(this, 5775, 4935);

    using enum platform::Kind;
    const QList<platform::Control> controls{
        {Frame, u"SSFrame2"_s, {0, 0, 3120, 3795}, {.text = u"ランチャー"_s, .to = &SSFrame2}},
        {Frame, u"SSFrame1"_s, {3150, 0, 2625, 3165}, {.text = u"カレンダー"_s, .to = &SSFrame1}},
        {Frame, u"SSFrame4"_s, {3150, 3195, 2625, 600}, {.text = u"ユーザー"_s, .to = &SSFrame4}},
        {Frame, u"SSFrame3"_s, {0, 3825, 3120, 690}, {.text = u"電話帳"_s, .to = &SSFrame3}},
        {Panel, u"TLH"_s, {3150, 3825, 2625, 690}, {.to = &TLH}},
        {Button,
         u"SSCommand2"_s,
         {45, 4545, 5280, 375},
         {.tip = u"最小化"_s, .icon = u"go-bottom"_s, .to = &SSCommand2}},
        {Button,
         u"SSCommand1"_s,
         {5355, 4545, 375, 375},
         {.tip = u"終了"_s, .icon = u"application-exit"_s, .to = &SSCommand1}},
    };
    platform::layOut(this, controls);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(1000);

    m_launcher = std::make_unique<LauncherFrame>(*this, SSFrame2);
    m_calendar = std::make_unique<CalendarFrame>(*this, SSFrame1, [this] { return users().Cmb_User->currentText(); });
    m_users = std::make_unique<UserFrame>(*this, SSFrame4, SSCommand1, SSCommand2);
    m_clock = std::make_unique<ClockPart>(SSFrame1, *TLH, *Timer1);
    m_phoneBook = std::make_unique<PhoneBookFrame>(SSFrame3);

    platform::ModalWindows::onReturnToTop([this] {
        if (isVisible())
            Form_Activate();
    });
    Form_Load();
}

Main::~Main() {
    platform::ModalWindows::onReturnToTop(nullptr);
}

void Main::Form_Load() {
    loadStep("its place", [this] {
        Mod1::TargetForm = this;
        platform::moveTwips(this, 200, 200);
    });
    try {
        m_startingCopied = Mod1::OpenDb();
    } catch (const platform::EngineError& error) {
        m_databaseProblem = core::reasonOf(error);
    }
    loadStep("the launcher names", [this] { launcher().InitLauncher(); });
    loadStep("the first clock tick", [this] { clock().Timer1_Timer(); });
    loadStep("the system folder", [] { Mod1::WinDir = Mod1::GetWinDir(); });
    loadStep("the start-up chime",
             [] { Mod1::Ret = Mod1::PlayWave(Mod1::WinDir + u"/THEMIC~1.WAV"_s) ? u"True"_s : u"False"_s; });
    Timer1->start();
}

bool Main::start() {
    if (!Mod1::Db) {
        reportDatabaseProblem();
        return false;
    }
    if (m_startingCopied)
        reportStartingCopy();
    show();
    if (!Mod1::Db->fileName().isEmpty()) {
        m_dailyCopy = std::make_unique<core::DailyCopy>(this);
        m_dailyCopy->start(Mod1::Db->fileName(), dailyCopies(), QDate::currentDate());
    }
    return true;
}

QString Main::dailyCopies() {
    return QDir(Mod1::AppPath).filePath(u"自動バックアップ"_s);
}

void Main::waitForDailyCopy() {
    if (m_dailyCopy)
        m_dailyCopy->wait();
}

void Main::reportDatabaseProblem() {
    platform::ModalWindows::QuietScope quiet; // the program ends; nothing is to activate
    if (const QString server = core::serverAddress(); !server.isEmpty()) {
        Mod1::ShowMessage(u"サーバーのデータベースに接続できないため、\rTamoru を終了します。\r"_s + u"場所："_s +
                              server + u"\r"_s + u"理由："_s + m_databaseProblem,
                          Mod1::KindNotice, this, Mod1::FocusOk);
        return;
    }
    Mod1::ShowMessage(u"データベース TEL.mdb を開けないため、\rTamoru を終了します。\r"_s + u"場所："_s +
                          databaseFile() + u"\r"_s + u"理由："_s + m_databaseProblem,
                      Mod1::KindNotice, this, Mod1::FocusOk);
}

void Main::reportStartingCopy() {
    platform::ModalWindows::QuietScope quiet; // the showing that follows activates the window
    Mod1::ShowMessage(u"はじめての起動のため、\rデータベース TEL.mdb を用意しました。\r"_s + u"場所："_s +
                          databaseFile(),
                      Mod1::KindNotice, this, Mod1::FocusOk);
}

void Main::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        platform::ModalWindows::requestReturnToTop();
    }
}

void Main::Form_Activate() {
    // A notice shown by the activation itself must not set off another activation.
    platform::ModalWindows::QuietScope quiet;
    core::guarded(this, [this] { users().FillUserList(); });
    calendar().BuildMonth();
    LauncherFrame& tools = launcher();
    Mod1::DrawFileIcon(*tools.PicExp, Mod1::WinDir + u"/Explorer.exe"_s);
    Mod1::DrawFileIcon(*tools.PicNote, Mod1::WinDir + u"/NotePad.exe"_s);
    Mod1::DrawFileIcon(*tools.PicCalc, Mod1::WinDir + u"/Calc.exe"_s);
    Mod1::DrawFileIcon(*tools.PicDef, Mod1::WinDir + u"/Defrag.exe"_s);
    Mod1::DrawFileIcon(*tools.PicScan, Mod1::WinDir + u"/Scandskw.exe"_s);
    clock().focusAlarmHour();
    Q_EMIT activated();
}

void Main::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    users().saveCurrentUser();
    Mod1::Rs.reset();
    if (Mod1::Db)
        Mod1::Db->close();
    Mod1::Db.reset();
    if (Mod1::Ws)
        Mod1::Ws->close();
    Mod1::Ws.reset();
}

void Main::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}
