// The options dialog's components and their properties: kind, parent, position and
// size in pixels relative to the parent, captions, fonts, colours and tab order.
#include <windows.h>

#include <utility>

#include "PI1.h"
#include "piloinst_resources.h"

namespace {

// Control ids for test drivers: each visible component's place in the form's
// component order (DdeClientConv1, seventh, has no window).
enum ControlId {
    idPanel1 = 1, idImage1, idLabel1, idImage2, idRadioGroup1, idBitBtn1, idDdeClientConv1,
    idGroupBox1, idLabel2, idYourName, idLabel3, idZVerLabel1, idZVerLabel2, idLabel4,
    idPopHour, idLabel5, idPopMin, idBitBtn2
};

template <typename T>
T* Place(T* control, TWinControl* parent, int id, int left, int top, int width, int height) {
    control->SetParent(parent);
    control->SetControlId(id);
    control->SetBounds(left, top, width, height);
    return control;
}

void SetFont(TFont& font, COLORREF color, bool bold, int height = -11) {
    font.SetName("MS Sans Serif");
    font.SetHeight(height);
    font.SetBold(bold);
    font.SetColor(color);
}

}  // namespace

TForm1::TForm1(TComponent* owner, DdeLink link)
    : TForm(owner, "TForm1"), link_(std::move(link)) {
    Name = "Form1";
    SetCaption("Pilo Installation...");
    SetClientSize(552, 355);
    SetFont(Font(), GetSysColor(COLOR_WINDOWTEXT), false);
    SetHelpContext(25);

    Panel1 = Place(new TPanel(this), this, idPanel1, 10, 9, 535, 344);
    Panel1->SetTabOrder(0);

    Image1 = Place(new TImage(this), Panel1, idImage1, 8, 16, 97, 268);
    Image1->SetBitmapResource(IDB_SIDE_PICTURE);

    Label1 = Place(new TLabel(this), Panel1, idLabel1, 160, 16, 291, 40);
    Label1->SetAlignment(TAlignment::taCenter);
    Label1->SetWordWrap(true);
    SetFont(Label1->Font(), clNavy, true, -16);
    Label1->SetCaption("Welcome to the Pilo! Mindkeep! Installation.  ");
    // Again now that it wraps its caption: an auto-sized label sized while its caption
    // was empty and single-line has shrunk to no width.
    Label1->SetBounds(160, 16, 291, 40);

    Image2 = Place(new TImage(this), Panel1, idImage2, 116, 20, 33, 33);
    Image2->SetIconResource(IDI_PROGRAM_ICON);

    RadioGroup1 = Place(new TRadioGroup(this), Panel1, idRadioGroup1, 120, 144, 385, 137);
    SetFont(RadioGroup1->Font(), clNavy, true);
    RadioGroup1->SetCaption("Installation Options...");
    RadioGroup1->Items() = {
        "I want Pilo! to pop up the first time I start Windows each day",
        "I want Pilo! to pop up every time I start Windows",
        "I want Pilo! to start at a specific time each day",
        "I do not want Pilo! to load automatically - I'll start it myself",
    };
    RadioGroup1->SetItemIndex(0);
    RadioGroup1->SetTabOrder(0);
    RadioGroup1->OnClick = [this](TObject* sender) { RadioGroup1Click(sender); };

    BitBtn1 = Place(new TBitBtn(this), Panel1, idBitBtn1, 424, 288, 83, 33);
    SetFont(BitBtn1->Font(), clNavy, true);
    BitBtn1->SetCaption("All Set");
    BitBtn1->SetGlyphResource(IDB_ALLSET_GLYPH);
    BitBtn1->SetDefault(true);
    BitBtn1->SetTabOrder(1);
    BitBtn1->OnClick = [this](TObject* sender) { BitBtn1Click(sender); };

    DdeClientConv1 = std::make_unique<TDdeClientConv>();

    GroupBox1 = Place(new TGroupBox(this), Panel1, idGroupBox1, 120, 56, 385, 81);
    SetFont(GroupBox1->Font(), clNavy, true);
    GroupBox1->SetCaption("About This Installation");
    GroupBox1->SetTabOrder(2);

    Label2 = Place(new TLabel(this), GroupBox1, idLabel2, 16, 48, 67, 13);
    Label2->SetCaption("Your Name:");

    YourName = Place(new TEdit(this), GroupBox1, idYourName, 96, 46, 265, 21);
    YourName->SetTabOrder(0);

    Label3 = Place(new TLabel(this), GroupBox1, idLabel3, 16, 24, 47, 13);
    Label3->SetCaption("Version:");

    ZVerLabel1 = Place(new TZVerLabel(this), Panel1, idZVerLabel1, 8, 296, 39, 13);
    SetFont(ZVerLabel1->Font(), clNavy, false);
    ZVerLabel1->Prefix = "Installer v";
    ZVerLabel1->SetCaption("4.0.5.37");

    ZVerLabel2 = Place(new TZVerLabel(this), GroupBox1, idZVerLabel2, 96, 24, 39, 13);
    SetFont(ZVerLabel2->Font(), clBlue, false);
    ZVerLabel2->FileName = "Pilo.exe";
    ZVerLabel2->SetCaption("4.0.5.37");

    Label4 = Place(new TLabel(this), Panel1, idLabel4, 120, 288, 26, 13);
    Label4->SetCaption("Hour:");

    PopHour = Place(new TEdit(this), Panel1, idPopHour, 152, 288, 33, 21);
    PopHour->SetTabOrder(3);

    Label5 = Place(new TLabel(this), Panel1, idLabel5, 192, 288, 20, 13);
    Label5->SetCaption("Min:");

    PopMin = Place(new TEdit(this), Panel1, idPopMin, 224, 288, 33, 21);
    PopMin->SetTabOrder(4);

    BitBtn2 = Place(new TBitBtn(this), Panel1, idBitBtn2, 336, 288, 75, 33);
    SetFont(BitBtn2->Font(), clNavy, false);
    BitBtn2->SetCaption("Help");
    BitBtn2->SetGlyphResource(IDB_HELP_GLYPH);
    BitBtn2->SetTabOrder(5);
    BitBtn2->OnClick = [this](TObject* sender) { BitBtn2Click(sender); };

    OnActivate = [this](TObject* sender) { FormActivate(sender); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
}
