#pragma once

#include <QString>

namespace platform {

// The program's own folder as the platform reports it, without a trailing separator.
QString applicationFolder();

// Points the program at another folder (each test runs in a folder of its own).
void setApplicationFolder(const QString& folder);

// Where an installed program finds what ships with it (the starting database and the system
// folder): share/tamoru beside the bin folder that holds the program, reached from the
// program's own folder so that an installed tree works wherever it is unpacked.
QString packagedDataFolder();

// The folder of the starting database and the system folder: the packaged data folder when
// there is one (the program is installed), otherwise the program's own folder (portable).
QString dataFolder();

} // namespace platform
