#pragma once
// TZVerLabel: a label showing the file version of an executable, read from its
// version resource ("\StringFileInfo\040904E4\FileVersion"), optionally after a prefix.
#include <string>

#include "TLabel.h"

class TZVerLabel : public TLabel {
public:
    // Navy text; the caption shows the running executable's version at once.
    explicit TZVerLabel(TComponent* owner);

    // Text before the version; setting it does not touch the caption.
    std::string Prefix;
    // Executable relative to the program's folder; empty: the running executable.
    // Setting it does not touch the caption.
    std::string FileName;

    // Recomputes the caption: Prefix + " " + version, or the version alone; the
    // version is "None Found" when the file has no such version information.
    void UpdateCaption();
};

// The version string of the file at path, or "None Found".
std::string FileVersionText(const std::string& path);
