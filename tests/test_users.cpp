// The user frame of the main window: the current user and its saving, the user management
// button, minimise and quit.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "clock/ClockPart.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ProgramEnd.h"
#include "users/UserFrame.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class UsersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init();
    void cleanup();
    void shownUser_data();
    void shownUser();
    void leavingTheBoxSavesIt();
    void quit_data();
    void quit();
    void endingStopsTheLoopAndWhatIsQueued();
    void minimise();
    void managementWindowRefreshesTheList();

private:
    QStringList listed() const;

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<Main> m_main;
};

void UsersTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , '')"_s);
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('O''Brien' , NULL)"_s);
}

void UsersTest::cleanup() {
    platform::setProgramEndHandler({});
    m_main.reset();
    m_folder.reset();
}

QStringList UsersTest::listed() const {
    QStringList names;
    for (int i = 0; i < m_main->users().Cmb_User->count(); ++i)
        names.append(m_main->users().Cmb_User->itemText(i));
    return names;
}

void UsersTest::shownUser_data() {
    QTest::addColumn<QString>("saved"); // null: never saved
    QTest::addColumn<QString>("shown");
    QTest::newRow("first run") << QString() << u"Guest"_s;
    QTest::newRow("saved empty") << u""_s << u"Guest"_s;
    QTest::newRow("saved Guest") << u"Guest"_s << u"Guest"_s;
    QTest::newRow("a user with a quote") << u"O'Brien"_s << u"O'Brien"_s;
    QTest::newRow("a user deleted since") << u"佐藤"_s << u"Guest"_s;
    QTest::newRow("only the case differs") << u"guest"_s << u"Guest"_s;
}

void UsersTest::shownUser() {
    QFETCH(QString, saved);
    QFETCH(QString, shown);
    if (!saved.isNull())
        ProgramFolder::saveSetting(u"User"_s, saved);
    m_main = std::make_unique<Main>();
    startMain(*m_main);
    QCOMPARE(m_main->users().Cmb_User->currentText(), shown);
    QCOMPARE(listed(), (QStringList{u"Guest"_s, u"O'Brien"_s, u"山田"_s}));
    QCOMPARE(ProgramFolder::setting(u"User"_s), saved); // shown, not saved
}

void UsersTest::leavingTheBoxSavesIt() {
    m_main = std::make_unique<Main>();
    startMain(*m_main);
    QComboBox* box = m_main->users().Cmb_User;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentText(), u"O'Brien"_s);
    QVERIFY(!ProgramFolder::settingExists(u"User"_s)); // choosing alone does not save
    QTest::mouseClick(m_main->clock().Txt_A_2, Qt::LeftButton);
    QCOMPARE(ProgramFolder::setting(u"User"_s), u"O'Brien"_s);

    box->setFocus();
    box->lineEdit()->selectAll();
    typeText(box->lineEdit(), u"だれか"_s); // saved as typed, whoever it names
    QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
    QCOMPARE(ProgramFolder::setting(u"User"_s), u"だれか"_s);
}

void UsersTest::quit_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("endRequests");
    QTest::newRow("yes") << u"Cmd_Yes"_s << 1;
    QTest::newRow("no") << u"Cmd_No"_s << 0;
}

// On any answer but No the program ends at once: the unload does not run, so the shown user
// is not saved and the database is not closed by it.
void UsersTest::quit() {
    QFETCH(QString, answer);
    QFETCH(int, endRequests);
    m_main = std::make_unique<Main>();
    startMain(*m_main);
    int requests = 0;
    platform::setProgramEndHandler([&] { ++requests; });
    m_main->users().Cmb_User->setEditText(u"山田"_s); // chosen; the box never had the focus

    ModalScript script;
    script.press(answer);
    QTest::mouseClick(m_main->SSCommand1, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().first().text, u"Tamoru\u3000を終了してもよろしいですか？"_s);
    QCOMPARE(script.messages().first().kind, 1);
    QCOMPARE(script.messages().first().focus, u"Cmd_No"_s);
    QCOMPARE(requests, endRequests);
    QVERIFY(!ProgramFolder::settingExists(u"User"_s));
    QVERIFY(Mod1::Db && m_main->isVisible());
}

// The real end: the event loop returns, and what was queued before it (the activation that
// follows the question) never runs.
void UsersTest::endingStopsTheLoopAndWhatIsQueued() {
    bool queuedRan = false;
    QTimer::singleShot(0, qApp, [&] {
        QMetaObject::invokeMethod(
            qApp, [&] { queuedRan = true; }, Qt::QueuedConnection);
        platform::endProgram();
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!queuedRan);
}

void UsersTest::minimise() {
    m_main = std::make_unique<Main>();
    startMain(*m_main);
    QTest::mouseClick(m_main->SSCommand2, Qt::LeftButton);
    QVERIFY(m_main->windowState() & Qt::WindowMinimized);
    QCOMPARE(Mod1::TargetForm.data(), m_main.get());
}

// A user added in the management window is listed in name order once it closes; the shown
// user stays the saved one.
void UsersTest::managementWindowRefreshesTheList() {
    ProgramFolder::saveSetting(u"User"_s, u"山田"_s);
    m_main = std::make_unique<Main>();
    startMain(*m_main);
    ModalScript script;
    script
        .then(u"SeqUser"_s,
              [](QDialog& window) {
                  typeText(window.findChild<QLineEdit*>(u"Txt_UserName"_s), u"Bob"_s);
                  QTest::mouseClick(window.findChild<QPushButton*>(u"Cmd_Insert"_s), Qt::LeftButton);
                  QTest::mouseClick(window.findChild<QPushButton*>(u"Cmd_EXIT"_s), Qt::LeftButton);
              })
        .press(u"Cmd_Yes"_s)
        .press(u"Cmd_OK"_s);
    QTest::mouseClick(m_main->users().FE_User, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QTRY_COMPARE(m_main->activationCount(), 2);
    QCOMPARE(listed(), (QStringList{u"Bob"_s, u"Guest"_s, u"O'Brien"_s, u"山田"_s}));
    QCOMPARE(m_main->users().Cmb_User->currentText(), u"山田"_s);
}

QTEST_MAIN(UsersTest)
#include "test_users.moc"
