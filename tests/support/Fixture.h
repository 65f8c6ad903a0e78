#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

namespace platform {
class Database;
}

// A fresh program folder for one test: a new starting TEL.mdb (unless asked not to), the
// system folder with its chime, and a settings store and a user's data folder of its own.
// Portable, all of it lies in the program's folder; installed, the program is in usr/bin and
// the starting TEL.mdb and the system folder in its packaged data folder, while the user's
// data folder has no TEL.mdb yet. The program's globals are reset when the folder comes and goes.
class ProgramFolder {
public:
    enum class Database { Starting, None };
    enum class Layout { Portable, Installed };

    explicit ProgramFolder(Database database = Database::Starting, Layout layout = Layout::Portable);
    ~ProgramFolder();

    // True when the tests run against a PostgreSQL server (TAMORU_TEST_SERVER names the folder
    // of its socket): each program folder then has a fresh database of its own on the server,
    // named in its settings, besides the file.
    static bool onServer();

    QString path() const { return m_program; }          // the program's folder
    QString databasePath() const { return m_database; } // the TEL.mdb the program is to use
    QString serverAddress() const { return m_server; }  // its server database; empty on the file
    QString startingDatabasePath() const { return m_starting; }
    QString systemFolder() const { return m_system; }

    // A second connection to TEL.mdb, for looking at and preparing rows behind the program.
    platform::Database& db();
    QVariant scalar(const QString& statement); // the column TOTAL of the first row
    void execute(const QString& statement);

    // The settings store, section DATA, as an earlier run or another program leaves it.
    static void saveSetting(const QString& key, const QString& value);
    static QString setting(const QString& key);
    static bool settingExists(const QString& key);

private:
    QTemporaryDir m_dir;
    QString m_program, m_database, m_starting, m_system, m_server, m_serverDatabase;
    std::unique_ptr<platform::Database> m_db;
};

// Writes a file and the folders above it; an executable file is a program to the platform.
void writeFile(const QString& path, const QByteArray& content = {}, bool executable = false);

// Keeps a folder from taking new files while it lives. A test run as root is not held to a
// folder's permissions, so this thread also gives up that privilege for as long.
class FolderWithoutNewFiles {
public:
    explicit FolderWithoutNewFiles(const QString& path);
    ~FolderWithoutNewFiles();

private:
    QString m_path;
    bool m_overrideLowered = false;
};

// A harmless program of the test's own: a shell script that writes the arguments it was
// given, one to a line, to a file beside itself.
class RecordingProgram {
public:
    explicit RecordingProgram(const QString& path);
    const QString& path() const { return m_path; }
    bool ran() const { return QFile::exists(m_path + QStringLiteral(".args")); }
    QStringList arguments() const;

private:
    QString m_path;
};
