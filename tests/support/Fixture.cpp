#include "Fixture.h"

#include "StartingDatabase.h"
#include "core/Mod1.h"
#include "core/ServerSetup.h"
#include "platform/ApplicationFolder.h"
#include "platform/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString testServer() {
    return qEnvironmentVariable("TAMORU_TEST_SERVER");
}

QString serverAddressOf(const QString& database) {
    return u"postgresql:///%1?host=%2&user=tamoru"_s.arg(database, testServer());
}

// Runs statements on the server's own database, which never goes away.
void onServerItself(const QString& statement) {
    auto admin = platform::Workspace::defaultWorkspace()->openServer(serverAddressOf(u"postgres"_s));
    admin->execute(statement);
}

} // namespace

bool ProgramFolder::onServer() {
    return !testServer().isEmpty();
}

ProgramFolder::ProgramFolder(Database database, Layout layout) {
    if (!m_dir.isValid())
        qFatal("cannot make a temporary program folder");
    Mod1::ResetState();
    const bool installed = layout == Layout::Installed;
    m_program = installed ? m_dir.filePath(u"usr/bin"_s) : m_dir.path();
    platform::setApplicationFolder(m_program);
    const QString data = installed ? platform::packagedDataFolder() : m_program;
    m_starting = data + u"/TEL.mdb"_s;
    m_system = data + u"/system"_s;
    const QString userData = m_dir.filePath(u"home/.local/share"_s);
    qputenv("XDG_DATA_HOME", QFile::encodeName(userData));
    m_database = installed ? userData + u"/Tamoru/TEL.mdb"_s : m_starting;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath(u"settings"_s));
    QDir().mkpath(m_program);
    QDir().mkpath(m_system);
    // A tiny valid wave file: the program only needs the chime to exist.
    QFile chime(systemFolder() + u"/THEMIC~1.WAV"_s);
    if (!chime.open(QIODevice::WriteOnly) ||
        chime.write(QByteArray::fromHex(
            "524946462600000057415645666d742010000000010001002256000044ac00000200100064617461020000000000")) != 46)
        qFatal("cannot write the chime");
    if (database == Database::Starting) {
        std::string error;
        if (!createStartingDatabase(m_starting.toStdString(), error))
            qFatal("cannot make the starting database: %s", error.c_str());
    }
    if (onServer() && database == Database::Starting) {
        static int made = 0;
        m_serverDatabase = u"t%1_%2"_s.arg(QCoreApplication::applicationPid()).arg(++made);
        m_server = serverAddressOf(m_serverDatabase);
        try {
            onServerItself(u"CREATE DATABASE "_s + m_serverDatabase);
            core::createServerDatabase(*platform::Workspace::defaultWorkspace()->openServer(m_server));
        } catch (const std::exception& error) {
            qFatal("cannot make the server's database: %s", error.what());
        }
        core::saveServerAddress(m_server);
    }
}

ProgramFolder::~ProgramFolder() {
    m_db.reset();
    Mod1::ResetState();
    if (!m_serverDatabase.isEmpty()) {
        try {
            onServerItself(u"DROP DATABASE "_s + m_serverDatabase + u" WITH (FORCE)"_s);
        } catch (const std::exception& error) {
            qWarning("the server's database stays: %s", error.what());
        }
    }
}

platform::Database& ProgramFolder::db() {
    if (!m_db)
        m_db = m_server.isEmpty() ? platform::Workspace::defaultWorkspace()->openDatabase(databasePath())
                                  : platform::Workspace::defaultWorkspace()->openServer(m_server);
    return *m_db;
}

QVariant ProgramFolder::scalar(const QString& statement) {
    auto rows = db().openRecordset(statement);
    return rows->atEnd() ? QVariant() : rows->field(u"TOTAL"_s);
}

void ProgramFolder::execute(const QString& statement) {
    db().execute(statement);
}

namespace {
std::unique_ptr<QSettings> store() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, u"Tamoru"_s);
}
} // namespace

void ProgramFolder::saveSetting(const QString& key, const QString& value) {
    store()->setValue(u"DATA/"_s + key, value);
}

QString ProgramFolder::setting(const QString& key) {
    return store()->value(u"DATA/"_s + key).toString();
}

bool ProgramFolder::settingExists(const QString& key) {
    return store()->contains(u"DATA/"_s + key);
}

void writeFile(const QString& path, const QByteArray& content, bool executable) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write a test file");
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

RecordingProgram::RecordingProgram(const QString& path) : m_path(path) {
    writeFile(path,
              "#!/bin/sh\nout=\"$0.args\"\n: > \"$out.part\"\n"
              "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.part\"; done\nmv \"$out.part\" \"$out\"\n",
              true);
}

QStringList RecordingProgram::arguments() const {
    QFile record(m_path + u".args"_s);
    return record.open(QIODevice::ReadOnly) ? QString::fromUtf8(record.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                            : QStringList();
}

namespace {
// Raises or lowers the permission override in this thread's effective privileges.
bool setPermissionOverride(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const auto bit = 1u << CAP_DAC_OVERRIDE;
    const bool wasOn = data[0].effective & bit;
    data[0].effective = on ? data[0].effective | bit : data[0].effective & ~bit;
    return syscall(SYS_capset, &header, data) == 0 && wasOn != on;
}
} // namespace

FolderWithoutNewFiles::FolderWithoutNewFiles(const QString& path) : m_path(path) {
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                    QFile::ReadOther | QFile::ExeOther);
    m_overrideLowered = setPermissionOverride(false);
}

FolderWithoutNewFiles::~FolderWithoutNewFiles() {
    if (m_overrideLowered)
        setPermissionOverride(true);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
