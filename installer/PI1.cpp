// Event handlers and private methods of the options dialog (its components and their
// properties are set up in PI1Form.cpp).
#include "PI1.h"

#include <windows.h>


#include "CommandLine.h"
#include "IniFile.h"
#include "MessageDialogs.h"
#include "ProgramDir.h"
#include "TApplication.h"

namespace {

const char kUserFile[] = "PILO.INI";  // no directory: the Windows directory
const char kSettingsFile[] = "Pilo.ini";

}  // namespace

// The gate: the product's setup runs the installer with the argument "inst"; any other
// start is refused before anything is read or written.
void TForm1::FormCreate(TObject*) {
    if (FirstArgument() == "inst") return;
    ShowInformation("This program may only be run as part of the Pilo! Installation.");
    ExitProcess(0);  // at once: the dialog is never shown
}

void TForm1::FormActivate(TObject*) {
    Application().SetHelpFile(AddBackslash(ProgramDir()) + "Pilo.hlp");
    {
        IniFile userFile(kUserFile);
        YourName->SetText(userFile.ReadString("SETUPNFO", "UserName", ""));
    }
    LoadPopTime();
    DisablePopTime();
    ZVerLabel1->UpdateCaption();
    ZVerLabel2->UpdateCaption();
}

void TForm1::LoadPopTime() {
    IniFile settings(ProgramDir() + kSettingsFile);
    PopHour->SetText(settings.ReadString("PILO", "PopHour", ""));
    PopMin->SetText(settings.ReadString("PILO", "PopMin", ""));
}

void TForm1::SavePopTime() {
    {
        IniFile settings(ProgramDir() + kSettingsFile);
        settings.WriteString("PILO", "PopHour", PopHour->Text());
        settings.WriteString("PILO", "PopMin", PopMin->Text());
    }
    Close();
}

void TForm1::EnablePopTime() {
    Label4->SetEnabled(true);
    Label5->SetEnabled(true);
    PopHour->SetEnabled(true);
    PopMin->SetEnabled(true);
}

void TForm1::DisablePopTime() {
    Label4->SetEnabled(false);
    Label5->SetEnabled(false);
    PopHour->SetEnabled(false);
    PopMin->SetEnabled(false);
}

void TForm1::RadioGroup1Click(TObject*) {
    if (RadioGroup1->ItemIndex() == 2)
        EnablePopTime();
    else
        DisablePopTime();
}

// "All Set". SavePopTime requests the close before the registration runs; the request
// is only a flag that the application's outer message loop checks once this handler
// has returned, so an error box raised by the registration stays up until the user
// has read it, and the program ends after that with name and time saved.
void TForm1::BitBtn1Click(TObject*) {
    if (YourName->Text().empty()) {
        ShowInformation("Please enter your name so Installation can be completed.");
        return;
    }
    {
        IniFile userFile(kUserFile);
        userFile.WriteString("SETUPNFO", "UserName", YourName->Text());
    }
    SavePopTime();
    RegisterProgramGroups();
    Close();
}

void TForm1::BitBtn2Click(TObject*) { Application().HelpContext(HelpContext()); }

void TForm1::RegisterProgramGroups() {
    RegisterProgramGroupsOver(*DdeClientConv1, RadioGroup1->ItemIndex(), AddBackslash(ProgramDir()), link_);
}
