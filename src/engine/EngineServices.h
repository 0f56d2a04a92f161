// The platform services the card engine uses: memory handles (play logs), random numbers,
// ticks, the beep and the debugging and alert boxes, and the library
// resources (the strategy libraries). One include for the engine's files; the
// declarations themselves live in the platform layer's portable headers.
#pragma once

#include "platform/Alerts.h"
#include "platform/Handles.h"
#include "platform/LibraryResources.h"
#include "platform/Random.h"
#include "platform/Ticks.h"
