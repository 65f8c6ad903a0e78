#pragma once

#include <QLoggingCategory>

namespace platform {

// What the program lets go on purpose (a step of the load that failed, a rollback the engine
// had already made) is written here instead of vanishing. QT_LOGGING_RULES="tamoru*=true"
// shows the debug lines too.
Q_DECLARE_LOGGING_CATEGORY(log)

} // namespace platform
