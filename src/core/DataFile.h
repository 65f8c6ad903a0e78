#pragma once

#include "platform/Database.h"

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QThread>

class QWidget;

// TEL.mdb as a whole: what makes a database file ours, copies of it for safekeeping, and
// bringing a copy back.
namespace core {

// The tables this program reads and writes, each with the columns it needs.
const QMap<QString, QStringList>& ourTables();

// Throws NotOurs, naming what is missing, when the tables (with their columns) lack any of
// ours; names are compared without regard to case.
void checkOurs(const QMap<QString, QStringList>& tables);

// What a file made by an older version lacks (the index the lists read), added.
void bringUpToDate(platform::Database& db);

// A copy of TEL.mdb made on the day: "TEL_2026-12-07.mdb".
QString datedCopyName(QDate day);

// Writes a consistent copy of the open TEL.mdb to `target`, replacing a file there. Throws
// FileError when the target is TEL.mdb itself, EngineError when the copy fails.
void makeBackup(const QString& target);

// Throws unless `file` is a whole database of this program and not the open TEL.mdb itself:
// FileError for TEL.mdb, EngineError when the file is missing, no database, damaged (the
// engine's integrity check) or lacks any of our tables.
void checkBackupFile(const QString& file);

// Checks the file as checkBackupFile does, keeps the data it replaces as "TEL_復元前_<date>_<time>.mdb" beside TEL.mdb,
// then puts the file's data in the place of the open TEL.mdb. Returns the kept copy's path. Nothing is changed when it
// throws.
QString restoreBackup(const QString& file, const QDateTime& now);

// How many automatic copies are kept.
inline constexpr int dailyCopiesKept = 7;

// The automatic copy of the day: unless `folder` already holds the day's copy, copies
// `database` there and removes all but the newest dailyCopiesKept copies. Returns whether it
// made one; throws EngineError when the copy fails.
bool makeDailyCopy(const QString& database, const QString& folder, QDate today);

// The automatic copy at the first start of each day, made on a thread of its own so that the
// start does not wait for it. A copy that fails is told in a notice owned by `owner` once the
// thread has ended.
class DailyCopy : public QObject {
    Q_OBJECT
public:
    explicit DailyCopy(QWidget* owner);
    ~DailyCopy() override; // waits for the copy

    void start(const QString& database, const QString& folder, QDate today);
    // Waits until the copy is made (or has failed) and its notice, if any, has been shown.
    void wait();

private:
    void report();

    QPointer<QWidget> m_owner;
    QThread* m_thread = nullptr;
    QString m_folder;
    QString m_problem; // the engine's error, set by the thread
    bool m_reported = true;
};

} // namespace core
