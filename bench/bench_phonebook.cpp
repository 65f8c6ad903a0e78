// The phone book with 100,000 records: the entry window opened with its list, the End key in
// that list, a search matching every record and one matching a tenth of them up to the
// results window showing its list, choosing a record in either window, and the memory of the
// program with the entry window open. Beside each time, the floor: the engine alone stepping
// through the same names in reading order (for a search, through the matching rows, with the
// engine's own like), in the same run, so a figure reads as a ratio a busy machine does not spoil.
//
//   bench_phonebook [RUNS]      default 7 runs of each; prints medians, fastest and slowest
//   bench_phonebook [RUNS] --server FOLDER
//                               the same windows again on a PostgreSQL server listening on a
//                               socket in FOLDER (scripts/test-server start FOLDER), run by run
//                               beside the file, with each figure's ratio to the file's
#include "StartingDatabase.h"
#include "addressbook/DataCreate.h"
#include "addressbook/DataView.h"
#include "addressbook/Search_1.h"
#include "core/Mod1.h"
#include "core/ServerSetup.h"
#include "platform/ApplicationFolder.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ModalWindows.h"
#include "platform/NameList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int recordCount = 100000;

// Every column filled; readings in an order unlike the insertion order; one name in ten has 郎.
const QString generateRecords = uR"(
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)
INSERT INTO Mst_Address(Name_1,Furigana,Name_2,Sex_cd,Birth,Yubin,Zyusyo,Tel_1,Fax_1,PB,Handy_1,Handy_2,
                        K_Name,K_Yubin,K_Address,K_Tel,K_fax,Email,K_Email,HP_Address,Bikou)
SELECT iif(i % 10 = 0, '山田 太郎', '山田 花子') || i, 'ﾔﾏﾀﾞ ﾀﾛｳ' || printf('%06d', (i * 7919) % %1), 'たろう' || i,
       i % 2 + 1, (1930 + i % 70) || '/' || (i % 12 + 1) || '/' || (i % 28 + 1), '100-' || printf('%04d', i % 10000),
       '東京都千代田区一番町' || i || '丁目' || char(13) || char(10) || 'マンション' || i || '号室',
       '03-1234-' || printf('%04d', i % 10000), '03-1234-9999', '030-123-4567', '090-1234-' || printf('%04d', i % 10000),
       '070-1234-5678', '株式会社 山田商事', '100-0001', '東京都中央区二番町' || i, '03-9999-0000', '03-9999-0001',
       'taro' || i || '@example.jp', 'yamada' || i || '@example.co.jp', 'http://example.jp/~taro' || i || '/',
       '備考 ' || i
FROM n;
)"_s;

struct Figures {
    std::vector<double> values;
    void add(double value) { values.push_back(value); }
    double median() {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }
    void print(const char* what, const char* unit = "ms") {
        const double middle = median();
        std::printf("%-52s median %8.1f %s   fastest %8.1f   slowest %8.1f\n", what, middle, unit, values.front(),
                    values.back());
    }
    void printAgainst(const char* what, Figures& floor, const char* against = "the floor") {
        print(what);
        std::printf("%-52s %.1f× %s\n", "", median() / floor.median(), against);
    }
};

double millisecondsOf(const std::function<void()>& step) {
    QElapsedTimer clock;
    clock.start();
    step();
    return double(clock.nsecsElapsed()) / 1e6;
}

// Lets the window lay out and paint what it has just been given.
void drawNow(QWidget& window) {
    QCoreApplication::processEvents();
    window.repaint();
}

// A record chosen in a list as a click chooses it, up to the window painting what changed.
void choose(platform::NameList& list, int row) {
    list.choose(row);
    QCoreApplication::processEvents();
}

// The engine alone: a statement stepped to its end on a connection of its own, every name
// touched, nothing copied.
double floorOf(const QString& file, const char* statement) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const double ms = millisecondsOf([&] {
        sqlite3_stmt* step = nullptr;
        sqlite3_prepare_v2(db, statement, -1, &step, nullptr);
        size_t bytes = 0;
        while (sqlite3_step(step) == SQLITE_ROW)
            bytes += size_t(sqlite3_column_bytes(step, 0)) + (sqlite3_column_text(step, 0) != nullptr);
        sqlite3_finalize(step);
        if (bytes == 0)
            std::fprintf(stderr, "the floor's statement found nothing\n");
    });
    sqlite3_close(db);
    return ms;
}

void useFolder(const QString& folder) {
    platform::setApplicationFolder(folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder + u"/settings"_s);
}

// Resident memory of this process, in kB.
long residentKb() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// In a process of its own: the program on the folder's TEL.mdb with the entry window open.
int reportMemory(const QString& folder) {
    useFolder(folder);
    Mod1::OpenDb();
    {
        DataCreate entry;
        entry.show();
        drawNow(entry);
        std::printf("%ld\n", residentKb());
    }
    Mod1::ResetState();
    return 0;
}

long memoryWith(const QString& program, const QString& folder) {
    QProcess child;
    child.start(program, {u"--memory"_s, folder});
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed().toLong();
}

// A search from the search window up to the results window showing its list; the list's size
// and the time to choose a record in it go to `listed` and `choosing`.
double searchFor(const QString& name, int row, int& listed, Figures& choosing) {
    Search_1 conditions;
    conditions.show();
    drawNow(conditions);
    conditions.Txt_Name_1->setText(name);
    QElapsedTimer clock;
    double shown = 0;
    platform::ModalWindows::setShownHook([&](QDialog& window) {
        auto& results = static_cast<DataView&>(window);
        drawNow(results);
        shown = double(clock.nsecsElapsed()) / 1e6;
        listed = results.LS->count();
        choosing.add(millisecondsOf([&] { choose(*results.LS, row % listed); }));
        results.SSCommand1->click();
    });
    clock.start();
    conditions.Cmd_Search->click();
    platform::ModalWindows::setShownHook(nullptr);
    return shown;
}

struct WindowFigures {
    Figures openEntry, endKey, chooseEntry, searchEvery, searchTenth, chooseResult;
};

// One run of the windows on the engine in use; false, having said why, when a list is wrong.
bool measureWindows(WindowFigures& figures, int run) {
    std::unique_ptr<DataCreate> entry;
    figures.openEntry.add(millisecondsOf([&] {
        entry = std::make_unique<DataCreate>();
        entry->show();
        drawNow(*entry);
    }));
    if (entry->LS->count() != recordCount) {
        std::fprintf(stderr, "the list holds %d names\n", entry->LS->count());
        return false;
    }
    entry->LS->choose(0); // a list without a current row goes to its first at End
    figures.endKey.add(millisecondsOf([&] {
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        QCoreApplication::sendEvent(entry->LS, &end);
        drawNow(*entry);
    }));
    if (entry->LS->indexAt(entry->LS->viewport()->rect().bottomLeft() + QPoint(4, -4)).row() != recordCount - 1) {
        std::fprintf(stderr, "the End key did not show the last name\n");
        return false;
    }
    const int row = (run * 12347 + 5000) % recordCount;
    figures.chooseEntry.add(millisecondsOf([&] { choose(*entry->LS, row); }));
    entry.reset();

    int listed = 0;
    figures.searchEvery.add(searchFor(QString(), row, listed, figures.chooseResult));
    if (listed != recordCount) {
        std::fprintf(stderr, "the search listed %d names\n", listed);
        return false;
    }
    figures.searchTenth.add(searchFor(u"郎"_s, row, listed, figures.chooseResult));
    if (listed != recordCount / 10) {
        std::fprintf(stderr, "the search for 郎 listed %d names\n", listed);
        return false;
    }
    return true;
}

QString serverAddressIn(const QString& folder, const QString& database) {
    return u"postgresql:///%1?host=%2&user=tamoru"_s.arg(database, folder); // as scripts/test-server makes it
}

QString benchDatabase() {
    return u"bench_%1"_s.arg(QCoreApplication::applicationPid());
}

QString serverInUse; // the benchmark's database on the server, once made

// The windows work on the server, or on the file again, from here on.
void useEngine(bool server) {
    Mod1::ResetState();
    core::saveServerAddress(server ? serverInUse : QString());
    Mod1::OpenDb();
}

// A database of the benchmark's own on the server, filled from the file.
void fillServer(const QString& folder) {
    serverInUse = serverAddressIn(folder, benchDatabase());
    auto workspace = platform::Workspace::defaultWorkspace();
    workspace->openServer(serverAddressIn(folder, u"postgres"_s))->execute(u"CREATE DATABASE "_s + benchDatabase());
    auto server = workspace->openServer(serverInUse);
    core::createServerDatabase(*server);
    core::copyToServer(*Mod1::Db, *server);
}

void dropServerDatabase(const QString& folder) {
    platform::Workspace::defaultWorkspace()
        ->openServer(serverAddressIn(folder, u"postgres"_s))
        ->execute(u"DROP DATABASE "_s + benchDatabase() + u" WITH (FORCE)"_s);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::setUpDesktop();
    if (argc > 2 && qstrcmp(argv[1], "--memory") == 0)
        return reportMemory(QString::fromLocal8Bit(argv[2]));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const QString server = argc > 3 && qstrcmp(argv[2], "--server") == 0 ? QString::fromLocal8Bit(argv[3]) : QString();

    QTemporaryDir empty, full;
    std::string error;
    for (const QTemporaryDir* folder : {&empty, &full}) {
        if (!createStartingDatabase(folder->filePath(u"TEL.mdb"_s).toStdString(), error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    }
    useFolder(full.path());
    try {
        Mod1::OpenDb();
        Mod1::Db->execute(generateRecords.arg(recordCount));
        if (!server.isEmpty())
            fillServer(server);
    } catch (const platform::EngineError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    const QString file = full.filePath(u"TEL.mdb"_s);
    std::printf("%d records, %d runs each\n", recordCount, runs);

    Figures namesFloor, everyFloor, tenthFloor, memoryEmpty, memoryFull;
    WindowFigures onFile, onServer;
    for (int run = 0; run < runs; ++run) {
        namesFloor.add(floorOf(file, "select Name_1 from Mst_Address order by Furigana"));
        everyFloor.add(floorOf(file, "select Name_1 from Mst_Address where Furigana like '%%' and Name_1 like '%%' "
                                     "order by Furigana"));
        tenthFloor.add(floorOf(file, "select Name_1 from Mst_Address where Furigana like '%%' and Name_1 like "
                                     "'%郎%' order by Furigana"));
        if (!measureWindows(onFile, run))
            return 1;
        if (!server.isEmpty()) {
            useEngine(true);
            const bool measured = measureWindows(onServer, run);
            useEngine(false);
            if (!measured)
                return 1;
        }
        memoryEmpty.add(double(memoryWith(app.applicationFilePath(), empty.path())) / 1024);
        memoryFull.add(double(memoryWith(app.applicationFilePath(), full.path())) / 1024);
    }

    namesFloor.print("floor: the engine stepping the names in reading order");
    onFile.openEntry.printAgainst("entry window opened, its list shown", namesFloor);
    onFile.endKey.print("End key in that list, the last name shown");
    onFile.chooseEntry.print("choosing a record in the entry window");
    everyFloor.print("floor: the engine stepping every matching name");
    onFile.searchEvery.printAgainst("search matching every record, results list shown", everyFloor);
    tenthFloor.print("floor: the engine stepping the names with 郎");
    onFile.searchTenth.printAgainst("search for 郎 (a tenth), results list shown", tenthFloor);
    onFile.chooseResult.print("choosing a record in the results window");
    memoryEmpty.print("memory, entry window open, empty phone book", "MB");
    memoryFull.print("memory, entry window open, 100,000 records", "MB");
    std::printf("%-52s %.2f× the empty phone book\n", "", memoryFull.median() / memoryEmpty.median());
    if (!server.isEmpty()) {
        std::printf("\non the PostgreSQL server (local socket), beside the file in the same runs:\n");
        const auto against = [](const char* what, Figures& there, Figures& here) {
            there.printAgainst(what, here, "the file");
        };
        against("entry window opened, its list shown", onServer.openEntry, onFile.openEntry);
        against("End key in that list, the last name shown", onServer.endKey, onFile.endKey);
        against("choosing a record in the entry window", onServer.chooseEntry, onFile.chooseEntry);
        against("search matching every record, results list shown", onServer.searchEvery, onFile.searchEvery);
        against("search for 郎 (a tenth), results list shown", onServer.searchTenth, onFile.searchTenth);
        against("choosing a record in the results window", onServer.chooseResult, onFile.chooseResult);
        Mod1::ResetState();
        dropServerDatabase(server);
    }
    Mod1::ResetState();
    return 0;
}
