// The two halves of the crash test (scripts/crash-test), both on the program's own engine.
//
// crash_writer write FILE RUN: saves diaries and address records into FILE until it is
// killed, and prints "ack diary STEP" or "ack address STEP" once each save has returned,
// that is once it is committed. Steps of run RUN are numbered from RUN * 100000.
//
// crash_writer check FILE ACKS...: what a kill must leave: FILE passes the engine's integrity
// check, and every save acknowledged in the ACKS files reads back exactly. A diary may hold a
// later save of its date than the one acknowledged (committed, then killed before the line
// was printed), never an earlier one. A last line without its end was cut by the kill and
// does not count. Prints "acknowledged N lost N integrity WORD"; exits 1 on any loss
// or damage.
#include "addressbook/AddressRecord.h"
#include "calendar/DiaryTable.h"
#include "core/Mod1.h"
#include "platform/SqlText.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <map>
#include <vector>

using namespace Qt::StringLiterals;
using platform::sqlText;

namespace {

constexpr qint64 stepsPerRun = 100000;
constexpr qint64 diaryDates = 400; // later steps write over the diaries of earlier ones
const QString user = u"Guest"_s;

QString diaryDate(qint64 step) {
    return QDate(2001, 1, 1).addDays(step % diaryDates).toString(u"yyyy/M/d"_s);
}

QString addressName(qint64 step) {
    return u"控え%1"_s.arg(step);
}

// The text a step saves: its kind and step first, so that the check can tell which save a
// row holds, then a filler from a few words to several pages of the file long, so that the
// kills land in every phase of a commit.
QString savedText(const QString& kind, qint64 step) {
    static constexpr int lengths[] = {8, 300, 2500, 9000, 30000};
    const quint64 mix = quint64(step) * 0x9E3779B97F4A7C15ull;
    const QString words = u"日記の本文、O'Neil 様の住所と電話番号。\r\n"_s;
    QString text = u"%1 %2:"_s.arg(kind).arg(step);
    const int length = lengths[(mix >> 32) % std::size(lengths)];
    text.reserve(text.size() + length);
    for (int i = 0; i < length; ++i)
        text.append(words[qsizetype((mix + quint64(i)) % quint64(words.size()))]);
    return text;
}

void ack(const char* kind, qint64 step) {
    std::printf("ack %s %lld\n", kind, static_cast<long long>(step));
    std::fflush(stdout);
}

void saveAddress(qint64 step) {
    const auto value = [](const QString& text) { return u"'"_s + sqlText(text) + u"'"_s; };
    Mod1::Db->execute(u"INSERT INTO Mst_Address(Name_1,Furigana,Sex_cd,Zyusyo,Bikou) Values("_s +
                      value(addressName(step)) + u" , "_s + value(u"ひかえ%1"_s.arg(step)) +
                      u" , %1 , "_s.arg(1 + step % 2) + value(u"東京都 %1 番地"_s.arg(step)) + u" , "_s +
                      value(savedText(u"address"_s, step)) + u")"_s);
}

int writeUntilKilled(qint64 run) {
    for (qint64 step = run * stepsPerRun; step < (run + 1) * stepsPerRun; ++step) {
        const QString date = diaryDate(step);
        calendar::makeDiaryRow(date, user);
        calendar::writeDiaryText(date, user, savedText(u"diary"_s, step));
        ack("diary", step);
        saveAddress(step);
        ack("address", step);
    }
    return 0;
}

struct Acks {
    std::map<qint64, qint64> diaries; // the last step acknowledged for each date
    std::vector<qint64> addresses;
    qint64 count = 0;
};

bool readAcks(const QString& fileName, Acks& acks) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = file.readAll();
    for (const QByteArray& line : all.left(all.lastIndexOf('\n') + 1).split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (line.isEmpty())
            continue;
        bool number = false;
        const qint64 step = words.value(2).toLongLong(&number);
        if (words.size() != 3 || words[0] != "ack" || !number)
            return false;
        if (words[1] == "diary")
            acks.diaries[step % diaryDates] = std::max(acks.diaries[step % diaryDates], step);
        else if (words[1] == "address")
            acks.addresses.push_back(step);
        else
            return false;
        ++acks.count;
    }
    return true;
}

// "ok" for a sound file, else what the engine found wrong.
QString integrity() {
    try {
        auto rows = Mod1::Db->openRecordset(u"PRAGMA integrity_check"_s);
        QStringList found;
        for (; !rows->atEnd(); rows->moveNext())
            found.append(rows->field(u"integrity_check"_s).toString());
        return found.join(u"; "_s);
    } catch (const platform::EngineError& error) {
        return error.message();
    }
}

bool diaryKept(qint64 key, qint64 acked) {
    const QString text = calendar::readDiaryRow(diaryDate(key), user).text;
    bool number = false;
    const qint64 step = text.section(u':', 0, 0).section(u' ', 1).toLongLong(&number);
    return number && step >= acked && step % diaryDates == key && text == savedText(u"diary"_s, step);
}

bool addressKept(qint64 step) {
    return addressbook::openAddressRecord(addressName(step)) &&
           addressbook::fieldText(u"Furigana"_s) == u"ひかえ%1"_s.arg(step) &&
           addressbook::fieldText(u"Sex_cd"_s) == QString::number(1 + step % 2) &&
           addressbook::fieldText(u"Zyusyo"_s) == u"東京都 %1 番地"_s.arg(step) &&
           addressbook::fieldText(u"Bikou"_s) == savedText(u"address"_s, step);
}

// A save that cannot be read at all is lost too.
bool kept(const std::function<bool()>& read) {
    try {
        return read();
    } catch (const platform::EngineError&) {
        return false;
    }
}

int checkAfterKill(const QStringList& ackFiles) {
    Acks acks;
    for (const QString& fileName : ackFiles) {
        if (!readAcks(fileName, acks)) {
            std::fprintf(stderr, "crash_writer: %s cannot be read\n", qPrintable(fileName));
            return 2;
        }
    }
    const QString found = integrity();
    qint64 lost = 0;
    for (const auto& latest : acks.diaries) {
        if (!kept([&] { return diaryKept(latest.first, latest.second); })) {
            std::fprintf(stderr, "lost: the diary of step %lld\n", static_cast<long long>(latest.second));
            ++lost;
        }
    }
    for (const qint64 step : acks.addresses) {
        if (!kept([&] { return addressKept(step); })) {
            std::fprintf(stderr, "lost: the address record of step %lld\n", static_cast<long long>(step));
            ++lost;
        }
    }
    const bool sound = found == u"ok"_s;
    if (!sound)
        std::fprintf(stderr, "integrity check: %s\n", qPrintable(found));
    std::printf("acknowledged %lld lost %lld integrity %s\n", static_cast<long long>(acks.count),
                static_cast<long long>(lost), sound ? "ok" : "failed");
    return lost == 0 && sound ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    bool runGiven = false;
    const qint64 run = args.value(2).toLongLong(&runGiven);
    const bool writing = args.size() == 3 && args[0] == u"write"_s && runGiven && run >= 0;
    if (!writing && !(args.size() >= 3 && args[0] == u"check"_s)) {
        std::fprintf(stderr, "usage: crash_writer write FILE RUN | crash_writer check FILE ACKS...\n");
        return 2;
    }
    int result = 2;
    try {
        Mod1::Ws = platform::Workspace::defaultWorkspace();
        Mod1::Db = Mod1::Ws->openDatabase(args[1]);
        result = writing ? writeUntilKilled(run) : checkAfterKill(args.mid(2));
    } catch (const platform::EngineError& error) {
        std::fprintf(stderr, "crash_writer: %s\n", qPrintable(error.message()));
    }
    Mod1::ResetState();
    return result;
}
