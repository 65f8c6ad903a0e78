// The launcher settings window: opened from a slot's popup menu, it chooses a drive, a
// folder and a file, refuses what cannot be stored, and stores the slot on consent.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "RecordingProgram.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "launcher/LauncherFrame.h"
#include "launcher/SetPath.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/DriveList.h"
#include "platform/FileList.h"
#include "platform/FolderList.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::twips;

namespace {

constexpr int slot = 6;

QString key(const QString& prefix) {
    return prefix + QString::number(slot);
}

void saveSlot(const QString& name, const QString& file, const QString& options) {
    ProgramFolder::saveSetting(key(u"LN"_s), name);
    ProgramFolder::saveSetting(key(u"LF"_s), file);
    ProgramFolder::saveSetting(key(u"LO"_s), options);
}

QStringList listed(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void clickFile(platform::FileList* list, const QString& name) {
    const auto items = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(name));
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

void openFolder(platform::FolderList* list, const QString& name) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text() == name) {
            list->scrollToItem(list->item(i));
            const QPoint at = list->visualItemRect(list->item(i)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
            return;
        }
    }
    QFAIL(qPrintable(u"no folder "_s + name));
}

void pickListItem(QComboBox* box, int index) {
    box->showPopup();
    QAbstractItemView* view = box->view();
    QTRY_VERIFY(view->isVisible());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(index, 0)).center());
}

// The program folder with a few files to choose from.
struct Files {
    explicit Files(const ProgramFolder& folder)
        : dir(folder.path() + u"/bin dir"_s), program(dir + u"/記録 する"_s), wildcard(dir + u"/a*b"_s) {
        QFile notes(dir + u"/notes.txt"_s);
        if (!notes.open(QIODevice::WriteOnly))
            qFatal("cannot write notes.txt");
        QDir(dir).mkpath(u"sub"_s);
    }
    QString dir;
    RecordingProgram program;
    RecordingProgram wildcard;
};

// Opens the settings window for the slot through the slot's popup menu, as a person does.
void openThroughTheMenu(Main& main) {
    LauncherFrame& launcher = main.launcher();
    QTest::mouseMove(launcher.Cmd_LN[slot], QPoint(1, 1));
    QTest::mouseMove(launcher.Cmd_LN[slot]);
    QTest::mousePress(launcher.Cmd_LN[slot], Qt::RightButton);
    QTest::mouseRelease(launcher.Cmd_LN[slot], Qt::RightButton);
    QTRY_VERIFY(launcher.Link->isVisible());
    QTest::mouseClick(launcher.Link, Qt::LeftButton, {}, launcher.Link->actionGeometry(launcher.Lnk_Rem).center());
}

// An action on the settings window; when a check in it fails, the window is closed so the
// test ends instead of waiting on it.
std::function<void(QDialog&)> inSetPath(std::function<void(SetPath&)> action) {
    return [action](QDialog& dialog) {
        auto& window = static_cast<SetPath&>(dialog);
        action(window);
        if (QTest::currentTestFailed() && window.isVisible())
            window.done(0);
    };
}

} // namespace

class SetPathTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void emptySlotOpensOnTheCurrentFolder();
    void refusals_data();
    void refusals();
    void answerToTheQuestion_data();
    void answerToTheQuestion();
    void loadingAStoredSlot_data();
    void loadingAStoredSlot();
    void fileInTheRootFolder();
    void patternSwitch();
    void unreadableDriveKeepsTheLastOne();
};

void SetPathTest::initTestCase() {
    platform::setUpDesktop();
}

void SetPathTest::emptySlotOpensOnTheCurrentFolder() {
    ProgramFolder folder;
    ProgramFolder::saveSetting(key(u"LN"_s), u"名前だけ"_s); // a name alone does not fill the window
    Main main;
    startMain(main);
    ModalScript script;
    script.then(u"SetPath"_s, inSetPath([&](SetPath& w) {
                    QCOMPARE(Mod1::EditSlot, qint16(slot));
                    QCOMPARE(w.pos(), QPoint(twips(400), twips(400)));
                    QCOMPARE(w.Di->path(), QDir::currentPath());
                    QCOMPARE(w.Dr->drive(), platform::DriveList::driveOf(QDir::currentPath()));
                    QCOMPARE(w.Cmb_Pattern->currentText(), u"*.exe"_s);
                    QCOMPARE(w.FL->pattern(), u"*.exe"_s);
                    QVERIFY(w.Txt_LN->text().isEmpty());
                    QVERIFY(w.Lab_LN->caption().isEmpty());
                    QVERIFY(w.Lab_LF->caption().isEmpty());
                    QTRY_COMPARE(w.focusWidget(), w.Txt_LN);
                    QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
                }));
    openThroughTheMenu(main);
    QVERIFY2(script.finished(), qPrintable(script.report()));
}

void SetPathTest::refusals_data() {
    QTest::addColumn<QString>("file"); // empty: none chosen
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notice");
    QTest::newRow("no file") << u""_s << u"記録"_s << u"起動ファイルが選択されていません。"_s;
    QTest::newRow("wildcard") << u"a*b"_s << u"記録"_s << u"ワイルドカード（＊）は使用できません。"_s;
    QTest::newRow("no name") << u"記録 する"_s << u""_s << u"ファイル名称が選択されていません。"_s;
    QTest::newRow("blank name") << u"記録 する"_s << u"   "_s << u"ファイル名称が選択されていません。"_s;
    QTest::newRow("wildcard before name") << u"a*b"_s << u""_s << u"ワイルドカード（＊）は使用できません。"_s;
}

void SetPathTest::refusals() {
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QString, notice);
    ProgramFolder folder;
    const Files files(folder);
    saveSlot(u"前の名前"_s, u""_s, u"前"_s);
    Main main;
    startMain(main);
    QString shownFile;
    ModalScript script;
    script
        .then(u"SetPath"_s, inSetPath([&](SetPath& w) {
                  w.Di->setPath(files.dir);
                  if (!file.isEmpty())
                      clickFile(w.FL, file);
                  typeText(w.Txt_LN, name);
                  QTest::mouseClick(w.Cmd_Set, Qt::LeftButton);
                  QVERIFY(w.isVisible()); // open, as it was, for another try
                  QCOMPARE(w.Lab_LN->caption(), name);
                  shownFile = w.Lab_LF->caption();
                  QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
              }))
        .press(u"Cmd_OK"_s);
    openThroughTheMenu(main);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().size(), 1);
    QCOMPARE(script.messages()[0].text, notice);
    QCOMPARE(shownFile, file.isEmpty() ? QString() : files.dir + u'/' + file);
    QCOMPARE(ProgramFolder::setting(key(u"LN"_s)), u"前の名前"_s);
    QCOMPARE(ProgramFolder::setting(key(u"LO"_s)), u"前"_s);
    QCOMPARE(main.launcher().Lab_L[slot]->caption(), u"前の名前"_s);
}

void SetPathTest::answerToTheQuestion_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("No") << u"Cmd_No"_s;
    QTest::newRow("Yes") << u"Cmd_Yes"_s;
}

void SetPathTest::answerToTheQuestion() {
    QFETCH(QString, answer);
    const bool yes = answer == u"Cmd_Yes"_s;
    ProgramFolder folder;
    const Files files(folder);
    Main main;
    startMain(main);
    bool openAfterAnswer = false;
    ModalScript script;
    script
        .then(u"SetPath"_s, inSetPath([&](SetPath& w) {
                  w.Di->setPath(folder.path());
                  openFolder(w.Di, u"bin dir"_s); // a double click opens a folder
                  QCOMPARE(w.Di->path(), files.dir);
                  QCOMPARE(listed(w.FL), (QStringList{u"a*b"_s, u"記録 する"_s}));
                  clickFile(w.FL, u"記録 する"_s);
                  typeText(w.Txt_LN, u" 記録"_s);
                  QCOMPARE(w.Lab_LN->caption(), u" 記録"_s); // it follows every keystroke
                  typeText(w.Txt_LN, u"帳 "_s);
                  typeText(w.Txt_Op, u"-v  \"二 語\""_s);
                  QTest::mouseClick(w.Cmd_Set, Qt::LeftButton);
                  openAfterAnswer = w.isVisible();
                  if (openAfterAnswer)
                      QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
              }))
        .press(answer);
    openThroughTheMenu(main);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, u"設定してよろしいですか？"_s);
    QCOMPARE(script.messages()[0].kind, 1);
    QCOMPARE(script.messages()[0].focus, u"Cmd_Yes"_s);
    QCOMPARE(openAfterAnswer, !yes);

    if (!yes) {
        QVERIFY(!ProgramFolder::settingExists(key(u"LN"_s)));
        QVERIFY(!ProgramFolder::settingExists(key(u"LF"_s)));
        QVERIFY(!ProgramFolder::settingExists(key(u"LO"_s)));
        QCOMPARE(main.launcher().Lab_L[slot]->caption(), u""_s);
        return;
    }
    QCOMPARE(ProgramFolder::setting(key(u"LN"_s)), u" 記録帳 "_s); // blanks stay
    QCOMPARE(ProgramFolder::setting(key(u"LF"_s)), files.dir + u"/記録 する"_s);
    QCOMPARE(ProgramFolder::setting(key(u"LO"_s)), u"-v  \"二 語\""_s);
    QCOMPARE(main.launcher().Lab_L[slot]->caption(), u" 記録帳 "_s);

    // The slot now starts what was chosen.
    QTest::mouseClick(main.launcher().Cmd_LN[slot], Qt::LeftButton);
    QTRY_VERIFY(files.program.ran());
    QCOMPARE(files.program.arguments(), (QStringList{u"-v"_s, u"二 語"_s}));
}

void SetPathTest::loadingAStoredSlot_data() {
    QTest::addColumn<QString>("stored"); // %1 is the folder with the files
    QTest::addColumn<QString>("folder"); // the folder the lists open on; empty: the current one
    QTest::addColumn<QString>("selected");
    QTest::newRow("as listed") << u"%1/記録 する"_s << u"%1"_s << u"記録 する"_s;
    QTest::newRow("other letter case") << u"%1/A*B"_s << u"%1"_s << u"a*b"_s;
    QTest::newRow("blanks after the name") << u"%1/記録 する  "_s << u"%1"_s << u"記録 する"_s;
    QTest::newRow("file gone") << u"%1/消えた"_s << u"%1"_s << u""_s;
    QTest::newRow("not a program") << u"%1/notes.txt"_s << u"%1"_s << u""_s;
    QTest::newRow("folder gone") << u"%1/消えた/記録 する"_s << u""_s << u""_s;
    QTest::newRow("no folder") << u"記録 する"_s << u""_s << u""_s;
}

void SetPathTest::loadingAStoredSlot() {
    QFETCH(QString, stored);
    QFETCH(QString, folder);
    QFETCH(QString, selected);
    ProgramFolder programFolder;
    const Files files(programFolder);
    stored.replace(u"%1"_s, files.dir);
    folder = folder.isEmpty() ? QDir::currentPath() : folder.replace(u"%1"_s, files.dir);
    saveSlot(u"記録"_s, stored, u" -q"_s);
    Main main;
    startMain(main);
    ModalScript script;
    script.then(u"SetPath"_s, inSetPath([&](SetPath& w) {
                    QCOMPARE(w.Di->path(), folder);
                    QCOMPARE(w.FL->path(), folder);
                    QCOMPARE(w.FL->fileName(), selected);
                    QCOMPARE(w.Lab_LF->caption(), selected.isEmpty() ? QString() : files.dir + u'/' + selected);
                    QCOMPARE(w.Txt_LN->text(), u"記録"_s);
                    QCOMPARE(w.Lab_LN->caption(), u"記録"_s);
                    QCOMPARE(w.Txt_Op->text(), u" -q"_s);
                    QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
                }));
    openThroughTheMenu(main);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(ProgramFolder::setting(key(u"LF"_s)), stored); // leaving through "ＥＸＩＴ" stores nothing
}

// The root folder already ends in "/", so the stored path holds two of them after the root;
// loading it again finds the root and the file.
void SetPathTest::fileInTheRootFolder() {
    const QString root = QDir::rootPath();
    const QStringList rootFiles = QDir(root).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (rootFiles.isEmpty())
        QSKIP("the root folder of this machine holds no file to choose");
    ProgramFolder folder;
    Main main;
    startMain(main);
    ModalScript script;
    script
        .then(u"SetPath"_s, inSetPath([&](SetPath& w) {
                  w.Dr->setDrive(root);
                  w.Di->setPath(root);
                  pickListItem(w.Cmb_Pattern, 1);
                  clickFile(w.FL, rootFiles.first());
                  typeText(w.Txt_LN, u"根"_s);
                  QTest::mouseClick(w.Cmd_Set, Qt::LeftButton);
              }))
        .press(u"Cmd_Yes"_s)
        .then(u"SetPath"_s, inSetPath([&](SetPath& w) {
                  QCOMPARE(w.Di->path(), root);
                  QCOMPARE(w.Dr->drive(), platform::DriveList::driveOf(root));
                  // It opens under "*.exe": a program is chosen again, another file is not listed.
                  const bool program = QFileInfo(root + rootFiles.first()).isExecutable();
                  QCOMPARE(w.FL->fileName(), program ? rootFiles.first() : QString());
                  QCOMPARE(w.Lab_LF->caption(), program ? root + u'/' + rootFiles.first() : QString());
                  QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
              }));
    openThroughTheMenu(main);
    QTRY_VERIFY(ProgramFolder::settingExists(key(u"LF"_s)));
    QCOMPARE(ProgramFolder::setting(key(u"LF"_s)), root + u'/' + rootFiles.first());
    openThroughTheMenu(main);
    QVERIFY2(script.finished(), qPrintable(script.report()));
}

void SetPathTest::patternSwitch() {
    ProgramFolder folder;
    const Files files(folder);
    Main main;
    startMain(main);
    ModalScript script;
    script.then(u"SetPath"_s, inSetPath([&](SetPath& w) {
                    w.Di->setPath(files.dir);
                    const QStringList programs{u"a*b"_s, u"記録 する"_s};
                    QCOMPARE(listed(w.FL), programs);
                    pickListItem(w.Cmb_Pattern, 1);
                    QCOMPARE(w.Cmb_Pattern->currentText(), u"*.*"_s);
                    QCOMPARE(listed(w.FL), (QStringList{u"a*b"_s, u"notes.txt"_s, u"記録 する"_s}));
                    pickListItem(w.Cmb_Pattern, 0);
                    QCOMPARE(listed(w.FL), programs);

                    // Typed text is not a pattern; only a list item is.
                    w.Cmb_Pattern->lineEdit()->selectAll();
                    typeText(w.Cmb_Pattern->lineEdit(), u"*.txt"_s);
                    QTest::keyClick(w.Cmb_Pattern->lineEdit(), Qt::Key_Return);
                    QCOMPARE(listed(w.FL), programs);
                    QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
                }));
    openThroughTheMenu(main);
    QVERIFY2(script.finished(), qPrintable(script.report()));
}

void SetPathTest::unreadableDriveKeepsTheLastOne() {
    ProgramFolder folder;
    const Files files(folder);
    const QString gone = folder.path() + u"/gone drive"_s;
    Main main;
    startMain(main);
    ModalScript script;
    script
        .then(u"SetPath"_s, inSetPath([&](SetPath& w) {
                  w.Dr->setDrives({QDir::currentPath(), files.dir, gone});
                  w.Dr->setCurrentIndex(1);
                  QCOMPARE(w.Di->path(), files.dir);
                  QCOMPARE(listed(w.FL), (QStringList{u"a*b"_s, u"記録 する"_s}));
                  w.Dr->setCurrentIndex(2);
                  QCOMPARE(w.Dr->drive(), files.dir);
                  QCOMPARE(w.Di->path(), files.dir);
                  QTest::mouseClick(w.Cmd_Insert, Qt::LeftButton);
              }))
        .press(u"Cmd_OK"_s);
    openThroughTheMenu(main);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, u"ドライブ %1 を読み取れません。"_s.arg(gone));
}

QTEST_MAIN(SetPathTest)
#include "test_setpath.moc"
