#pragma once

#include <QString>
#include <optional>

namespace platform {

// A PostgreSQL server and database as the settings name them:
// "postgresql://[user@]host[:port]/database[?key=value&…]" (also "postgres://"). The query's
// keys are the client library's connection parameters (sslmode, host for a socket folder,
// service, connect_timeout, …).
struct ServerAddress {
    QString host;     // empty for the client library's default
    int port = -1;    // -1 for the default
    QString database; // empty for the default
    QString user;     // empty for the default
    QString options;  // "key=value;key=value", as the toolkit's driver takes them
};

// The address read; nothing (with why, in Japanese, in `why`) when it is not a PostgreSQL
// address or holds a password, which belongs in the client library's password file instead.
std::optional<ServerAddress> readServerAddress(const QString& text, QString* why = nullptr);

} // namespace platform
