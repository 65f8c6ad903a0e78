// The phone book with 100,000 records: opening the entry window with its list filled,
// choosing a record in it, and a search that matches every record up to the results window
// showing its filled list. Beside each figure, the time the database engine takes to open the
// same statement's rows alone, so one can tell the engine's share from the windows'.
//
//   bench_phonebook [RUNS]      default 7 runs of each; prints medians, fastest and slowest
#include "StartingDatabase.h"
#include "addressbook/DataCreate.h"
#include "addressbook/DataView.h"
#include "addressbook/Search_1.h"
#include "core/Mod1.h"
#include "platform/ApplicationFolder.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ModalWindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int recordCount = 100000;

// Every column filled; readings in an order unlike the insertion order.
const QString generateRecords = uR"(
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)
INSERT INTO Mst_Address(Name_1,Furigana,Name_2,Sex_cd,Birth,Yubin,Zyusyo,Tel_1,Fax_1,PB,Handy_1,Handy_2,
                        K_Name,K_Yubin,K_Address,K_Tel,K_fax,Email,K_Email,HP_Address,Bikou)
SELECT '山田 太郎' || i, 'ﾔﾏﾀﾞ ﾀﾛｳ' || printf('%06d', (i * 7919) % %1), 'たろう' || i, i % 2 + 1,
       (1930 + i % 70) || '/' || (i % 12 + 1) || '/' || (i % 28 + 1), '100-' || printf('%04d', i % 10000),
       '東京都千代田区一番町' || i || '丁目' || char(13) || char(10) || 'マンション' || i || '号室',
       '03-1234-' || printf('%04d', i % 10000), '03-1234-9999', '030-123-4567', '090-1234-' || printf('%04d', i % 10000),
       '070-1234-5678', '株式会社 山田商事', '100-0001', '東京都中央区二番町' || i, '03-9999-0000', '03-9999-0001',
       'taro' || i || '@example.jp', 'yamada' || i || '@example.co.jp', 'http://example.jp/~taro' || i || '/',
       '備考 ' || i
FROM n;
)"_s;

struct Figures {
    std::vector<double> times;
    void add(double ms) { times.push_back(ms); }
    void print(const char* what) {
        std::sort(times.begin(), times.end());
        std::printf("%-58s median %8.1f ms   fastest %8.1f   slowest %8.1f\n", what, times[times.size() / 2],
                    times.front(), times.back());
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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    platform::setUpDesktop();

    QTemporaryDir folder;
    std::string error;
    if (!createStartingDatabase(folder.filePath(u"TEL.mdb"_s).toStdString(), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    platform::setApplicationFolder(folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.filePath(u"settings"_s));
    try {
        Mod1::OpenDb();
        Mod1::Db->execute(generateRecords.arg(recordCount));
    } catch (const platform::EngineError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    std::printf("%d records, %d runs each\n", recordCount, runs);

    Figures engineList, openEntry, chooseRecord, engineRecord, engineSearch, search, chooseResult;
    for (int run = 0; run < runs; ++run) {
        engineList.add(millisecondsOf([] {
            Mod1::Db->openRecordset(u"select * from Mst_Address order by Furigana"_s, platform::Database::Dynaset);
        }));

        std::unique_ptr<DataCreate> entry;
        openEntry.add(millisecondsOf([&] {
            entry = std::make_unique<DataCreate>();
            entry->show();
            drawNow(*entry);
        }));
        if (entry->LS->count() != recordCount) {
            std::fprintf(stderr, "the list holds %d names\n", int(entry->LS->count()));
            return 1;
        }
        const int row = (run * 12347 + 5000) % recordCount;
        chooseRecord.add(millisecondsOf([&] {
            entry->LS->setCurrentRow(row);
            drawNow(*entry);
        }));
        const QString chosen = Mod1::Sql;
        engineRecord.add(millisecondsOf([&] { Mod1::Db->openRecordset(chosen, platform::Database::Dynaset); }));
        entry.reset();

        Search_1 conditions;
        conditions.show();
        drawNow(conditions);
        QElapsedTimer clock;
        double shown = 0;
        int listed = 0;
        platform::ModalWindows::setShownHook([&](QDialog& window) {
            auto& results = static_cast<DataView&>(window);
            drawNow(results);
            shown = double(clock.nsecsElapsed()) / 1e6;
            listed = int(results.LS->count());
            chooseResult.add(millisecondsOf([&] {
                results.LS->setCurrentRow(row);
                drawNow(results);
            }));
            results.SSCommand1->click();
        });
        clock.start();
        conditions.Cmd_Search->click();
        platform::ModalWindows::setShownHook(nullptr);
        if (listed != recordCount) {
            std::fprintf(stderr, "the search listed %d names\n", listed);
            return 1;
        }
        search.add(shown);
        engineSearch.add(millisecondsOf([] { Mod1::Db->openRecordset(Mod1::SearchSql, platform::Database::Dynaset); }));
    }

    openEntry.print("opening the entry window, list filled");
    engineList.print("  of which the engine's rows of its list statement");
    chooseRecord.print("choosing a record in the entry window");
    engineRecord.print("  of which the engine's rows of its record statement");
    search.print("search matching every record, results list shown");
    engineSearch.print("  of which the engine's rows of the search statement");
    chooseResult.print("choosing a record in the results window");
    Mod1::Rs.reset();
    Mod1::Db.reset();
    return 0;
}
