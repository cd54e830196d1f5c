#include "DdeHandles.h"

#include "Exception.h"

DdeInstance::DdeInstance(PFNCALLBACK callback) {
    if (DdeInitializeA(&id_, callback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        throw Exception("Unable to initialize DDE");
}

DdeInstance::~DdeInstance() { DdeUninitialize(id_); }

DdeStringHandle::DdeStringHandle(DWORD instance, const std::string& text) noexcept
    : instance_(instance), handle_(DdeCreateStringHandleA(instance, text.c_str(), CP_WINANSI)) {}

DdeStringHandle::~DdeStringHandle() {
    if (handle_) DdeFreeStringHandle(instance_, handle_);
}

DdeDataHandle::DdeDataHandle(DWORD instance, const void* bytes, DWORD size, UINT format) noexcept
    : handle_(DdeCreateDataHandle(instance, static_cast<LPBYTE>(const_cast<void*>(bytes)), size, 0,
                                  nullptr, format, 0)) {}

DdeDataHandle::~DdeDataHandle() {
    if (handle_) DdeFreeDataHandle(handle_);
}

HDDEDATA DdeDataHandle::Release() noexcept {
    HDDEDATA handle = handle_;
    handle_ = nullptr;
    return handle;
}

void DdeConversation::Reset(HCONV conversation) noexcept {
    Disconnect();
    handle_ = conversation;
}

void DdeConversation::Disconnect() noexcept {
    if (handle_) DdeDisconnect(handle_);
    handle_ = nullptr;
}
