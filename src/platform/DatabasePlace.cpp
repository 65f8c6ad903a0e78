#include "platform/DatabasePlace.h"

#include "platform/ApplicationFolder.h"
#include "platform/Database.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace platform {

namespace {
QString databaseIn(const QString& folder) {
    return QDir(folder).filePath(u"TEL.mdb"_s);
}
} // namespace

DatabasePlace databasePlace() {
    const QString program = applicationFolder();
    const QString data = dataFolder();
    if (QFile::exists(databaseIn(program)) || data == program)
        return {program, {}};
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Tamoru"_s;
    if (QFile::exists(databaseIn(user)))
        return {user, {}};
    if (!QFile::exists(databaseIn(data)))
        return {data, {}};
    return {user, databaseIn(data)};
}

bool copyStartingDatabase(const DatabasePlace& place) {
    const QString file = databaseIn(place.folder);
    if (QDir().mkpath(place.folder) && QFile::copy(place.startingCopy, file)) {
        // The packaged file is the system's; the copy is to hold this user's diaries.
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }
    if (QFile::exists(file))
        return false;
    throw EngineError(u"The starting database could not be copied to %1."_s.arg(file), EngineError::Trouble::ReadOnly);
}

} // namespace platform
