#include "RecordingServer.h"

#include <windows.h>

#include <sstream>
#include <stdexcept>

namespace {

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (size_t at = 0; at + 1 < hex.size(); at += 2)
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(at, 2), nullptr, 16)));
    return bytes;
}

std::vector<RecordedExecute> ParseLog(const std::string& text) {
    std::vector<RecordedExecute> records;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        RecordedExecute record;
        size_t size = 0;
        std::string hex;
        fields >> record.callbackFormat >> record.conversationFormat >> size >> hex;
        record.bytes = FromHex(hex);
        if (record.bytes.size() != size) throw std::runtime_error("garbled recorder line: " + line);
        records.push_back(record);
    }
    return records;
}

}  // namespace

RecordingServer::RecordingServer(int delayPerExecuteMs) : dir_("recorder"), log_(dir_ / "executes.log") {
    process_ = std::make_unique<ChildProcess>(Quoted(BuildBinDir() + "dde_recorder.exe") + " " + kService + " " +
                                              kTopic + " " + Quoted(log_) + " " + std::to_string(delayPerExecuteMs));
    for (int tries = 0; tries < 200 && !FileExists(log_); ++tries) {
        if (!process_->Running()) break;
        Sleep(50);
    }
    if (!FileExists(log_)) throw std::runtime_error("the recording DDE server did not come up");
}

std::vector<RecordedExecute> RecordingServer::RecordsAfterClientLeft() {
    if (process_->WaitForExit(30000) != 0) throw std::runtime_error("the recording DDE server did not end cleanly");
    return ParseLog(ReadTextFile(log_));
}

std::vector<RecordedExecute> RecordingServer::RecordsSoFar() const { return ParseLog(ReadTextFile(log_)); }
