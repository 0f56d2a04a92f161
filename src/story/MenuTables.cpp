#include "story/MenuTables.h"

void ConvertMenuTables() {}
