#pragma once

#include <QString>

namespace platform {

// The per-user settings store, addressed by application, section and key. Every value is
// text; a key that was never written (or a store that does not exist yet) reads as empty
// text. Writing empty text keeps the key with an empty value. Nothing is cached: each call
// reads or writes the store itself.
QString GetSetting(const QString& application, const QString& section, const QString& key);
void SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value);

} // namespace platform
