#include "platform/Geometry.h"

MacRect gScreenRect = {0, 0, 768, 1024};
