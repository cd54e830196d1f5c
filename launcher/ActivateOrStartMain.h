#pragma once
// Brings up the reminder program: its running window when there is one, else a new copy.
void ActivateOrStartMain();
