// The pieces the title picture is put together from, each painted on its own
// transparent canvas so that it can be outlined before it is placed.
#pragma once
#include "platform/image.h"

namespace assetgen::title {

// "Quillmoor" in big warm letters, outlined, with a drop shadow.
platform::Pixels paintLettering();

// A large white daisy on a leafy stem, its head centred near the top; the
// stem runs to the bottom edge of the canvas.
platform::Pixels paintDaisy();

// The queen: a plump striped bee with a gold crown, facing left.
platform::Pixels paintQueenBee();

// A small worker bee in flight, facing right.
platform::Pixels paintWorkerBee();

}  // namespace assetgen::title
