#pragma once

#include <QString>

namespace platform {

class PictureBox;

// Draws the icon of a file at the top-left corner of a picture box, in the icon's own
// (large) size, over what the box shows. A tool of the system folder shows the icon of the
// tool. A missing file, or one without an icon, draws nothing.
void drawFileIcon(PictureBox& picture, const QString& path);

} // namespace platform
