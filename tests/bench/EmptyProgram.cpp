// The smallest Windows GUI program: the yardstick for the launcher's run time.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
