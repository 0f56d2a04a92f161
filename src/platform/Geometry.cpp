#include "platform/Geometry.h"

WindowRect gScreenRect = {0, 0, 1024, 768};
