// The calendar does not depend on the users: this must not compile.
#include "users/UserFrame.h"
