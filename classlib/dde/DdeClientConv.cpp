#include "DdeClientConv.h"

#include <cstring>

#include "Exception.h"
#include "FixedText.h"

namespace {

// The data format the server reports for the conversation, else text.
UINT DataFormatOf(HCONV conversation) noexcept {
    CONVINFO info = {};
    info.cb = sizeof info;
    if (DdeQueryConvInfo(conversation, QID_SYNC, &info) && info.wFmt != 0) return info.wFmt;
    return CF_TEXT;
}

}  // namespace

TDdeClientConv::TDdeClientConv() : instance_(&TDdeClientConv::Callback) {}

TDdeClientConv::~TDdeClientConv() { Close(); }

void TDdeClientConv::SetConnectMode(TDataMode mode) {
    if (mode == TDataMode::ddeAutomatic && !conversation_ && !service_.empty() && !topic_.empty()) Open();
    mode_ = mode;
}

void TDdeClientConv::SetLink(const std::string& service, const std::string& topic) {
    Close();
    service_ = service;
    topic_ = topic;
}

void TDdeClientConv::ExecuteMacro(const char* macro) {
    if (!conversation_ || macro == nullptr) return;
    const UINT format = DataFormatOf(conversation_.Get());
    DdeDataHandle data(instance_.Id(), macro, static_cast<DWORD>(std::strlen(macro) + 1), format);
    if (!data.Get()) return;
    DWORD transaction = 0;
    // A data handle passed to DdeClientTransaction belongs to DDEML from then on.
    DdeClientTransaction(reinterpret_cast<LPBYTE>(data.Release()), static_cast<DWORD>(-1),
                             conversation_.Get(), nullptr, format, XTYP_EXECUTE, TIMEOUT_ASYNC, &transaction);
}

void TDdeClientConv::Open() {
    HCONV conversation = Connect();
    // WinExec returns once the started program waits for input, so a server it starts has
    // registered its service by then.
    if (!conversation && StartServer()) conversation = Connect();
    if (!conversation) throw Exception("Unable to connect DDE conversation");
    conversation_.Reset(conversation);
    DdeSetUserHandle(conversation, QID_SYNC, reinterpret_cast<DWORD_PTR>(this));
}

HCONV TDdeClientConv::Connect() const noexcept {
    const DdeStringHandle service(instance_.Id(), service_);
    const DdeStringHandle topic(instance_.Id(), topic_);
    if (!service.Get() || !topic.Get()) return nullptr;
    return DdeConnect(instance_.Id(), service.Get(), topic.Get(), nullptr);
}

bool TDdeClientConv::StartServer() const noexcept {
    PathBuffer commandLine;
    if (!commandLine.Assign(service_ + " " + topic_)) return false;  // too long to be a program to start
    return WinExec(commandLine.CStr(), SW_SHOWMINNOACTIVE) >= 32;
}

// Macros still on their way are not lost here: the server carries out the messages of a
// conversation in the order they came, and DdeDisconnect waits for the server's answer to
// the end of the conversation, which comes after all of them.
void TDdeClientConv::Close() noexcept { conversation_.Disconnect(); }

TDdeClientConv* TDdeClientConv::OwnerOf(HCONV conversation) noexcept {
    CONVINFO info = {};
    info.cb = sizeof info;
    if (!conversation || !DdeQueryConvInfo(conversation, QID_SYNC, &info)) return nullptr;
    return reinterpret_cast<TDdeClientConv*>(info.hUser);
}

HDDEDATA CALLBACK TDdeClientConv::Callback(UINT type, UINT, HCONV conversation, HSZ, HSZ, HDDEDATA, ULONG_PTR,
                                           ULONG_PTR) {
    try {
        TDdeClientConv* owner = OwnerOf(conversation);
        if (!owner || owner->conversation_.Get() != conversation) return nullptr;
        // The answers to the macros are not looked at; only the server ending the
        // conversation matters, as the handle is no longer ours then.
        if (type == XTYP_DISCONNECT) owner->conversation_.Forget();
    } catch (...) {
        // Nothing may unwind into DDEML.
    }
    return nullptr;
}
