#include "InstallerProgram.h"

#include "PI1.h"
#include "TApplication.h"

int RunInstaller(const DdeLink& link) {
    Application().Initialize();
    Application().CreateForm<TForm1>(link);
    Application().Run();
    return 0;
}
