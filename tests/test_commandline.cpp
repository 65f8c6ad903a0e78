// Taking a command line apart the way the platform does, and starting its program.
#include "Fixture.h"
#include "RecordingProgram.h"
#include "platform/ProgramStart.h"
#include "platform/SystemFolder.h"

#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::StartedProgram;
using platform::SystemTool;

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void systemToolNames();
    void start();
};

void CommandLineTest::parse_data() {
    QTest::addColumn<QString>("commandLine"); // %1 is the test's folder
    QTest::addColumn<QString>("program");     // empty: no program found
    QTest::addColumn<QStringList>("arguments");
    const QString tool = u"%1/bin dir/my tool"_s;
    QTest::newRow("blanks in the path, trailing blank") << tool + u' ' << tool << QStringList{};
    QTest::newRow("blanks and quotes in the options")
        << u"  %1/bin dir/my tool   -a  \"two words\" "_s << tool << QStringList{u"-a"_s, u"two words"_s};
    QTest::newRow("quoted program") << u"\"%1/bin dir/my tool\" -v"_s << tool << QStringList{u"-v"_s};
    QTest::newRow("shorter program first")
        << u"%1/bin dir/short cut"_s << u"%1/bin dir/short"_s << QStringList{u"cut"_s};
    QTest::newRow("on the search path") << u"sh -c true"_s << QStandardPaths::findExecutable(u"sh"_s)
                                        << QStringList{u"-c"_s, u"true"_s};
    QTest::newRow("a document") << u"%1/notes.txt "_s << QString() << QStringList{};
    QTest::newRow("a folder") << u"%1/bin dir "_s << QString() << QStringList{};
    QTest::newRow("missing") << u"%1/no such program"_s << QString() << QStringList{};
    QTest::newRow("no path, options") << u" -a"_s << QString() << QStringList{};
}

void CommandLineTest::parse() {
    QFETCH(QString, commandLine);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    ProgramFolder folder;
    const QString f = folder.path();
    const RecordingProgram tool(f + u"/bin dir/my tool"_s), shortName(f + u"/bin dir/short"_s),
        longName(f + u"/bin dir/short cut"_s);
    QFile document(f + u"/notes.txt"_s);
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.close();

    const auto parsed = platform::parseCommandLine(commandLine.arg(f));
    QCOMPARE(bool(parsed), !program.isEmpty());
    if (parsed) {
        QCOMPARE(parsed->program, program.arg(f));
        QCOMPARE(parsed->arguments, arguments);
        QVERIFY(!parsed->tool);
    }
}

// A tool name of the system folder, in any letter case, stands for the desktop program
// found for that tool.
void CommandLineTest::systemToolNames() {
    ProgramFolder folder;
    const RecordingProgram standIn(folder.path() + u"/stand-in"_s);
    const QStringList before = platform::systemToolCandidates(SystemTool::Calculator);
    const QString calculator = folder.systemFolder() + u"/CALC.exe"_s;

    platform::setSystemToolCandidates(SystemTool::Calculator, {u"no-such-program-here"_s, standIn.path()});
    auto parsed = platform::parseCommandLine(calculator + u' ');
    QVERIFY(parsed);
    QCOMPARE(parsed->tool, std::optional(SystemTool::Calculator));
    QCOMPARE(parsed->program, standIn.path());

    platform::setSystemToolCandidates(SystemTool::Calculator, {u"no-such-program-here"_s});
    const auto started = platform::startCommandLine(calculator);
    QCOMPARE(started.outcome, StartedProgram::Outcome::NotFound);
    QCOMPARE(started.tool, std::optional(SystemTool::Calculator));
    platform::setSystemToolCandidates(SystemTool::Calculator, before);
}

void CommandLineTest::start() {
    ProgramFolder folder;
    const RecordingProgram tool(folder.path() + u"/bin dir/my tool"_s);
    const auto started = platform::startCommandLine(tool.path() + u" -x \"y z\""_s);
    QVERIFY(started.started());
    QVERIFY(started.processId > 0);
    QTRY_VERIFY(tool.ran());
    QCOMPARE(tool.arguments(), (QStringList{u"-x"_s, u"y z"_s}));

    // Found, but the system cannot run it.
    QFile broken(folder.path() + u"/broken"_s);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("#!/no/such/interpreter\n");
    broken.close();
    broken.setPermissions(broken.permissions() | QFile::ExeOwner);
    QCOMPARE(platform::startCommandLine(broken.fileName()).outcome, StartedProgram::Outcome::Failed);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_commandline.moc"
