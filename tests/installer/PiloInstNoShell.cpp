// Test host: the installer exactly as shipped, except that its registration talks to a
// DDE service that no server answers. Under Wine the shell's Program Manager cannot be
// made to go away (a killed desktop process is started anew and registers "Progman"
// again; a stopped one makes the connect hang), so this is how the tests reach the
// failed-registration path of the real program. The product itself has no switch for it.
#include <windows.h>

#include "InstallerProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunInstaller(DdeLink{"PiloNoShell", "PiloNoShell"});
}
