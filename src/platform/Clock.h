#pragma once

#include <QDateTime>
#include <functional>

namespace platform {

// The current local date and time. Everything that reads the clock reads it here, so tests
// can set the moment.
QDateTime now();

// Replaces the clock; an empty function restores the real one.
void setClock(std::function<QDateTime()> clock);

} // namespace platform
