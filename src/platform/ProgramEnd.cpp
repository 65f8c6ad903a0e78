#include "platform/ProgramEnd.h"

#include <QCoreApplication>

namespace platform {

namespace {

std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}

} // namespace

void endProgram() {
    if (endHandler()) {
        endHandler()();
        return;
    }
    // An activation queued when the question closed, and anything else waiting, must not run.
    QCoreApplication::removePostedEvents(nullptr);
    QCoreApplication::exit(0);
}

void setProgramEndHandler(std::function<void()> handler) {
    endHandler() = std::move(handler);
}

} // namespace platform
