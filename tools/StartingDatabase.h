#pragma once

#include <string>

// The schema and starting rows of TEL.mdb (data/schema.sql).
extern const char* const startingSchema;

// Makes a new database file at `path` holding the starting schema and rows. The file is
// written under a temporary name and renamed into place, so a failure never leaves a
// half-made database behind. Refuses (returns false) when `path` already exists.
bool createStartingDatabase(const std::string& path, std::string& error);
