#include "platform/ModalWindows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>

namespace platform {

namespace {

struct State {
    int depth = 0;
    int quiet = 0;
    bool returnQueued = false;
    std::function<void()> returnHandler;
    ModalWindows::ShownHook shownHook;
};

State& state() {
    static State s;
    return s;
}

class EscapeFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void ModalWindows::keepOpenOnEscape(QDialog& window) {
    window.installEventFilter(new EscapeFilter(&window));
}

int ModalWindows::exec(QDialog& window) {
    State& s = state();
    if (s.shownHook) {
        QPointer<QDialog> guard(&window);
        QMetaObject::invokeMethod(
            &window,
            [guard] {
                if (guard && state().shownHook)
                    state().shownHook(*guard);
            },
            Qt::QueuedConnection);
    }
    struct DepthCount {
        DepthCount() { ++state().depth; }
        ~DepthCount() {
            if (--state().depth == 0 && state().quiet == 0)
                requestReturnToTop();
        }
    } count;
    return window.exec();
}

void ModalWindows::onReturnToTop(std::function<void()> handler) {
    state().returnHandler = std::move(handler);
}

void ModalWindows::requestReturnToTop() {
    State& s = state();
    if (s.returnQueued || !QCoreApplication::instance())
        return;
    s.returnQueued = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            State& s = state();
            s.returnQueued = false;
            // Inside another modal window's loop: its closing will queue the handler again.
            if (s.depth > 0 || !s.returnHandler)
                return;
            s.returnHandler();
        },
        Qt::QueuedConnection);
}

ModalWindows::QuietScope::QuietScope() {
    ++state().quiet;
}
ModalWindows::QuietScope::~QuietScope() {
    --state().quiet;
}

void ModalWindows::setShownHook(ShownHook hook) {
    state().shownHook = std::move(hook);
}

} // namespace platform
