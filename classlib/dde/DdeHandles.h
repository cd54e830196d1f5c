#pragma once
// Owners of the DDE management library's handles: the instance, string handles, data
// handles and a client conversation. Each frees what it holds exactly once.
#include <windows.h>
#include <ddeml.h>

#include <string>

// One DDEML client instance of the calling thread.
class DdeInstance {
public:
    explicit DdeInstance(PFNCALLBACK callback);
    ~DdeInstance();
    DdeInstance(const DdeInstance&) = delete;
    DdeInstance& operator=(const DdeInstance&) = delete;

    DWORD Id() const noexcept { return id_; }

private:
    DWORD id_ = 0;
};

class DdeStringHandle {
public:
    DdeStringHandle(DWORD instance, const std::string& text) noexcept;
    ~DdeStringHandle();
    DdeStringHandle(const DdeStringHandle&) = delete;
    DdeStringHandle& operator=(const DdeStringHandle&) = delete;

    HSZ Get() const noexcept { return handle_; }

private:
    DWORD instance_;
    HSZ handle_;
};

// A data handle until it is handed to a DDEML call, which then owns it.
class DdeDataHandle {
public:
    DdeDataHandle(DWORD instance, const void* bytes, DWORD size, UINT format) noexcept;
    ~DdeDataHandle();
    DdeDataHandle(const DdeDataHandle&) = delete;
    DdeDataHandle& operator=(const DdeDataHandle&) = delete;

    HDDEDATA Get() const noexcept { return handle_; }
    HDDEDATA Release() noexcept;

private:
    HDDEDATA handle_;
};

// An open client conversation; disconnected when replaced or destroyed.
class DdeConversation {
public:
    DdeConversation() = default;
    ~DdeConversation() { Disconnect(); }
    DdeConversation(const DdeConversation&) = delete;
    DdeConversation& operator=(const DdeConversation&) = delete;

    void Reset(HCONV conversation) noexcept;
    void Disconnect() noexcept;
    // The server ended the conversation: DDEML has already let go of the handle.
    void Forget() noexcept { handle_ = nullptr; }

    HCONV Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }

private:
    HCONV handle_ = nullptr;
};
