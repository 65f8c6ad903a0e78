#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class QTimer;
class LauncherFrame;
class CalendarFrame;
class UserFrame;
class ClockPart;
class PhoneBookFrame;

namespace core {
class DailyCopy;
}

namespace platform {
class Frame3D;
class Panel3D;
class Button3D;
} // namespace platform

// The main window: the start-up object that stays open for the whole run. It is assembled
// from the parts of the subsystems, each of which builds and handles the controls of its
// frame; this class owns the frames and the three moments of the window's life: its load,
// its activation (each time the program returns to it) and its unload.
class Main : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs its load.
    explicit Main(QWidget* parent = nullptr);
    ~Main() override;

    // Shows the window, which then activates. When the database could not be opened it says
    // so instead and returns false: the program then ends without showing or unloading. When
    // the load has just put the starting database in the user's folder, it first says where.
    // At the first start of a day, a copy of TEL.mdb is then made in the folder dailyCopies.
    bool start();

    // Where the automatic copies of TEL.mdb are kept: a folder beside it.
    static QString dailyCopies();
    // Waits for the day's copy to be made.
    void waitForDailyCopy();

    platform::Frame3D* SSFrame1; // "カレンダー"
    platform::Frame3D* SSFrame2; // "ランチャー"
    platform::Frame3D* SSFrame3; // "電話帳"
    platform::Frame3D* SSFrame4; // "ユーザー"
    platform::Panel3D* TLH;
    platform::Button3D* SSCommand1;
    platform::Button3D* SSCommand2;
    QTimer* Timer1;

    LauncherFrame& launcher() { return *m_launcher; }
    CalendarFrame& calendar() { return *m_calendar; }
    UserFrame& users() { return *m_users; }
    ClockPart& clock() { return *m_clock; }
    PhoneBookFrame& phoneBook() { return *m_phoneBook; }

    void Form_Load();
    void Form_Activate();
    void Form_Unload();

Q_SIGNALS:
    // Each activation has run through.
    void activated();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void reportDatabaseProblem();
    void reportStartingCopy();

    std::unique_ptr<LauncherFrame> m_launcher;
    std::unique_ptr<CalendarFrame> m_calendar;
    std::unique_ptr<UserFrame> m_users;
    std::unique_ptr<ClockPart> m_clock;
    std::unique_ptr<PhoneBookFrame> m_phoneBook;
    std::unique_ptr<core::DailyCopy> m_dailyCopy;

    QString m_databaseProblem; // why TEL.mdb did not open, kept from the load
    bool m_startingCopied = false;
    bool m_shownOnce = false;
    bool m_unloaded = false;
};
