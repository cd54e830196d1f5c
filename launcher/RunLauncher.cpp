#include "RunLauncher.h"

#include <cstdint>

#include "ActivateOrStartMain.h"
#include "DayNumber.h"
#include "IniFile.h"
#include "ProgramDir.h"
#include "StartCompanion.h"

void RunLauncher() {
    std::int32_t storedDay;
    std::int32_t onceSwitch;
    bool useCompanion;
    std::int32_t today;
    {
        IniFile settings(ProgramDir() + "Pilo.ini");
        storedDay = settings.ReadInteger("PILO", "TodaysDay", 1);
        onceSwitch = settings.ReadInteger("PILO", "PiloOnce", 1);
        useCompanion = settings.ReadBool("PILO", "UseSentrel", false);
        today = TodayNumber();
        if (today > storedDay) settings.WriteInteger("PILO", "TodaysDay", today);
    }  // the settings file is released before anything is brought up

    if (useCompanion) StartCompanion();
    // Both tests use the day as it was stored before this run.
    if (today > storedDay || onceSwitch == 0) ActivateOrStartMain();
}
