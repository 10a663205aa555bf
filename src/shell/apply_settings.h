#pragma once

namespace almanor {

class Program;

// Makes the running program follow the settings that need an action: the calendar window's
// place in the stacking order, its slide away, the tray icon, and the purge of old notes. The
// other settings are read where they are used.
void applySettings(Program& program);

} // namespace almanor
