#include "Fixture.h"

#include "StartingDatabase.h"
#include "core/Mod1.h"
#include "platform/ApplicationFolder.h"
#include "platform/Database.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A tiny valid wave file: the program only needs the chime to exist.
void writeChime(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the chime");
    const QByteArray header = QByteArray::fromHex("52494646"
                                                  "26000000"
                                                  "57415645"
                                                  "666d7420"
                                                  "10000000"
                                                  "0100"
                                                  "0100"
                                                  "22560000"
                                                  "44ac0000"
                                                  "0200"
                                                  "1000"
                                                  "64617461"
                                                  "02000000"
                                                  "0000");
    file.write(header);
}

} // namespace

ProgramFolder::ProgramFolder(Database database) {
    if (!m_dir.isValid())
        qFatal("cannot make a temporary program folder");
    resetProgramState();
    platform::setApplicationFolder(m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath(u"settings"_s));
    QDir(m_dir.path()).mkpath(u"system"_s);
    writeChime(systemFolder() + u"/THEMIC~1.WAV"_s);
    if (database == Database::Starting) {
        std::string error;
        if (!createStartingDatabase(databasePath().toStdString(), error))
            qFatal("cannot make the starting database: %s", error.c_str());
    }
}

ProgramFolder::~ProgramFolder() {
    m_db.reset();
    resetProgramState();
}

QString ProgramFolder::databasePath() const {
    return m_dir.filePath(u"TEL.mdb"_s);
}

QString ProgramFolder::systemFolder() const {
    return m_dir.filePath(u"system"_s);
}

platform::Database& ProgramFolder::db() {
    if (!m_db)
        m_db = platform::Workspace::defaultWorkspace()->openDatabase(databasePath());
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
std::unique_ptr<QSettings> testStore() {
    auto s = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, u"Tamoru"_s);
    s->beginGroup(u"DATA"_s);
    return s;
}
} // namespace

void ProgramFolder::saveSetting(const QString& key, const QString& value) {
    auto s = testStore();
    s->setValue(key, value);
    s->sync();
}

QString ProgramFolder::setting(const QString& key) {
    return testStore()->value(key).toString();
}

bool ProgramFolder::settingExists(const QString& key) {
    return testStore()->contains(key);
}

void resetProgramState() {
    Mod1::ResetState();
}
