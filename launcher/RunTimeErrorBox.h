#pragma once
// The run-time's default error box for an error that nothing handled: task-modal, stop
// icon, one OK button, titled "Application Error", with the text
//   Exception <class> in module <file> at <address>.
//   <message>.
// The address is that of the raising code relative to the load address of the module
// holding it, as eight hexadecimal digits; a null address names the executable at 0.
#include <string>

void ShowRunTimeErrorBox(const char* className, const void* raiseAddress,
                         const std::string& message) noexcept;
