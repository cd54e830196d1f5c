// PiloInst: the installation options program, run by the product's setup as
// "PiloInst inst".
#include <windows.h>

#include "InstallerProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunInstaller(DdeLink{}); }
