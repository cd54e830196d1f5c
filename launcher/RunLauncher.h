#pragma once
// One run of the daily launcher: decides from the settings file whether this is the
// first run of a new day, records the day, and brings up the companion (when enabled)
// and then the reminder program (on a new day, or on every run when the once-a-day
// switch is 0). A failed write of the day raises Exception before anything is brought up.
void RunLauncher();
