#include "shell/Environment.h"

char gProgramDir[kPathSize] = "";
char gDataPath[kPathSize] = "";
