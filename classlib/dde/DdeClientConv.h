#pragma once
// The class layer's DDE client conversation: one conversation with a DDE server (such as
// the shell's Program Manager), opened by switching to automatic connect mode and used to
// send execute macros whose outcome the caller does not await.
#include <windows.h>
#include <ddeml.h>

#include <string>

#include "DdeHandles.h"

enum class TDataMode { ddeAutomatic, ddeManual };

class TDdeClientConv {
public:
    TDdeClientConv();
    ~TDdeClientConv();  // disconnects (the server has taken every macro by then), uninitialises DDEML
    TDdeClientConv(const TDdeClientConv&) = delete;
    TDdeClientConv& operator=(const TDdeClientConv&) = delete;

    // Automatic with service and topic set opens the conversation, starting the server once
    // ("service topic") when the first attempt fails; raises
    // Exception("Unable to connect DDE conversation") when it still cannot be opened.
    // Manual only records the mode.
    void SetConnectMode(TDataMode mode);
    // Closes any open conversation and records the service and topic.
    void SetLink(const std::string& service, const std::string& topic);
    // Starts an asynchronous execute transaction of the macro with its terminator; nothing
    // happens when no conversation is open.
    void ExecuteMacro(const char* macro);

private:
    static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conversation, HSZ topic, HSZ item,
                                      HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2);
    static TDdeClientConv* OwnerOf(HCONV conversation) noexcept;

    void Open();
    HCONV Connect() const noexcept;
    bool StartServer() const noexcept;
    void Close() noexcept;

    DdeInstance instance_;
    DdeConversation conversation_;
    TDataMode mode_ = TDataMode::ddeManual;
    std::string service_;
    std::string topic_;
};
