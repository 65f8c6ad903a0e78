#pragma once

#include <functional>

class QDialog;

namespace platform {

// Shows windows modally and keeps count of how many are open. When the last one has closed,
// the handler given to onReturnToTop (the main window's activation) is queued; it runs once
// the event loop is back at its top with no modal window open, so the handler that opened
// the windows always finishes first, and two windows opened one after the other by one
// handler lead to a single activation after it.
class ModalWindows {
public:
    // Shows the window modally and returns when it has closed (QDialog::exec's result).
    static int exec(QDialog& window);

    static void onReturnToTop(std::function<void()> handler);
    // Queues the handler as if a modal window had just closed (used for the first showing).
    static void requestReturnToTop();

    // While one of these lives, closing a modal window queues nothing: a notice shown by the
    // activation itself must not set off another activation.
    class QuietScope {
    public:
        QuietScope();
        ~QuietScope();
        QuietScope(const QuietScope&) = delete;
        QuietScope& operator=(const QuietScope&) = delete;
    };

    // Escape no longer closes the window (a dialog's default), so typed edits are not thrown
    // away by a key; its buttons and the title bar's close box still close it.
    static void keepOpenOnEscape(QDialog& window);

    // Called inside each modal window's event loop once the window is showing; tests use it
    // to answer the windows the way a person would.
    using ShownHook = std::function<void(QDialog&)>;
    static void setShownHook(ShownHook hook);
};

} // namespace platform
