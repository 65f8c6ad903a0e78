#pragma once

namespace platform {

// Prepares the desktop for the program's windows: the Japanese fonts its texts name, the
// icon theme, and the program's default font. Call once after the application object.
void setUpDesktop();

} // namespace platform
