#pragma once
// Brings up the companion program: restores and notifies its running window, or starts
// it from the product directory when its file is there.
void StartCompanion();
