#include "ClientRun.h"

#include "TestProcess.h"
#include "WindowDriver.h"

long RunClientToExit(const std::string& commandLine) {
    ChildProcess client(commandLine);
    for (int waited = 0; client.Running() && waited < 60000; waited += 50) PumpFor(50);
    return client.WaitForExit(0);
}
