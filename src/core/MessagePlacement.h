#pragma once

class QWidget;

namespace core {

// Centres a message window over the window that asked (outer sizes on both sides); with no
// visible owner it centres on the screen.
void centreOverOwner(QWidget* window, const QWidget* owner);

} // namespace core
