#pragma once

#include <functional>

namespace platform {

// Ends the program at once. The event loop stops and nothing that is queued runs any more;
// the windows are not closed, so no window's unload steps run. The caller's handler should
// return right after. What is still open (the database) is released after the loop by the
// program's main function.
void endProgram();

// Replaces what endProgram does; an empty function restores the real end. Tests use it to
// see that the program asked to end without ending themselves.
void setProgramEndHandler(std::function<void()> handler);

} // namespace platform
