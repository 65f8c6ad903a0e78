// make_database FILE: makes the starting TEL.mdb at FILE unless a database is already there,
// so rebuilding never touches the diaries and phone book a user has kept.
#include "StartingDatabase.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_database FILE\n");
        return 2;
    }
    const std::string path = argv[1];
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        return 0;
    std::string error;
    if (!createStartingDatabase(path, error)) {
        std::fprintf(stderr, "make_database: %s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    std::printf("made the starting database %s\n", path.c_str());
    return 0;
}
