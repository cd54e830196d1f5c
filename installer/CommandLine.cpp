#include "CommandLine.h"

#include <windows.h>

namespace {

bool IsSeparator(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

// Reads the word that starts at text (after any separators) and moves text past it.
std::string NextWord(const char*& text) {
    while (IsSeparator(*text)) ++text;
    std::string word;
    bool quoted = false;
    for (; *text != '\0'; ++text) {
        if (*text == '"') {
            quoted = !quoted;
        } else if (!quoted && IsSeparator(*text)) {
            break;
        } else {
            word += *text;
        }
    }
    return word;
}

}  // namespace

std::string CommandLineArgument(const char* commandLine, int index) {
    const char* text = commandLine ? commandLine : "";
    std::string word;
    for (int place = 0; place <= index; ++place) {
        while (IsSeparator(*text)) ++text;
        if (*text == '\0') return "";
        word = NextWord(text);
    }
    return word;
}

std::string FirstArgument() { return CommandLineArgument(GetCommandLineA(), 1); }
