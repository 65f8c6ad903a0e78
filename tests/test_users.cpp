// The user frame of the main window: the current user, its saving and quit.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "app/Main.h"
#include "clock/ClockPart.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ProgramEnd.h"
#include "users/UserFrame.h"

#include <QComboBox>
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
    void minimise();
    void quit_data();
    void quit();
    void endingStopsTheLoopAndWhatIsQueued();

private:
    QComboBox* box() { return m_main->users().Cmb_User; }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<Main> m_main;
};

void UsersTest::init() {
    m_folder = std::make_unique<ProgramFolder>();
    m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , ''), ('O''Brien' , NULL)"_s);
    m_main = std::make_unique<Main>();
}

void UsersTest::cleanup() {
    platform::setProgramEndHandler({});
    m_main.reset();
    m_folder.reset();
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
    startMain(*m_main);
    QCOMPARE(box()->currentText(), shown);
    QStringList listed;
    for (int i = 0; i < box()->count(); ++i)
        listed.append(box()->itemText(i));
    QCOMPARE(listed, (QStringList{u"Guest"_s, u"O'Brien"_s, u"山田"_s}));
    QCOMPARE(ProgramFolder::setting(u"User"_s), saved); // shown, not saved
}

void UsersTest::leavingTheBoxSavesIt() {
    startMain(*m_main);
    box()->setFocus();
    QTest::keyClick(box(), Qt::Key_Down);
    QCOMPARE(box()->currentText(), u"O'Brien"_s);
    QVERIFY(!ProgramFolder::settingExists(u"User"_s)); // choosing alone does not save
    QTest::mouseClick(m_main->clock().Txt_A_2, Qt::LeftButton);
    QCOMPARE(ProgramFolder::setting(u"User"_s), u"O'Brien"_s);
}

void UsersTest::minimise() {
    startMain(*m_main);
    QTest::mouseClick(m_main->SSCommand2, Qt::LeftButton);
    QVERIFY(m_main->windowState() & Qt::WindowMinimized);
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
    startMain(*m_main);
    box()->setEditText(u"山田"_s); // chosen; the box never had the focus
    int requests = 0;
    platform::setProgramEndHandler([&] { ++requests; });
    ModalScript script;
    script.press(answer);
    QTest::mouseClick(m_main->SSCommand1, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    const ModalScript::Message& question = script.messages().first();
    QCOMPARE(question.text, u"Tamoru\u3000を終了してもよろしいですか？"_s);
    QCOMPARE(question.kind, 1);
    QCOMPARE(question.focus, u"Cmd_No"_s);
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

QTEST_MAIN(UsersTest)
#include "test_users.moc"
