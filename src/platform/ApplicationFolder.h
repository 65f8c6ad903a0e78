#pragma once

#include <QString>

namespace platform {

// The program's own folder as the platform reports it, without a trailing separator.
QString applicationFolder();

// Points the program at another folder (each test runs in a folder of its own).
void setApplicationFolder(const QString& folder);

} // namespace platform
