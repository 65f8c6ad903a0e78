#include "platform/Log.h"

namespace platform {

Q_LOGGING_CATEGORY(log, "tamoru")

} // namespace platform
