// Stands in for the reminder program Pilo.exe in tests and the demo.
#include "DoubleProgram.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    static const DoubleRole role{"reminder", "TPilo32w", "Pilo! Mindkeep!", WM_USER + 32};
    return RunDouble(role, instance, showCommand);
}
