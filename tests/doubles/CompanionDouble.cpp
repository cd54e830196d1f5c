// Stands in for the companion program SENTREL.EXE in tests and the demo.
#include "DoubleProgram.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    static const DoubleRole role{"companion", "TSEForm1", "Sentrel", WM_USER + 36};
    return RunDouble(role, instance, showCommand);
}
