// The main window's life: its load, its activation each time the program returns to it,
// its unload, and what happens when TEL.mdb cannot be used.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "app/Main.h"
#include "clock/ClockPart.h"
#include "core/AppSettings.h"
#include "core/Mod1.h"
#include "core/Msg2.h"
#include "launcher/LauncherFrame.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ModalWindows.h"
#include "platform/Twips.h"
#include "users/UserFrame.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using platform::twipsRect;

class MainTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void loadPlacesTheWindowAndItsFrames();
    void activationFollowsTheLoadAndEachModalWindow();
    void activationWaitsForTheHandler();
    void activationErrorIsToldOnce();
    void unloadSavesTheShownUser();
    void databaseProblemStopsInOrder_data();
    void databaseProblemStopsInOrder();
};

void MainTest::initTestCase() {
    platform::setUpDesktop();
}

void MainTest::loadPlacesTheWindowAndItsFrames() {
    ProgramFolder folder;
    Main main;
    QCOMPARE(main.windowTitle(), u"Tamoru Ver3.5"_s);
    QCOMPARE(main.size(), QSize(platform::twips(5775), platform::twips(4935)));
    QCOMPARE(main.pos(), QPoint(platform::twips(200), platform::twips(200)));
    QCOMPARE(Mod1::TargetForm.data(), &main);

    const struct {
        platform::Frame3D* frame;
        QString caption;
        QRect place;
    } frames[] = {
        {main.SSFrame2, u"ランチャー"_s, twipsRect(0, 0, 3120, 3795)},
        {main.SSFrame1, u"カレンダー"_s, twipsRect(3150, 0, 2625, 3165)},
        {main.SSFrame4, u"ユーザー"_s, twipsRect(3150, 3195, 2625, 600)},
        {main.SSFrame3, u"電話帳"_s, twipsRect(0, 3825, 3120, 690)},
    };
    for (const auto& f : frames) {
        QCOMPARE(f.frame->title(), f.caption);
        QCOMPARE(f.frame->geometry(), f.place);
    }
    QCOMPARE(main.TLH->geometry(), twipsRect(3150, 3825, 2625, 690));
    QCOMPARE(main.SSCommand2->geometry(), twipsRect(45, 4545, 5280, 375));
    QCOMPARE(main.SSCommand1->geometry(), twipsRect(5355, 4545, 375, 375));
    QCOMPARE(main.Timer1->interval(), 1000);
    QVERIFY(main.Timer1->isActive());
    QVERIFY(Mod1::Db);
    QCOMPARE(Mod1::AppPath, folder.path());
    QCOMPARE(Mod1::WinDir, folder.systemFolder());
}

// The activation follows the load, and again each modal window that closes: the user list
// is refilled showing the saved user, the tool icons are drawn, the cursor is in the alarm.
void MainTest::activationFollowsTheLoadAndEachModalWindow() {
    ProgramFolder folder;
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , '')"_s);
    Main main;
    const LauncherFrame& launcher = main.launcher();
    const QList<platform::PictureBox*> pictures{launcher.PicExp, launcher.PicNote, launcher.PicCalc, launcher.PicDef,
                                                launcher.PicScan};
    QCOMPARE(activations(main), 0); // the load alone does not activate
    QVERIFY(main.start());
    QTRY_COMPARE(activations(main), 1);
    QCOMPARE(Mod1::Sql, u"select * from Mst_User order by UserName"_s);
    QCOMPARE(main.users().Cmb_User->currentText(), u"Guest"_s);
    QCOMPARE(main.focusWidget(), main.clock().Txt_A_1);

    main.users().Cmb_User->setEditText(u"山田"_s); // chosen, never saved
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('Bob' , '')"_s);
    for (auto* p : pictures)
        p->clear();
    ModalScript script;
    script.press(u"Cmd_OK"_s);
    runAsHandler(&main, [&] { Mod1::ShowMessage(u"x"_s, 0, &main, 0); });
    QTRY_COMPARE(activations(main), 2);
    settle();
    QCOMPARE(activations(main), 2);
    QCOMPARE(main.users().Cmb_User->currentText(), u"Guest"_s); // the saved user again
    QCOMPARE(main.users().Cmb_User->count(), 3);                // the new user listed
    for (auto* p : pictures)
        QVERIFY2(!p->isBlank(), qPrintable(p->objectName()));
}

// A handler of the main window that opens two windows one after the other finishes before
// the activation runs, and the activation runs once.
void MainTest::activationWaitsForTheHandler() {
    ProgramFolder folder;
    Main main;
    QVERIFY(main.start());
    QTRY_COMPARE(activations(main), 1);

    // The activation queued when the first window closes is due while the second is open.
    int whileSecondOpen = -1;
    int atTheEnd = -1;
    ModalScript script;
    script.press(u"Cmd_OK"_s).then(u"Msg2"_s, [&](QDialog& prompt) {
        settle();
        whileSecondOpen = activations(main);
        prompt.findChild<QPushButton*>(u"Cmd_OK"_s)->click();
    });
    runAsHandler(&main, [&] {
        Mod1::ShowMessage(u"first"_s, 0, &main, 0);
        Mod1::MsgOwner = &main;
        Mod1::MsgText = u"second"_s;
        Msg2 prompt;
        platform::ModalWindows::exec(prompt);
        atTheEnd = activations(main);
    });
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(whileSecondOpen, 1);
    QCOMPARE(atTheEnd, 1);
    QTRY_COMPARE(activations(main), 2);
    settle();
    QCOMPARE(activations(main), 2);
}

// When the activation cannot read the users it says so once; closing that notice does not
// set off the activation again.
void MainTest::activationErrorIsToldOnce() {
    ProgramFolder folder;
    Main main;
    QVERIFY(main.start());
    QTRY_COMPARE(activations(main), 1);
    folder.execute(u"ALTER TABLE Mst_User RENAME TO Old_User"_s);

    ModalScript script;
    script.press(u"Cmd_OK"_s).press(u"Cmd_OK"_s);
    runAsHandler(&main, [&] { Mod1::ShowMessage(u"x"_s, 0, &main, 0); });
    QTRY_COMPARE(activations(main), 2);
    QTRY_VERIFY(script.finished());
    settle();
    QCOMPARE(activations(main), 2);
    QVERIFY(script.messages()[1].text.startsWith(u"データベースの処理に失敗しました。\r"_s));
    QVERIFY(script.messages()[1].text.contains(u"no such table: Mst_User"_s));
    QCOMPARE(main.focusWidget(), main.clock().Txt_A_1); // the other steps still ran
}

void MainTest::unloadSavesTheShownUser() {
    ProgramFolder folder;
    Main main;
    QVERIFY(main.start());
    QTRY_COMPARE(activations(main), 1);
    main.users().Cmb_User->setEditText(u"誰か知らない人"_s);
    QVERIFY(main.close());
    QCOMPARE(ProgramFolder::setting(u"User"_s), u"誰か知らない人"_s);
    QVERIFY(!Mod1::Db);
    QVERIFY(!Mod1::Ws);
}

void MainTest::databaseProblemStopsInOrder_data() {
    QTest::addColumn<QString>("content"); // empty: no file at all
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QString() << u"ファイルが見つかりません。"_s;
    QTest::newRow("not a database") << u"this is a letter, not a database"_s << u"データベースではありません。"_s;
    QTest::newRow("a database of another program") << u"sqlite"_s << u"Tamoru のデータベースではありません。"_s;
}

void MainTest::databaseProblemStopsInOrder() {
    QFETCH(QString, content);
    QFETCH(QString, reason);
    ProgramFolder folder(ProgramFolder::Database::None);
    if (content == u"sqlite"_s) {
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        other.setDatabaseName(folder.databasePath());
        QVERIFY(other.open());
        QSqlQuery(other).exec(u"CREATE TABLE Notes (x TEXT)"_s);
        other.close();
    } else if (!content.isNull()) {
        QFile file(folder.databasePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
    }
    QSqlDatabase::removeDatabase(u"other"_s);
    const QByteArray before = [&] {
        QFile f(folder.databasePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ProgramFolder::saveSetting(u"User"_s, u"山田"_s);
    ProgramFolder::saveSetting(u"LN7"_s, u"電卓"_s);

    ModalScript script;
    script.press(u"Cmd_OK"_s);
    {
        Main main;
        // The rest of the load still ran.
        QCOMPARE(main.launcher().Lab_L[7]->caption(), u"電卓"_s);
        QCOMPARE(Mod1::WinDir, folder.systemFolder());
        QVERIFY(!main.start());
        QVERIFY(!main.isVisible());
        settle();
        QCOMPARE(activations(main), 0);
    }
    QVERIFY2(script.finished(), qPrintable(script.report()));
    const QString text = script.messages().first().text;
    QVERIFY2(text.contains(u"TEL.mdb"_s) && text.contains(QDir::toNativeSeparators(folder.path())), qPrintable(text));
    QVERIFY2(text.contains(reason), qPrintable(text));
    QCOMPARE(script.messages().first().kind, 0);
    // Nothing created, nothing changed, nothing saved over.
    QCOMPARE(QFile::exists(folder.databasePath()), !content.isNull());
    QFile after(folder.databasePath());
    QCOMPARE(after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray(), before);
    QCOMPARE(ProgramFolder::setting(u"User"_s), u"山田"_s);
}

QTEST_MAIN(MainTest)
#include "test_main.moc"
