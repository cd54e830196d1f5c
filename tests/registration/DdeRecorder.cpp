// A DDE server for tests: registers a service, accepts one topic and records every execute
// transaction it gets, in order, one line each: the format the callback was given, the
// conversation's format, the byte count and the bytes in hex. The log file appears once the
// service is registered; the program ends when the client ends the conversation.
//   dde_recorder SERVICE TOPIC LOGFILE [DELAY-MS-PER-EXECUTE]
#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

DWORD g_instance = 0;
HSZ g_topic = nullptr;
FILE* g_log = nullptr;
DWORD g_delayMs = 0;

void Record(UINT format, HCONV conversation, HDDEDATA data) {
    const DWORD size = DdeGetData(data, nullptr, 0, 0);
    std::vector<unsigned char> bytes(size);
    if (size) DdeGetData(data, bytes.data(), size, 0);
    CONVINFO info = {};
    info.cb = sizeof info;
    DdeQueryConvInfo(conversation, QID_SYNC, &info);
    std::fprintf(g_log, "%u %u %lu ", format, info.wFmt, static_cast<unsigned long>(size));
    for (unsigned char byte : bytes) std::fprintf(g_log, "%02x", byte);
    std::fprintf(g_log, "\n");
    std::fflush(g_log);
}

HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conversation, HSZ topic, HSZ, HDDEDATA data, ULONG_PTR,
                           ULONG_PTR) {
    switch (type) {
        case XTYP_CONNECT:
            return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DdeCmpStringHandles(topic, g_topic) == 0));
        case XTYP_EXECUTE:
            Record(format, conversation, data);
            if (g_delayMs) Sleep(g_delayMs);  // a slow server: the client's macros queue up
            return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DDE_FACK));
        case XTYP_DISCONNECT:
            PostQuitMessage(0);
            return nullptr;
        default:
            return nullptr;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    g_delayMs = argc > 4 ? static_cast<DWORD>(std::atoi(argv[4])) : 0;
    if (DdeInitializeA(&g_instance, Callback, APPCLASS_STANDARD | CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS,
                       0) != DMLERR_NO_ERROR)
        return 3;
    HSZ service = DdeCreateStringHandleA(g_instance, argv[1], CP_WINANSI);
    g_topic = DdeCreateStringHandleA(g_instance, argv[2], CP_WINANSI);
    if (!DdeNameService(g_instance, service, nullptr, DNS_REGISTER)) return 4;
    g_log = std::fopen(argv[3], "wb");
    if (!g_log) return 5;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    std::fclose(g_log);
    DdeNameService(g_instance, service, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(g_instance, service);
    DdeFreeStringHandle(g_instance, g_topic);
    DdeUninitialize(g_instance);
    return 0;
}
