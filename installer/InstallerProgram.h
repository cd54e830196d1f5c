#pragma once
// The installer's program run: the application frame around the options dialog.
#include "ProgramGroups.h"

// Initialises the application, creates the options dialog as its main form (its gate
// runs then), runs the message loop until the dialog closes; the exit code (0).
int RunInstaller(const DdeLink& link);
