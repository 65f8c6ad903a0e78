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
// system folder with its chime, and a settings store of its own. The program's globals are
// reset when the folder comes and goes.
class ProgramFolder {
public:
    enum class Database { Starting, None };

    explicit ProgramFolder(Database database = Database::Starting);
    ~ProgramFolder();

    QString path() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.filePath(QStringLiteral("TEL.mdb")); }
    QString systemFolder() const { return m_dir.filePath(QStringLiteral("system")); }

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
