#pragma once

#include "StartingDatabase.h"

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

// Puts the starting TEL.mdb in the folder a benchmark starts the program in; without it there
// is nothing to measure, and the benchmark ends.
inline void makeStartingDatabase(const QTemporaryDir& folder) {
    std::string error;
    if (!createStartingDatabase(folder.filePath(QStringLiteral("TEL.mdb")).toStdString(), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(1);
    }
}
