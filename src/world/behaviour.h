// One step of simulation per object per frame, chosen by the object's kind.
#pragma once
#include <cstddef>

#include "world/tdo.h"

// Updates list[index] by its kind. The update may append new objects to the
// list (seeds, foliage, milestone bees), so the list may move in memory: the
// object is reached through its index and the heap object it names, never
// through a reference into the list kept across the update.
void updateByKind(WorldList& list, std::size_t index);

// Forgets the cloud's running clock; resetWorld() calls it.
void resetCloudClock();
