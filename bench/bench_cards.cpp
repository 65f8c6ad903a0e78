// Importing a file of 1,000 vCards into an empty phone book: the file read, every record
// checked and written in one transaction. The cards vary in what they hold: some carry only a
// name, others every column, several-line addresses, long notes with commas, quotes and
// characters outside the BMP, and names that the file repeats (skipped).
//
//   bench_cards [RUNS]        default 21; prints the median, the fastest and the slowest, the
//                             median of reading the file alone, and the summary of an import
#include "StartingDatabase.h"
#include "addressbook/AddressImport.h"
#include "addressbook/VCard.h"
#include "core/Mod1.h"
#include "platform/ApplicationFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using addressbook::Column;

namespace {

constexpr int cardCount = 1000;

std::vector<addressbook::AddressEntry> variedEntries() {
    const QString family = u"山田佐藤鈴木高橋田中伊藤渡辺中村小林加藤"_s;
    const QString note = u"打ち合わせは火曜日, \"午後\"; 𠮷野家の前で。"_s;
    std::vector<addressbook::AddressEntry> entries(cardCount);
    for (int i = 0; i < cardCount; ++i) {
        addressbook::AddressEntry& e = entries[std::size_t(i)];
        // Every 50th name repeats the one before it.
        const int n = i % 50 == 49 ? i - 1 : i;
        e[Column::Name_1] = family.mid(n % 10 * 2, 2) + u" 名前%1"_s.arg(n, 4, 10, QChar(u'0'));
        if (i % 10 == 0)
            continue; // a name alone
        e[Column::Furigana] = u"ﾌﾘｶﾞﾅ %1"_s.arg(n);
        e[Column::Sex_cd] = i % 3 == 0 ? QString() : QString::number(i % 2 + 1);
        e[Column::Birth] = u"%1/%2/%3"_s.arg(1930 + i % 90).arg(i % 12 + 1).arg(i % 28 + 1);
        e[Column::Yubin] = u"%1-%2"_s.arg(100 + i % 900).arg(i, 4, 10, QChar(u'0'));
        e[Column::Zyusyo] = i % 3 == 0 ? u"東京都港区\r\n芝公園%1-2-8"_s.arg(i) : u"大阪府大阪市北区本町%1"_s.arg(i);
        e[Column::Tel_1] = u"03-%1-2222"_s.arg(1000 + i);
        e[Column::Handy_1] = u"090-%1-5678"_s.arg(1000 + i);
        if (i % 4 == 0) {
            e[Column::Handy_2] = u"070-%1-0000"_s.arg(1000 + i);
            e[Column::PB] = u"020-%1-0000"_s.arg(1000 + i);
            e[Column::Fax_1] = u"03-%1-2223"_s.arg(1000 + i);
        }
        if (i % 2 == 0) {
            e[Column::K_Name] = u"株式会社 例%1"_s.arg(i % 37);
            e[Column::K_Yubin] = u"100-0005"_s;
            e[Column::K_Address] = u"東京都千代田区丸の内1-%1"_s.arg(i % 9 + 1);
            e[Column::K_Tel] = u"03-3333-%1"_s.arg(i, 4, 10, QChar(u'0'));
            e[Column::K_fax] = u"03-3334-%1"_s.arg(i, 4, 10, QChar(u'0'));
            e[Column::K_Email] = u"person%1@example.co.jp"_s.arg(i);
        }
        e[Column::Email] = u"person%1@example.jp"_s.arg(i);
        e[Column::HP_Address] = i % 5 == 0 ? u"https://example.jp/~%1/"_s.arg(i) : QString();
        e[Column::Bikou] = note.repeated(i % 7);
    }
    return entries;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

    QTemporaryDir folder;
    platform::setApplicationFolder(folder.path());
    std::string error;
    if (!createStartingDatabase(folder.filePath(u"TEL.mdb"_s).toStdString(), error))
        return 1;
    Mod1::OpenDb();
    const QByteArray file = addressbook::writeVCards(variedEntries());

    std::vector<double> imports, reads;
    addressbook::ImportSummary summary;
    QElapsedTimer clock;
    for (int i = 0; i < runs; ++i) {
        Mod1::Db->execute(u"delete from Mst_Address"_s);
        clock.start();
        const std::vector<addressbook::IncomingEntry> entries = addressbook::readVCards(file);
        reads.push_back(double(clock.nsecsElapsed()) / 1e6);
        summary = addressbook::importEntries(entries, addressbook::OnExisting::Skip);
        imports.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("import of %d vCards (%lld bytes) into an empty book, %d runs: median %.2f ms, fastest %.2f ms, "
                "slowest %.2f ms; reading the file alone: median %.2f ms\n",
                cardCount, static_cast<long long>(file.size()), runs, median(imports),
                *std::min_element(imports.begin(), imports.end()), *std::max_element(imports.begin(), imports.end()),
                median(reads));
    std::printf("summary: added %lld, replaced %lld, skipped %lld, refused %lld, with columns left out %lld\n",
                static_cast<long long>(summary.added.size()), static_cast<long long>(summary.replaced.size()),
                static_cast<long long>(summary.skipped.size()), static_cast<long long>(summary.refused.size()),
                static_cast<long long>(summary.leftOut.size()));
    Mod1::ResetState();
    return 0;
}
