#pragma once
// The information message box: the information beep, then a box titled
// "Information" with the information icon and one "OK" button, centred on the
// screen and owned by the active form.
#include <string>

void ShowInformation(const std::string& text);
