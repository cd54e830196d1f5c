#pragma once
// Runs dde_recorder (a DDE server of our own) for one test and reads what it recorded.
#include <memory>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "TestProcess.h"

struct RecordedExecute {
    unsigned callbackFormat = 0;      // the format the server's callback was given
    unsigned conversationFormat = 0;  // the conversation's format as the server sees it
    std::string bytes;                // exactly what arrived, terminator included
};

class RecordingServer {
public:
    static constexpr const char* kService = "PiloTestRecorder";
    static constexpr const char* kTopic = "PiloTestTopic";

    // Starts the server and waits until its service is registered.
    explicit RecordingServer(int delayPerExecuteMs = 0);

    // Waits until the client has ended the conversation (the server then ends) and returns
    // every execute in the order it arrived.
    std::vector<RecordedExecute> RecordsAfterClientLeft();
    // What arrived so far, the server still running.
    std::vector<RecordedExecute> RecordsSoFar() const;

private:
    TempDir dir_;
    std::string log_;
    std::unique_ptr<ChildProcess> process_;
};
