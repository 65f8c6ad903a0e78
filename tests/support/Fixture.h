#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

namespace platform {
class Database;
}

// A fresh program folder for one test: a new starting TEL.mdb (unless asked not to), the
// system folder with its chime, and a settings store of its own. The program's globals are
// reset when the folder goes away.
class ProgramFolder {
public:
    enum class Database { Starting, None };

    explicit ProgramFolder(Database database = Database::Starting);
    ~ProgramFolder();

    QString path() const { return m_dir.path(); }
    QString databasePath() const;
    QString systemFolder() const;

    // A second connection to TEL.mdb, for looking at and preparing rows behind the program.
    platform::Database& db();
    QVariant scalar(const QString& statement);
    void execute(const QString& statement);

    // Writes a raw settings value, as an earlier run would have left it.
    static void saveSetting(const QString& key, const QString& value);
    static QString setting(const QString& key);
    static bool settingExists(const QString& key);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<platform::Database> m_db;
};

// Resets every global of the shared module to its start value and closes the database.
void resetProgramState();
