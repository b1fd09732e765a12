#pragma once
// The widget side of the platform seam: the real message box, file dialog, browser hand-over
// and end of the program. The start-up installs them; tests install their own instead.

#include "Platform.h"

// The services of Platform::coreServices() with these added.
Platform::Services desktopServices();
