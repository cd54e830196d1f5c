#include "ZVerLbl.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "FixedText.h"
#include "ProgramDir.h"

namespace {
constexpr char kNoneFound[] = "None Found";
}

TZVerLabel::TZVerLabel(TComponent* owner) : TLabel(owner) {
    Font().SetColor(clNavy);
    UpdateCaption();
}

void TZVerLabel::UpdateCaption() {
    const std::string path = FileName.empty() ? ExecutablePath() : ProgramDir() + FileName;
    const std::string version = FileVersionText(path);
    SetCaption(Prefix.empty() ? version : Prefix + " " + version);
}

std::string FileVersionText(const std::string& path) {
    // A path that does not fit the buffer is refused whole: a cut path would name
    // another file.
    PathBuffer pathBuffer;
    if (!pathBuffer.Assign(path)) return kNoneFound;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return kNoneFound;
    std::vector<char> block(size);  // released on every way out
    if (!GetFileVersionInfoA(pathBuffer.CStr(), 0, size, block.data())) return kNoneFound;
    void* value = nullptr;
    UINT length = 0;
    // US English, code page 1252, and no other: a file without that string shows
    // "None Found", never what a failed query leaves behind.
    if (!VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\FileVersion", &value, &length) || !value)
        return kNoneFound;
    const char* text = static_cast<const char*>(value);
    const char* blockEnd = block.data() + block.size();
    if (text < block.data() || text >= blockEnd) return kNoneFound;
    const size_t limit = std::min<size_t>(length, static_cast<size_t>(blockEnd - text));
    return std::string(text, strnlen(text, limit));
}
