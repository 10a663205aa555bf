#pragma once

namespace almanor {

class Program;
struct Settings;

// Makes the running program follow the settings that need an action: the calendar window's
// place in the stacking order, its slide away, the tray icon, and the purge of old notes. The
// other settings are read where they are used.
// At start-up the purge waits until the list of all notes was read on another thread behind the
// calendar window: it needs every note file read, and the user must not wait for that.
enum class PurgeTiming { Now, AfterStartUp };
void applySettings(Program& program, PurgeTiming purgeTiming = PurgeTiming::Now);

// Whether settings about to be applied may purge: when they turn the purge on or lower the days
// to keep and notes would go at once, the user is asked first, with their count, before
// anything is written, so that a No leaves the settings as they were.
bool purgeApproved(Program& program, const Settings& next);

} // namespace almanor
