// The program's logo picture, read from the application bundle.
#pragma once

#include "rt/Files.h"

// The logo, or nothing while no read of "Quenra copy.jpg" has succeeded.
// Once read, the picture is kept for the rest of the process.
rt::Ref<rt::Picture> Quenracopy();
