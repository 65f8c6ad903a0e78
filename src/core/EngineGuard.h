#pragma once

#include "platform/Database.h"

#include <utility>

class QWidget;

namespace core {

// Tells the user, in a notice owned by `owner`, that the database refused an action.
void reportEngineError(QWidget* owner, const platform::EngineError& error);

// Runs a handler. When the database refuses one of its statements the user gets a notice
// with the engine's words and the rest of the handler is abandoned. True when it ran through.
template <class Handler> bool guarded(QWidget* owner, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const platform::EngineError& error) {
        reportEngineError(owner, error);
        return false;
    }
}

} // namespace core
