// PiloOnce, the daily launcher the shell starts at each logon. It has no window and
// ends at once; its command line is not looked at.
#include <windows.h>

#include <exception>
#include <new>

#include "Exception.h"
#include "RunLauncher.h"
#include "RunTimeErrorBox.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        RunLauncher();
        return 0;
    } catch (const Exception& error) {
        ShowRunTimeErrorBox("Exception", error.RaiseAddress(), error.Message());
    } catch (const std::bad_alloc&) {
        ShowRunTimeErrorBox("EOutOfMemory", nullptr, "Out of memory");
    } catch (const std::exception& error) {
        ShowRunTimeErrorBox("Exception", nullptr, error.what());
    } catch (...) {
        ShowRunTimeErrorBox("Exception", nullptr, "Unknown error");
    }
    return 1;
}
