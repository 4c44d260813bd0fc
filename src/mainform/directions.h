#pragma once

#include "mainform/runsetup.h"

namespace quorin {

// Sets NoOfDirections and the first DirAngle elements from the selected
// "Number of Directions" option (0 to 7; -1 keeps both as they are), then adds
// the start direction to DirAngle(1) to DirAngle(12), each stored in single
// precision, so elements the option does not set accumulate it.
void SetDirections(RunSetup& setup, int option, double startDirection);

} // namespace quorin
