#pragma once

#include <QString>

namespace platform {

// Starts playing a wave file and returns at once while it plays on. False when the file is
// missing or there is no sound device to hear it on; nothing else is reported.
bool playWave(const QString& path);

} // namespace platform
