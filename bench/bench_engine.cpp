// The database engine on a large phone book: reading every record in reading order, a
// contains-search over every record, and one record by name.
//
//   bench_engine [RECORDS] [RUNS]      default 100000 records, 9 runs; prints medians
#include "StartingDatabase.h"
#include "platform/Database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void fill(platform::Database& db, int records) {
    platform::Transaction t(db);
    for (int i = 0; i < records; ++i) {
        const QString n = QString::number(i);
        db.execute(u"INSERT INTO Mst_Address(Name_1,Furigana,Name_2,Sex_cd,Birth,Yubin,Zyusyo,Tel_1,Fax_1,PB,"
                   u"Handy_1,Handy_2,K_Name,K_Yubin,K_Address,K_Tel,K_fax,Email,K_Email,HP_Address,Bikou) Values("
                   u"'山田 太郎%1' , 'ﾔﾏﾀﾞ ﾀﾛｳ%1' , 'たろう' , %2 , '1970/1/%3' , '100-0001' , "
                   u"'東京都千代田区千代田1-%1' , '03-1234-%1' , '03-1234-9999' , '' , '090-0000-%1' , '' , "
                   u"'株式会社山田商店' , '100-0002' , '東京都千代田区丸の内2-%1' , '03-5555-%1' , '03-5555-0000' , "
                   u"'taro%1@example.jp' , 'yamada%1@example.co.jp' , 'https://example.jp/%1' , '備考%1')"_s.arg(n)
                       .arg(i % 2 + 1)
                       .arg(i % 28 + 1));
    }
    t.commit();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 9;
    QTemporaryDir folder;
    const QString file = folder.filePath(u"TEL.mdb"_s);
    std::string error;
    if (!createStartingDatabase(file.toStdString(), error))
        return 1;
    auto db = platform::Workspace::defaultWorkspace()->openDatabase(file);
    fill(*db, records);

    int seen = 0;
    const double list = medianMs(runs, [&] {
        auto rows = db->openRecordset(u"select * from Mst_Address order by Furigana"_s);
        for (seen = 0; !rows->atEnd(); rows->moveNext())
            seen += rows->field(u"Name_1"_s).toString().size() > 0;
    });
    const double search = medianMs(runs, [&] {
        auto rows = db->openRecordset(u"SELECT * FROM Mst_Address Where Furigana like '**'And Name_1 like '*田*'"
                                      u" Order by Furigana"_s);
        for (seen = 0; !rows->atEnd(); rows->moveNext())
            seen += rows->field(u"Name_1"_s).toString().size() > 0;
    });
    const double one = medianMs(runs, [&] {
        auto rows = db->openRecordset(u"select Mst_Address.* , Mst_Sex.* from Mst_Address , Mst_Sex Where Name_1 = "
                                      u"'山田 太郎4242'  AND Mst_Address.Sex_cd = Mst_Sex.sex_cd ;"_s);
        seen = rows->atEnd() ? 0 : 1;
    });
    std::printf("%d records, median of %d runs: every record in reading order %.1f ms, search matching every "
                "record %.1f ms, one record by name %.2f ms\n",
                records, runs, list, search, one);
    return seen >= 0 ? 0 : 1;
}
