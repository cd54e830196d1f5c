#include "ProgramGroups.h"

#include "FixedText.h"

namespace {

const char kGroupName[] = "Pilo! Mindkeep!";
const char kWebSite[] = "http://www.pilo-mindkeep.example/pilo/";

// The quotes keep a product directory with blanks one path.
std::string ItemMacro(const std::string& path, const std::string& title) {
    return "[Additem(\"" + path + "\"," + title + ",,,)]";
}

// The macro buffer holds every macro of ordinary length. A longer one (a product directory
// of more than about 200 characters) is sent whole from its own text: cutting it would name
// another file, and refusing it would leave the product without its group and start-up
// item although the shell takes such paths.
void SendMacro(TDdeClientConv& conversation, MacroBuffer& buffer, const std::string& macro) {
    conversation.ExecuteMacro(buffer.Assign(macro) ? buffer.CStr() : macro.c_str());
}

}  // namespace

std::vector<std::string> ProgramGroupMacros(int itemIndex, const std::string& productDir) {
    const std::string group = kGroupName;
    std::vector<std::string> macros = {
        "[CreateGroup(" + group + ",)]",
        ItemMacro(productDir + "pilo.exe", "Pilo!"),
        ItemMacro(productDir + "pilo.hlp", "Using Pilo!"),
        ItemMacro(productDir + "piloap.exe", "Pilo! AutoPopup"),
        ItemMacro(productDir + "pilodb.exe", "PiloDB"),
        ItemMacro(productDir + "convert\\pilo4to5.exe", "Conversion To v5"),
        ItemMacro(kWebSite, "The Pilo! Web Site"),
        "[ShowGroup(" + group + ",6)]",
        "[CreateGroup(Startup,)]",
        "[DeleteItem(Pilo! Launcher)]",
        "[DeleteItem(Pilo! AutoPopup)]",
    };
    // The start-up item goes into the Startup group made current above.
    switch (itemIndex) {
        case 0:
        case 1:
            macros.push_back(ItemMacro(productDir + "piloonce.exe", "Pilo! Launcher"));
            break;
        case 2:
            macros.push_back(ItemMacro(productDir + "piloap.exe", "Pilo! AutoPopup"));
            break;
        default:
            break;
    }
    macros.push_back("[ShowGroup(Startup,7)]");
    return macros;
}

void RegisterProgramGroupsOver(TDdeClientConv& conversation, int itemIndex, const std::string& productDir,
                               const DdeLink& link) {
    MacroBuffer buffer;
    const std::vector<std::string> macros = ProgramGroupMacros(itemIndex, productDir);
    conversation.SetConnectMode(TDataMode::ddeManual);
    conversation.SetLink(link.service, link.topic);
    conversation.SetConnectMode(TDataMode::ddeAutomatic);
    for (const std::string& macro : macros) SendMacro(conversation, buffer, macro);
    conversation.SetConnectMode(TDataMode::ddeManual);
}
