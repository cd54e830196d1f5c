#pragma once
// The options dialog of the installer: the user's name, how Pilo! is to start with
// Windows, the daily pop-up time, and "All Set", which saves them and registers the
// program groups with the shell.
#include <memory>

#include "DdeClientConv.h"
#include "ProgramGroups.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TForm.h"
#include "TGroupBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TRadioGroup.h"
#include "ZVerLbl.h"

class TForm1 : public TForm {
public:
    // link: the shell's Program Manager service and topic; only a test host passes
    // another.
    explicit TForm1(TComponent* owner, DdeLink link = {});

    // Published components, in the form's order; the form owns them.
    TPanel* Panel1;
    TImage* Image1;
    TLabel* Label1;
    TImage* Image2;
    TRadioGroup* RadioGroup1;
    TBitBtn* BitBtn1;
    std::unique_ptr<TDdeClientConv> DdeClientConv1;
    TGroupBox* GroupBox1;
    TLabel* Label2;
    TEdit* YourName;
    TLabel* Label3;
    TZVerLabel* ZVerLabel1;
    TZVerLabel* ZVerLabel2;
    TLabel* Label4;
    TEdit* PopHour;
    TLabel* Label5;
    TEdit* PopMin;
    TBitBtn* BitBtn2;

    // Published event handlers.
    void FormActivate(TObject* sender);
    void FormCreate(TObject* sender);
    void RadioGroup1Click(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void BitBtn2Click(TObject* sender);

private:
    void LoadPopTime();
    void SavePopTime();
    void EnablePopTime();
    void DisablePopTime();
    void RegisterProgramGroups();

    DdeLink link_;
};
