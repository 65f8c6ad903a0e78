#pragma once

#include "platform/Database.h"

#include <QObject>
#include <QWidget>
#include <utility>

namespace core {

// Why the database refused, in the user's words; the engine's own words go to the log (they
// stay in the text only when there is nothing better to say).
QString reasonOf(const platform::EngineError& error);

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

// Connects a signal to a handler that reaches the database, run as `guarded` with the notice
// owned by `owner`.
template <class Sender, class Signal, class Receiver>
void connectGuarded(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)(), QWidget* owner) {
    QObject::connect(sender, signal, receiver,
                     [receiver, handler, owner] { guarded(owner, [receiver, handler] { (receiver->*handler)(); }); });
}

// The same for a handler of a window, which owns the notice itself.
template <class Sender, class Signal, class Window>
void connectGuarded(Sender* sender, Signal signal, Window* window, void (Window::*handler)()) {
    connectGuarded(sender, signal, window, handler, window);
}

} // namespace core
