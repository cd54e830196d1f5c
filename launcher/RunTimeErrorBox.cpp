#include "RunTimeErrorBox.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace {

struct CodeLocation {
    std::string moduleName;  // file name without its directory
    std::uintptr_t offset;   // from the module's load address
};

CodeLocation LocateCode(const void* address) {
    HMODULE module = nullptr;
    if (!address ||
        !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(address), &module)) {
        module = GetModuleHandleA(nullptr);
        address = nullptr;
    }
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    std::string name = path;
    const auto last = name.find_last_of("\\:");
    if (last != std::string::npos) name.erase(0, last + 1);
    const std::uintptr_t offset =
        address ? reinterpret_cast<std::uintptr_t>(address) - reinterpret_cast<std::uintptr_t>(module) : 0;
    return {name, offset};
}

}  // namespace

void ShowRunTimeErrorBox(const char* className, const void* raiseAddress, const std::string& message) noexcept {
    constexpr UINT kStyle = MB_TASKMODAL | MB_ICONSTOP | MB_OK;
    try {
        const CodeLocation location = LocateCode(raiseAddress);
        char address[16];
        std::snprintf(address, sizeof address, "%08X", static_cast<unsigned>(location.offset));
        const std::string text = std::string("Exception ") + className + " in module " + location.moduleName +
                                 " at " + address + ".\r\n" + message + ".";
        MessageBoxA(nullptr, text.c_str(), "Application Error", kStyle);
    } catch (...) {
        MessageBoxA(nullptr, message.c_str(), "Application Error", kStyle);
    }
}
