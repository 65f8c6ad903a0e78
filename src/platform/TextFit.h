#pragma once

#include <QString>

class QWidget;

namespace platform {

// Keeps a fixed caption inside its control: the control keeps its font, made just small enough
// that the widest line of `text` fits the `room` pixels given. The font the control had when
// this was first asked for it is the most it ever gets back.
void shrinkToFit(QWidget* control, const QString& text, int room);

// The same for a label, a panel or a button and the text it shows, in the room it has.
void fitCaption(QWidget* control);

} // namespace platform
