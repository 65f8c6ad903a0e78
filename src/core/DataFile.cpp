#include "core/DataFile.h"

#include "core/EngineGuard.h"
#include "core/FileError.h"
#include "core/Mod1.h"
#include "core/WholeFile.h"
#include "platform/DatabaseFile.h"
#include "platform/Log.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace core {

namespace {

// The day's copies are the files named by datedCopyName, whose names sort by day.
QStringList dailyCopiesIn(const QDir& folder) {
    QStringList copies;
    const QRegularExpression dated(uR"(^TEL_\d{4}-\d{2}-\d{2}\.mdb$)"_s);
    for (const QString& name : folder.entryList({u"TEL_*.mdb"_s}, QDir::Files, QDir::Name | QDir::Reversed)) {
        if (dated.match(name).hasMatch())
            copies.append(name);
    }
    return copies;
}

} // namespace

const QMap<QString, QStringList>& ourTables() {
    static const QMap<QString, QStringList> tables{
        {u"Mst_User"_s, {u"UserName"_s, u"UserPass"_s}},
        {u"TMP_Sche"_s, {u"Date_Data"_s, u"Daily_Data"_s, u"UserName"_s}},
        {u"Mst_Sex"_s, {u"Sex_Cd"_s, u"Sex_Name"_s}},
        {u"Mst_Address"_s,
         {u"Name_1"_s,    u"Furigana"_s, u"Name_2"_s, u"Sex_cd"_s,  u"Birth"_s,   u"Yubin"_s,      u"Zyusyo"_s,
          u"Tel_1"_s,     u"Fax_1"_s,    u"PB"_s,     u"Handy_1"_s, u"Handy_2"_s, u"K_Name"_s,     u"K_Yubin"_s,
          u"K_Address"_s, u"K_Tel"_s,    u"K_fax"_s,  u"Email"_s,   u"K_Email"_s, u"HP_Address"_s, u"Bikou"_s}},
    };
    return tables;
}

void checkOurs(const QMap<QString, QStringList>& tables) {
    QStringList missing;
    for (auto ours = ourTables().begin(); ours != ourTables().end(); ++ours) {
        QString table;
        for (auto it = tables.begin(); it != tables.end(); ++it) {
            if (it.key().compare(ours.key(), Qt::CaseInsensitive) == 0)
                table = it.key();
        }
        if (table.isNull()) {
            missing.append(ours.key());
            continue;
        }
        for (const QString& column : ours.value()) {
            if (!tables[table].contains(column, Qt::CaseInsensitive))
                missing.append(ours.key() + u'.' + column);
        }
    }
    if (!missing.isEmpty())
        throw platform::EngineError(
            u"This database does not belong to Tamoru: it has no %1."_s.arg(missing.join(u", "_s)),
            platform::EngineError::Trouble::NotOurs);
}

void bringUpToDate(platform::Database& db) {
    db.execute(u"CREATE INDEX IF NOT EXISTS Mst_Address_Reading ON Mst_Address (Furigana, Name_1)"_s);
}

QString datedCopyName(QDate day) {
    return u"TEL_"_s + day.toString(u"yyyy-MM-dd"_s) + u".mdb"_s;
}

namespace {

// Copies and restores are of the file; a server's database is backed up with the server's tools.
void refuseOnServer() {
    if (Mod1::Db->fileName().isEmpty())
        throw FileError(u"サーバーのデータベースは、ここではバックアップも復元もできません。"
                        u"サーバーの道具（pg_dump）を使ってください。"_s);
}

} // namespace

void makeBackup(const QString& target) {
    refuseOnServer();
    if (sameFile(target, Mod1::Db->fileName()))
        throw FileError(u"TEL.mdb そのものには書き出せません。別のファイルを選んでください。"_s);
    platform::copyDatabaseFile(Mod1::Db->fileName(), target);
}

void checkBackupFile(const QString& file) {
    refuseOnServer();
    if (sameFile(file, Mod1::Db->fileName()))
        throw FileError(u"いま使っている TEL.mdb からは復元できません。バックアップのファイルを選んでください。"_s);
    checkOurs(platform::inspectDatabaseFile(file));
}

QString restoreBackup(const QString& file, const QDateTime& now) {
    checkBackupFile(file);
    const QString current = Mod1::Db->fileName();
    const QString kept =
        QFileInfo(current).dir().filePath(u"TEL_復元前_"_s + now.toString(u"yyyy-MM-dd_HHmmss"_s) + u".mdb"_s);
    platform::copyDatabaseFile(current, kept);
    Mod1::Db->replaceWith(file);
    // The data is replaced now, whatever follows: the index a copy may lack is added at the
    // next start when it cannot be added here.
    try {
        bringUpToDate(*Mod1::Db);
    } catch (const platform::EngineError& error) {
        qCWarning(platform::log) << "the restored data stays without its index until the next start:"
                                 << error.message();
    }
    return kept;
}

bool makeDailyCopy(const QString& database, const QString& folder, QDate today) {
    const QDir dir(folder);
    if (dir.exists(datedCopyName(today)))
        return false;
    if (!QDir().mkpath(folder))
        throw platform::EngineError(u"Cannot make the folder '%1'."_s.arg(folder),
                                    platform::EngineError::Trouble::ReadOnly);
    platform::copyDatabaseFile(database, dir.filePath(datedCopyName(today)));
    const QStringList copies = dailyCopiesIn(dir);
    for (const QString& old : copies.mid(dailyCopiesKept))
        QFile::remove(dir.filePath(old));
    return true;
}

DailyCopy::DailyCopy(QWidget* owner) : m_owner(owner) {}

DailyCopy::~DailyCopy() {
    if (m_thread)
        m_thread->wait();
}

void DailyCopy::start(const QString& database, const QString& folder, QDate today) {
    m_folder = folder;
    m_reported = false;
    m_thread = QThread::create([this, database, folder, today] {
        try {
            makeDailyCopy(database, folder, today);
        } catch (const platform::EngineError& error) {
            m_problem = reasonOf(error);
        }
    });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, &DailyCopy::report);
    m_thread->start(QThread::LowPriority);
}

void DailyCopy::wait() {
    if (!m_thread)
        return;
    m_thread->wait();
    if (!m_reported)
        report();
}

void DailyCopy::report() {
    if (m_reported)
        return;
    m_reported = true;
    if (m_problem.isEmpty())
        return;
    Mod1::ShowMessage(u"自動バックアップを作成できませんでした。\r"_s + u"場所："_s +
                          QDir::toNativeSeparators(m_folder) + u"\r理由："_s + m_problem,
                      Mod1::KindNotice, m_owner, Mod1::FocusOk);
}

} // namespace core
