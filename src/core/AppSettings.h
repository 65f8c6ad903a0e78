#pragma once

#include <QString>

// The program's settings: application "Tamoru", section "DATA".
namespace core {

QString setting(const QString& key);
void saveSetting(const QString& key, const QString& value);

} // namespace core
