#pragma once

class InstanceLock;

// The program's start, up to its first window event: one copy per user (the lock is held
// until it goes), the random generator, the update reminder, the main window and the draw of
// its offer label. A second copy says so and ends instead: then it returns false, and the
// caller leaves without running the event loop.
bool startUp(InstanceLock& lock);
