// Registers the program groups the way the installer does and ends at once, as the
// installer does after "All Set".
//   registration_host ITEM-INDEX PRODUCT-DIR [SERVICE TOPIC]
// PRODUCT-DIR without its trailing backslash (a quoted argument cannot end in one).
// Exit code 0, or 2 with the error's message on the standard output.
#include <cstdio>
#include <cstdlib>

#include "DdeClientConv.h"
#include "Exception.h"
#include "ProgramDir.h"
#include "ProgramGroups.h"

int main(int argc, char** argv) {
    if (argc < 3) return 1;
    DdeLink link;
    if (argc >= 5) link = {argv[3], argv[4]};
    try {
        TDdeClientConv conversation;
        RegisterProgramGroupsOver(conversation, std::atoi(argv[1]), AddBackslash(argv[2]), link);
    } catch (const Exception& error) {
        std::printf("%s\n", error.what());
        return 2;
    }
    return 0;
}
