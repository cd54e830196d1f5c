// A small program on the class layer for the driver test: each button exercises one
// thing a real handler can do, and the status label tells the driver what ran.
#include <windows.h>

#include <string>

#include "Exception.h"
#include "MessageDialogs.h"
#include "ProgramDir.h"
#include "TApplication.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TRadioGroup.h"

namespace {

class THostForm : public TForm {
public:
    explicit THostForm(TComponent* owner) : TForm(owner, "TClassHost") {
        SetCaption("Class Host");
        SetClientSize(400, 260);
        SetHelpContext(25);

        auto* panel = new TPanel(this);
        panel->SetParent(this);
        panel->SetBounds(5, 5, 390, 250);
        panel->SetControlId(1);

        Status = new TLabel(this);
        Status->SetParent(panel);
        Status->SetBounds(8, 8, 200, 13);
        Status->SetControlId(3);
        Status->SetCaption("Ready");

        Edit = new TEdit(this);
        Edit->SetParent(panel);
        Edit->SetBounds(8, 28, 150, 21);
        Edit->SetControlId(10);
        Edit->SetTabOrder(0);

        Options = new TRadioGroup(this);
        Options->SetParent(panel);
        Options->SetBounds(170, 28, 200, 100);
        Options->SetControlId(5);
        Options->SetCaption("Options");
        Options->Items() = {"zero", "one", "two"};
        Options->SetItemIndex(0);
        Options->SetTabOrder(1);
        Options->OnClick = [this](TObject*) { Status->SetCaption("Picked " + std::to_string(Options->ItemIndex())); };

        TBitBtn* defaultButton =
            AddButton(panel, "Default", 6, 8, 140, [this] { Status->SetCaption("Default pressed"); });
        defaultButton->SetDefault(true);
        defaultButton->SetGlyphResource("GLYPH");
        defaultButton->Font().SetBold(true);
        defaultButton->Font().SetColor(clNavy);

        auto* icon = new TImage(this);
        icon->SetParent(panel);
        icon->SetBounds(8, 60, 33, 33);
        icon->SetIconResource("HOSTICON");
        auto* picture = new TImage(this);
        picture->SetParent(panel);
        picture->SetBounds(50, 60, 40, 60);
        picture->SetBitmapResource("GLYPH");
        AddButton(panel, "Fail", 7, 96, 140, [] { throw Exception("Handler failed"); });
        AddButton(panel, "Odd failure", 8, 184, 140, [] { throw 42; });
        AddButton(panel, "Close and fail", 9, 8, 180, [this] {
            Close();
            throw Exception("Unable to connect DDE conversation");
        });
        AddButton(panel, "Inform", 11, 96, 180, [] { ShowInformation("Just so you know"); });
        AddButton(panel, "Close", 12, 184, 180, [this] { Close(); });

        OnActivate = [this](TObject*) {
            Application().SetHelpFile(AddBackslash(ProgramDir()) + "nohelp.hlp");
            Status->SetCaption("Activated");
        };
    }

    TLabel* Status;
    TEdit* Edit;
    TRadioGroup* Options;

private:
    template <class Handler>
    TBitBtn* AddButton(TWinControl* parent, const char* caption, int id, int left, int top, Handler handler) {
        auto* button = new TBitBtn(this);
        button->SetParent(parent);
        button->SetBounds(left, top, 80, 30);
        button->SetControlId(id);
        button->SetCaption(caption);
        button->OnClick = [handler](TObject*) { handler(); };
        return button;
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application().Initialize();
    Application().CreateForm<THostForm>();
    Application().Run();
    return 0;
}
