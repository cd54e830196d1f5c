// Works the installer's dialog for scripts/demo.sh, as a user would:
//   DemoInstallDriver PRODUCT-DIR NAME OPTION HOUR MIN READY-FILE GO-FILE
// Starts PRODUCT-DIR\PiloInst.exe inst, types the name, picks the option, types hour
// and minute, then writes the dialog's frame on the screen ("left top width height")
// to READY-FILE and waits (at most a minute) for GO-FILE to appear, so that the script
// can take its picture of the filled-in dialog; then presses "All Set". Prints what
// it did and the installer's exit code, and returns that code.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "InstallerRun.h"
#include "ProgramDir.h"
#include "TestFiles.h"

namespace {

bool WaitForGo(const std::string& goFile) {
    for (int waited = 0; waited < 60000; waited += 100) {
        if (FileExists(goFile)) return true;
        Sleep(100);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::fprintf(stderr, "usage: DemoInstallDriver PRODUCT-DIR NAME OPTION HOUR MIN READY-FILE GO-FILE\n");
        return 2;
    }
    const int option = std::atoi(argv[3]);
    InstallerRun run(AddBackslash(argv[1]) + "PiloInst.exe", argv[1], "inst");
    if (!run.WaitForDialog()) {
        std::printf("driver: the dialog did not come up\n");
        return 1;
    }
    std::printf("driver: dialog up; Installer label \"%s\", Pilo.exe label \"%s\"\n",
                run.Text(kZVerLabel1).c_str(), run.Text(kZVerLabel2).c_str());
    run.Type(kYourName, argv[2]);
    run.PickOption(option);
    run.Type(kPopHour, argv[4]);
    run.Type(kPopMin, argv[5]);
    std::printf("driver: typed name \"%s\", picked option %d, time %s:%s\n", argv[2], option, argv[4], argv[5]);

    RECT frame;
    GetWindowRect(run.Dialog(), &frame);
    WriteTextFile(argv[6], std::to_string(frame.left) + " " + std::to_string(frame.top) + " " +
                               std::to_string(frame.right - frame.left) + " " +
                               std::to_string(frame.bottom - frame.top) + "\n");
    if (!WaitForGo(argv[7])) std::printf("driver: no go from the script; pressing All Set anyway\n");

    run.Click(kBitBtn1);
    const long code = run.WaitForExit();
    std::printf("driver: pressed All Set; PiloInst ended with exit code %ld\n", code);
    return static_cast<int>(code);
}
