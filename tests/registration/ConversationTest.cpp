// The DDE client conversation and the registration against a DDE server of our own that
// records exactly what arrives.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ClientRun.h"
#include "DdeClientConv.h"
#include "Exception.h"
#include "ProgramGroups.h"
#include "RecordingServer.h"
#include "TestFiles.h"
#include "TestProcess.h"

namespace {

std::vector<std::string> BytesOf(const std::vector<RecordedExecute>& records) {
    std::vector<std::string> bytes;
    for (const RecordedExecute& record : records) bytes.push_back(record.bytes);
    return bytes;
}

// Each text as it must arrive: with its terminator.
std::vector<std::string> Terminated(const std::vector<std::string>& texts) {
    std::vector<std::string> bytes;
    for (const std::string& text : texts) bytes.push_back(text + '\0');
    return bytes;
}

void OpenToRecorder(TDdeClientConv& conversation, const char* topic = RecordingServer::kTopic) {
    conversation.SetLink(RecordingServer::kService, topic);
    conversation.SetConnectMode(TDataMode::ddeAutomatic);
}

TEST(DdeClientConv, SendsEachMacroWithItsTerminatorAsTextInOrder) {
    RecordingServer server;
    const std::vector<std::string> macros = {
        "[CreateGroup(Pilo! Mindkeep!,)]",
        "[Additem(\"C:\\Program Files\\Pilo\\pilo.exe\",Pilo!,,,)]",
        "[" + std::string(300, 'x') + "]",  // longer than any fixed buffer
        "",
    };
    {
        TDdeClientConv conversation;
        OpenToRecorder(conversation);
        for (const std::string& macro : macros) conversation.ExecuteMacro(macro.c_str());
    }
    // An execute carries no format of its own on the wire (the server is told none); text
    // in CF_TEXT arrives as these single-byte characters, where wide text would not.
    EXPECT_EQ(BytesOf(server.RecordsAfterClientLeft()), Terminated(macros));
}

TEST(DdeClientConv, SendsNothingUntilOpenedAndClosesOnNewLink) {
    RecordingServer server;
    TDdeClientConv conversation;
    conversation.SetLink(RecordingServer::kService, RecordingServer::kTopic);
    conversation.SetConnectMode(TDataMode::ddeManual);
    conversation.ExecuteMacro("[NotOpenYet()]");
    conversation.SetConnectMode(TDataMode::ddeAutomatic);
    conversation.ExecuteMacro("[Open()]");
    conversation.SetConnectMode(TDataMode::ddeManual);  // only records the mode: still open
    conversation.ExecuteMacro("[StillOpen()]");
    conversation.SetLink(RecordingServer::kService, RecordingServer::kTopic);  // closes it
    conversation.ExecuteMacro("[Closed()]");
    EXPECT_EQ(BytesOf(server.RecordsAfterClientLeft()), Terminated({"[Open()]", "[StillOpen()]"}));
}

struct UnreachableLink {
    const char* what;
    const char* service;
    const char* topic;
};

// Neither link is answered, and "service topic" names no program that could be started.
const UnreachableLink kUnreachable[] = {
    {"no server at all", "PiloNoSuchService", "PiloTestTopic"},
    {"a server that refuses the topic", RecordingServer::kService, "PiloNoSuchTopic"},
};

TEST(DdeClientConv, ConnectFailureRaisesAndSendsNothing) {
    RecordingServer server;
    for (const UnreachableLink& link : kUnreachable) {
        SCOPED_TRACE(link.what);
        TDdeClientConv conversation;
        conversation.SetLink(link.service, link.topic);
        try {
            conversation.SetConnectMode(TDataMode::ddeAutomatic);
            ADD_FAILURE() << "opened a conversation nobody answers";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), "Unable to connect DDE conversation");
        }
        conversation.ExecuteMacro("[AfterFailure()]");
        try {
            RegisterProgramGroupsOver(conversation, 0, "C:\\PILO\\", {link.service, link.topic});
            ADD_FAILURE() << "registered without a conversation";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), "Unable to connect DDE conversation");
        }
    }
    {
        TDdeClientConv marker;  // proves the recorder was listening all along
        OpenToRecorder(marker);
        marker.ExecuteMacro("[Marker()]");
    }
    EXPECT_EQ(BytesOf(server.RecordsAfterClientLeft()), Terminated({"[Marker()]"}));
}

struct RegistrationCase {
    int itemIndex;
    std::string productDir;
};

TEST(RegisterProgramGroupsOver, SendsTheMacroListAndLeavesTheConversationOpen) {
    const RegistrationCase cases[] = {
        {0, "C:\\PILO\\"},
        {3, "C:\\Program Files\\Pilo Mindkeep\\"},
        // Too long for the macro buffer: the long macros still arrive whole, never cut.
        {2, "C:\\" + std::string(220, 'd') + "\\"},
    };
    for (const RegistrationCase& c : cases) {
        SCOPED_TRACE(c.productDir);
        RecordingServer server;
        {
            TDdeClientConv conversation;
            RegisterProgramGroupsOver(conversation, c.itemIndex, c.productDir,
                                      {RecordingServer::kService, RecordingServer::kTopic});
            conversation.ExecuteMacro("[AfterRegistration()]");  // manual mode again, yet still open
        }
        std::vector<std::string> expected = Terminated(ProgramGroupMacros(c.itemIndex, c.productDir));
        expected.push_back(std::string("[AfterRegistration()]") + '\0');
        EXPECT_EQ(BytesOf(server.RecordsAfterClientLeft()), expected);
    }
}

// The installer ends right after sending; a slow server must still get every macro, in order.
TEST(RegisterProgramGroupsOver, ProgramEndingAtOnceLosesNoMacro) {
    RecordingServer server(50);
    const std::string host = Quoted(BuildBinDir() + "registration_host.exe");
    EXPECT_EQ(RunClientToExit(host + " 2 " + Quoted("C:\\Pilo Mindkeep") + " " + RecordingServer::kService + " " + RecordingServer::kTopic), 0);
    EXPECT_EQ(BytesOf(server.RecordsAfterClientLeft()), Terminated(ProgramGroupMacros(2, "C:\\Pilo Mindkeep\\")));
}

TEST(DdeClientConv, ManyMacrosSurviveAnImmediateEnd) {
    RecordingServer server(2);
    const std::string burst = Quoted(BuildBinDir() + "dde_burst.exe");
    EXPECT_EQ(RunClientToExit(burst + " " + RecordingServer::kService + " " + RecordingServer::kTopic + " 500 component"), 0);
    std::vector<std::string> expected;
    for (int n = 1; n <= 500; ++n) expected.push_back("[Macro(" + std::to_string(n) + ")]");
    EXPECT_EQ(BytesOf(server.RecordsAfterClientLeft()), Terminated(expected));
}

}  // namespace
