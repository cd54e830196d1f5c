// Measures whether asynchronous execute macros survive a client that ends right after
// sending them: sends COUNT macros "[Macro(n)]" (or, with a GROUP, the group followed by
// COUNT items of FILE titled "Item n") and ends the chosen way.
//   dde_burst SERVICE TOPIC COUNT WAY [GROUP FILE]
// WAY: component (TDdeClientConv, destroyed normally), uninitialize (plain DDEML, no
// waiting, DdeUninitialize at once), exit (plain DDEML, ExitProcess at once).
#include <windows.h>
#include <ddeml.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "DdeClientConv.h"

namespace {

std::vector<std::string> Macros(int count, int argc, char** argv) {
    std::vector<std::string> macros;
    const bool items = argc >= 7;
    if (items) macros.push_back(std::string("[CreateGroup(") + argv[5] + ",)]");
    for (int n = 1; n <= count; ++n) {
        if (items)
            macros.push_back(std::string("[Additem(\"") + argv[6] + "\",Item " + std::to_string(n) + ",,,)]");
        else
            macros.push_back("[Macro(" + std::to_string(n) + ")]");
    }
    return macros;
}

HDDEDATA CALLBACK Ignore(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

int SendPlain(const std::vector<std::string>& macros, const char* service, const char* topic, bool exitAtOnce) {
    DWORD instance = 0;
    if (DdeInitializeA(&instance, Ignore, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return 3;
    HSZ serviceName = DdeCreateStringHandleA(instance, service, CP_WINANSI);
    HSZ topicName = DdeCreateStringHandleA(instance, topic, CP_WINANSI);
    HCONV conversation = DdeConnect(instance, serviceName, topicName, nullptr);
    if (!conversation) return 4;
    for (const std::string& macro : macros) {
        DWORD id = 0;
        DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char*>(macro.c_str())),
                             static_cast<DWORD>(macro.size() + 1), conversation, nullptr, CF_TEXT, XTYP_EXECUTE,
                             TIMEOUT_ASYNC, &id);
    }
    if (exitAtOnce) ExitProcess(0);
    DdeUninitialize(instance);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) return 1;
    const std::vector<std::string> macros = Macros(std::atoi(argv[3]), argc, argv);
    const std::string way = argv[4];
    if (way == "component") {
        try {
            TDdeClientConv conversation;
            conversation.SetLink(argv[1], argv[2]);
            conversation.SetConnectMode(TDataMode::ddeAutomatic);
            for (const std::string& macro : macros) conversation.ExecuteMacro(macro.c_str());
        } catch (const std::exception&) {
            return 4;
        }
        return 0;
    }
    return SendPlain(macros, argv[1], argv[2], way == "exit");
}
