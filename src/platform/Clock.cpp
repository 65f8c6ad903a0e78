#include "platform/Clock.h"

namespace platform {

namespace {
std::function<QDateTime()>& replacement() {
    static std::function<QDateTime()> clock;
    return clock;
}
} // namespace

QDateTime now() {
    return replacement() ? replacement()() : QDateTime::currentDateTime();
}

void setClock(std::function<QDateTime()> clock) {
    replacement() = std::move(clock);
}

} // namespace platform
