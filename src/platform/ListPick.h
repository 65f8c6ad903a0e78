#pragma once

#include <functional>

class QComboBox;
class QObject;

namespace platform {

// Makes `box` an editable combo box whose "Click" runs `handler` only when the user picks an
// entry from its list (with the mouse, the arrow keys or the wheel). Typed text never runs it,
// not even when it matches an entry and the user presses Return or leaves the box, and
// neither does code that sets the text or fills the list. The box gets no completion, so
// typed text stays as typed.
void onListPick(QComboBox* box, QObject* context, std::function<void()> handler);

} // namespace platform
