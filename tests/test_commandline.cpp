// Taking a command line apart the way the platform does: where the program path ends.
#include "Fixture.h"
#include "RecordingProgram.h"
#include "platform/ProgramStart.h"

#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
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
    writeFile(f + u"/notes.txt"_s);

    const auto parsed = platform::parseCommandLine(commandLine.arg(f));
    QCOMPARE(bool(parsed), !program.isEmpty());
    if (parsed) {
        QCOMPARE(parsed->program, program.arg(f));
        QCOMPARE(parsed->arguments, arguments);
        QVERIFY(!parsed->tool);
    }
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_commandline.moc"
