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
#include "platform/Twips.h"
#include "users/UserFrame.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using platform::twipsRect;

namespace {

QStringList listed(const QComboBox* box) {
    QStringList names;
    for (int i = 0; i < box->count(); ++i)
        names.append(box->itemText(i));
    return names;
}

} // namespace

class UsersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void controlsAtTheirPlaces();
    void shownUser_data();
    void shownUser();
    void leavingTheBoxSavesIt();
    void quit_data();
    void quit();
    void endingStopsTheLoopAndWhatIsQueued();
    void minimise();
    void managementWindowRefreshesTheList();
};

void UsersTest::initTestCase() {
    platform::setUpDesktop();
}

void UsersTest::cleanup() {
    platform::setProgramEndHandler({});
}

void UsersTest::controlsAtTheirPlaces() {
    ProgramFolder folder;
    Main main;
    UserFrame& users = main.users();
    QCOMPARE(users.Cmb_User->parentWidget(), main.SSFrame4);
    QCOMPARE(users.Cmb_User->geometry(), twipsRect(90, 225, 2130, 285));
    QCOMPARE(users.FE_User->geometry(), twipsRect(2250, 225, 285, 285));
    for (QPushButton* b : {static_cast<QPushButton*>(users.FE_User), static_cast<QPushButton*>(main.SSCommand1),
                           static_cast<QPushButton*>(main.SSCommand2)})
        QVERIFY2(!b->icon().isNull(), qPrintable(b->objectName()));
}

void UsersTest::shownUser_data() {
    QTest::addColumn<QString>("saved"); // null: never saved
    QTest::addColumn<QString>("shown");
    QTest::newRow("first run") << QString() << u"Guest"_s;
    QTest::newRow("saved empty") << u""_s << u"Guest"_s;
    QTest::newRow("saved Guest") << u"Guest"_s << u"Guest"_s;
    QTest::newRow("a user") << u"山田"_s << u"山田"_s;
    QTest::newRow("a user with a quote") << u"O'Brien"_s << u"O'Brien"_s;
    QTest::newRow("a user deleted since") << u"佐藤"_s << u"Guest"_s;
    QTest::newRow("only the case differs") << u"guest"_s << u"Guest"_s;
    QTest::newRow("blanks around a user") << u" 山田"_s << u"Guest"_s;
}

void UsersTest::shownUser() {
    QFETCH(QString, saved);
    QFETCH(QString, shown);
    ProgramFolder folder;
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , '')"_s);
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('O''Brien' , '')"_s);
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('Adam' , NULL)"_s);
    if (!saved.isNull())
        ProgramFolder::saveSetting(u"User"_s, saved);
    Main main;
    startMain(main);
    QCOMPARE(main.users().Cmb_User->currentText(), shown);
    QCOMPARE(listed(main.users().Cmb_User), (QStringList{u"Adam"_s, u"Guest"_s, u"O'Brien"_s, u"山田"_s}));
    QCOMPARE(ProgramFolder::setting(u"User"_s), saved.isNull() ? QString() : saved); // only shown, not saved
}

void UsersTest::leavingTheBoxSavesIt() {
    ProgramFolder folder;
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , '')"_s);
    Main main;
    startMain(main);
    QComboBox* box = main.users().Cmb_User;

    // Choosing an entry with the keys does not save yet; leaving the box does.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentText(), u"山田"_s);
    QVERIFY(!ProgramFolder::settingExists(u"User"_s));
    QTest::mouseClick(main.clock().Txt_A_2, Qt::LeftButton);
    QCOMPARE(ProgramFolder::setting(u"User"_s), u"山田"_s);

    // Typed text is saved as it stands, whoever it names.
    box->setFocus();
    box->lineEdit()->selectAll();
    typeText(box->lineEdit(), u"だれか"_s);
    QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
    QCOMPARE(ProgramFolder::setting(u"User"_s), u"だれか"_s);
}

void UsersTest::quit_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("yes") << u"Cmd_Yes"_s << true;
    QTest::newRow("no") << u"Cmd_No"_s << false;
}

// On any answer but No the program ends at once: the unload does not run, so the shown user
// is not saved and the database is not closed by it.
void UsersTest::quit() {
    QFETCH(QString, answer);
    QFETCH(bool, ends);
    ProgramFolder folder;
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , '')"_s);
    ProgramFolder::saveSetting(u"User"_s, u"Guest"_s);
    Main main;
    startMain(main);
    int endRequests = 0;
    platform::setProgramEndHandler([&] { ++endRequests; });
    main.users().Cmb_User->setEditText(u"山田"_s); // chosen; the box never had the focus

    ModalScript script;
    script.press(answer);
    QTest::mouseClick(main.SSCommand1, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    const ModalScript::Message& question = script.messages().first();
    QCOMPARE(question.text, u"Tamoru\u3000を終了してもよろしいですか？"_s);
    QCOMPARE(question.kind, 1);
    QCOMPARE(question.focus, u"Cmd_No"_s);
    QCOMPARE(Mod1::Ret, ends ? u"6"_s : u"7"_s);
    QCOMPARE(endRequests, ends ? 1 : 0);
    QCOMPARE(ProgramFolder::setting(u"User"_s), u"Guest"_s);
    QVERIFY(Mod1::Db && Mod1::Db->isOpen());
    QVERIFY(main.isVisible());
}

// The real end: the event loop returns, and what was queued before (the activation that
// follows the question) never runs.
void UsersTest::endingStopsTheLoopAndWhatIsQueued() {
    bool queuedRan = false;
    bool afterwardsRan = false;
    QTimer::singleShot(0, qApp, [&] {
        QMetaObject::invokeMethod(
            qApp, [&] { queuedRan = true; }, Qt::QueuedConnection);
        platform::endProgram();
    });
    QTimer::singleShot(5000, qApp, [&] {
        afterwardsRan = true;
        QCoreApplication::exit(1);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!queuedRan);
    QVERIFY(!afterwardsRan);
}

void UsersTest::minimise() {
    ProgramFolder folder;
    Main main;
    startMain(main);
    Mod1::TargetForm = nullptr;
    QTest::mouseClick(main.SSCommand2, Qt::LeftButton);
    QVERIFY(main.windowState() & Qt::WindowMinimized);
    QCOMPARE(Mod1::TargetForm.data(), &main);
    QVERIFY(Mod1::Db && main.isVisible()); // nothing else happens
}

// A user added in the management window is listed, in name order, once it closes; the shown
// user stays the saved one.
void UsersTest::managementWindowRefreshesTheList() {
    ProgramFolder folder;
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , '')"_s);
    ProgramFolder::saveSetting(u"User"_s, u"山田"_s);
    Main main;
    startMain(main);
    const int activations = main.activationCount();

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
    QTest::mouseClick(main.users().FE_User, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QTRY_COMPARE(main.activationCount(), activations + 1);
    QCOMPARE(listed(main.users().Cmb_User), (QStringList{u"Bob"_s, u"Guest"_s, u"山田"_s}));
    QCOMPARE(main.users().Cmb_User->currentText(), u"山田"_s);
}

QTEST_MAIN(UsersTest)
#include "test_users.moc"
