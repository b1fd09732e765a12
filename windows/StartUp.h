#pragma once

// The program's start, up to its first window event: one copy per user, the random
// generator, the update reminder, the main window and the draw of its offer label.
// A second copy says so and ends instead.
void startUp();
