// The user frame of the main window: the current user, its saving, minimising and quitting.
#include "Drive.h"
#include "clock/ClockPart.h"
#include "platform/ProgramEnd.h"
#include "users/UserFrame.h"

class UsersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void init() {
        m_folder = std::make_unique<ProgramFolder>();
        m_folder->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , ''), ('O''Brien' , NULL)"_s);
        m_main = std::make_unique<Main>();
    }
    void cleanup() {
        platform::setProgramEndHandler({});
        m_main.reset();
        m_folder.reset();
    }
    // The saved user is shown, not saved again; a user no longer listed gives way to Guest.
    void shownUser_data() {
        QTest::addColumn<QString>("saved"); // null: never saved
        QTest::addColumn<QString>("shown");
        QTest::newRow("first run") << QString() << u"Guest"_s;
        QTest::newRow("saved empty") << u""_s << u"Guest"_s;
        QTest::newRow("a user with a quote") << u"O'Brien"_s << u"O'Brien"_s;
        QTest::newRow("a user deleted since") << u"佐藤"_s << u"Guest"_s;
        QTest::newRow("only the case differs") << u"guest"_s << u"Guest"_s;
    }
    void shownUser() {
        QFETCH(QString, saved);
        QFETCH(QString, shown);
        if (!saved.isNull())
            ProgramFolder::saveSetting(u"User"_s, saved);
        startMain(*m_main);
        QCOMPARE(box()->currentText(), shown);
        QCOMPARE(box()->count(), 3);
        QCOMPARE(ProgramFolder::setting(u"User"_s), saved);
    }
    // Choosing alone saves nothing; leaving the box saves it. The long button minimises.
    void leavingTheBoxSavesItAndMinimise() {
        startMain(*m_main);
        box()->setFocus();
        QTest::keyClick(box(), Qt::Key_Down);
        QCOMPARE(box()->currentText(), u"O'Brien"_s);
        QVERIFY(!ProgramFolder::settingExists(u"User"_s));
        click(m_main->clock().Txt_A_2);
        QCOMPARE(ProgramFolder::setting(u"User"_s), u"O'Brien"_s);
        click(m_main->SSCommand2);
        QVERIFY(m_main->windowState() & Qt::WindowMinimized);
    }
    // A typed name keeps its letter case: "o'brien" is not completed into "O'Brien".
    void typedNameKeepsItsCase() {
        startMain(*m_main);
        box()->setFocus();
        box()->lineEdit()->clear();
        typeText(box()->lineEdit(), u"o'brien"_s);
        click(m_main->clock().Txt_A_2);
        QCOMPARE(box()->currentText() + u'|' + ProgramFolder::setting(u"User"_s), u"o'brien|o'brien"_s);
    }
    // On any answer but No the program ends at once: the unload does not run, so the shown user
    // is not saved and the database is not closed by it.
    void quit_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("yes") << u"Cmd_Yes"_s;
        QTest::newRow("no") << u"Cmd_No"_s;
    }
    void quit() {
        QFETCH(QString, answer);
        startMain(*m_main);
        box()->setEditText(u"山田"_s); // chosen; the box never had the focus
        int requests = 0;
        platform::setProgramEndHandler([&] { ++requests; });
        const auto seen = clickAnswering(m_main->SSCommand1, {answer});
        QCOMPARE(seen.value(0).text, u"Tamoru\u3000を終了してもよろしいですか？"_s);
        QCOMPARE(seen.value(0).focus, u"Cmd_No"_s);
        QCOMPARE(requests, answer == u"Cmd_Yes"_s ? 1 : 0);
        QVERIFY(!ProgramFolder::settingExists(u"User"_s));
        QVERIFY(Mod1::Db && m_main->isVisible());
    }

private:
    QComboBox* box() { return m_main->users().Cmb_User; }
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<Main> m_main;
};

QTEST_MAIN(UsersTest)
#include "test_users.moc"
