#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TApplication.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TForm.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TPanel.h"
#include "WindowDriver.h"

namespace {

// The pixel size of a text in a font, measured apart from the label's own code.
SIZE TextExtent(HFONT font, const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return size;
}

LOGFONTA FontOf(HWND window) {
    LOGFONTA font = {};
    auto handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof font, &font);
    return font;
}

// Text colour the parent sets for the child's WM_CTLCOLORSTATIC.
COLORREF StaticTextColor(HWND parent, HWND child) {
    HDC dc = GetDC(child);
    SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
    const COLORREF color = GetTextColor(dc);
    ReleaseDC(child, dc);
    return color;
}

class Controls : public testing::Test {
protected:
    TForm form{nullptr, "TControlsTestForm"};

    template <class T>
    T* Make(TWinControl* parent) {
        auto* control = new T(&form);
        control->SetParent(parent);
        return control;
    }
};

TEST_F(Controls, FormHasADialogFrameAndItsClassName) {
    form.SetCaption("Pilo Installation...");
    form.SetClientSize(552, 355);
    char className[64] = {};
    GetClassNameA(form.Handle(), className, sizeof className);
    EXPECT_STREQ(className, "TControlsTestForm");
    EXPECT_EQ(FindWindowA("TControlsTestForm", "Pilo Installation..."), form.Handle());
    const LONG_PTR style = GetWindowLongPtrA(form.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 552);
    EXPECT_EQ(client.bottom, 355);
}

TEST_F(Controls, FormIsCentredOnTheDesktopAndActivatedOnce) {
    int activations = 0;
    form.OnActivate = [&](TObject*) { ++activations; };
    form.SetClientSize(300, 200);
    form.Show();
    PumpFor(100);
    RECT frame;
    GetWindowRect(form.Handle(), &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_EQ(activations, 1);
    // Coming back to the form is no new first activation.
    TForm other(nullptr, "TControlsOtherForm");
    other.Show();
    PumpFor(50);
    SetActiveWindow(form.Handle());
    PumpFor(50);
    EXPECT_EQ(GetActiveWindow(), form.Handle());
    EXPECT_EQ(activations, 1);
}

TEST_F(Controls, LabelSizesItselfToItsCaption) {
    TLabel* label = Make<TLabel>(&form);
    label->SetBounds(8, 296, 39, 13);
    label->SetCaption("Installer v 5.0.1.7");
    const SIZE text = TextExtent(label->FontHandle(), "Installer v 5.0.1.7");
    EXPECT_EQ(label->Width(), text.cx);
    EXPECT_EQ(label->Height(), text.cy);
    RECT frame;
    GetClientRect(label->Handle(), &frame);
    EXPECT_EQ(frame.right, text.cx);
    label->SetCaption("1");
    EXPECT_EQ(label->Width(), TextExtent(label->FontHandle(), "1").cx);
}

TEST_F(Controls, AutoSizeKeepsTheRightEdgeOfARightAlignedLabel) {
    TLabel* label = Make<TLabel>(&form);
    label->SetAlignment(TAlignment::taRightJustify);
    label->SetBounds(100, 10, 50, 13);
    const int right = label->Left() + label->Width();
    label->SetCaption("A much longer caption");
    EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(Controls, WordWrappedLabelKeepsItsWidthAndGrowsInHeight) {
    TLabel* label = Make<TLabel>(&form);
    label->SetWordWrap(true);
    label->SetAlignment(TAlignment::taCenter);
    label->Font().SetHeight(-16);
    label->Font().SetBold(true);
    label->SetBounds(160, 16, 120, 40);
    label->SetCaption("Welcome to the Pilo! Mindkeep! Installation.  ");
    EXPECT_EQ(label->Width(), 120);
    EXPECT_GE(label->Height(), 2 * TextExtent(label->FontHandle(), "W").cy);
    EXPECT_EQ(GetWindowLongPtrA(label->Handle(), GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
}

TEST_F(Controls, ChildrenTakeTheParentsFontUntilTheyHaveTheirOwn) {
    TPanel* panel = Make<TPanel>(&form);
    TGroupBox* group = Make<TGroupBox>(panel);
    group->Font().SetColor(clNavy);
    group->Font().SetBold(true);
    TLabel* inherits = Make<TLabel>(group);
    TEdit* edit = Make<TEdit>(group);
    TLabel* own = Make<TLabel>(group);
    own->Font().SetColor(clBlue);  // starts from the group's font, then differs
    own->Font().SetBold(false);

    EXPECT_EQ(SendMessageA(inherits->Handle(), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(group->FontHandle()));
    EXPECT_EQ(FontOf(edit->Handle()).lfWeight, FW_BOLD);
    EXPECT_STREQ(FontOf(inherits->Handle()).lfFaceName, "MS Sans Serif");
    EXPECT_EQ(FontOf(inherits->Handle()).lfHeight, -11);
    EXPECT_EQ(StaticTextColor(group->Handle(), inherits->Handle()), clNavy);
    EXPECT_EQ(StaticTextColor(group->Handle(), own->Handle()), clBlue);
    EXPECT_EQ(FontOf(own->Handle()).lfWeight, FW_NORMAL);

    // A later change of the parent's font reaches only those that take it.
    group->Font().SetHeight(-16);
    EXPECT_EQ(FontOf(inherits->Handle()).lfHeight, -16);
    EXPECT_EQ(FontOf(edit->Handle()).lfHeight, -16);
    EXPECT_EQ(FontOf(own->Handle()).lfHeight, -11);
}

TEST_F(Controls, DisabledLabelShowsGreyedText) {
    TLabel* label = Make<TLabel>(&form);
    label->Font().SetColor(clNavy);
    label->SetCaption("Hour:");
    EXPECT_EQ(StaticTextColor(form.Handle(), label->Handle()), clNavy);
    label->SetEnabled(false);
    EXPECT_EQ(StaticTextColor(form.Handle(), label->Handle()), GetSysColor(COLOR_GRAYTEXT));
    label->SetEnabled(true);
    EXPECT_EQ(StaticTextColor(form.Handle(), label->Handle()), clNavy);
}

TEST_F(Controls, EditIsASunkenEditWindowOf21Pixels) {
    TEdit* edit = Make<TEdit>(&form);
    edit->SetBounds(96, 46, 265, 21);
    char className[16] = {};
    GetClassNameA(edit->Handle(), className, sizeof className);
    EXPECT_STREQ(className, "Edit");
    EXPECT_TRUE(GetWindowLongPtrA(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT frame;
    GetWindowRect(edit->Handle(), &frame);
    EXPECT_EQ(frame.bottom - frame.top, 21);
    SetWindowTextA(edit->Handle(), "typed by the user");
    EXPECT_EQ(edit->Text(), "typed by the user");
    edit->SetText(" ");
    EXPECT_EQ(edit->Text(), " ");
}

TEST_F(Controls, ChildrenArePlacedRelativeToTheirContainer) {
    TPanel* panel = Make<TPanel>(&form);
    panel->SetBounds(10, 9, 535, 344);
    TGroupBox* group = Make<TGroupBox>(panel);
    group->SetBounds(120, 56, 385, 81);
    TEdit* edit = Make<TEdit>(group);
    edit->SetBounds(96, 46, 265, 21);
    POINT origin = {0, 0};
    ClientToScreen(form.Handle(), &origin);
    RECT frame;
    GetWindowRect(edit->Handle(), &frame);
    EXPECT_EQ(frame.left - origin.x, 10 + 120 + 96);
    EXPECT_EQ(frame.top - origin.y, 9 + 56 + 46);
    EXPECT_EQ(GetParent(edit->Handle()), group->Handle());
}

TEST_F(Controls, WindowOrderFollowsTheTabOrder) {
    TEdit* third = Make<TEdit>(&form);
    TEdit* first = Make<TEdit>(&form);
    TBitBtn* second = Make<TBitBtn>(&form);
    third->SetTabOrder(2);
    first->SetTabOrder(0);
    second->SetTabOrder(1);
    std::vector<HWND> order;
    for (HWND child = GetWindow(form.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        order.push_back(child);
    EXPECT_EQ(order, (std::vector<HWND>{first->Handle(), second->Handle(), third->Handle()}));
    EXPECT_EQ(GetNextDlgTabItem(form.Handle(), first->Handle(), FALSE), second->Handle());
}

TEST_F(Controls, HelpContextPassesUpToTheForm) {
    form.SetHelpContext(25);
    TPanel* panel = Make<TPanel>(&form);
    TGroupBox* group = Make<TGroupBox>(panel);
    TEdit* plain = Make<TEdit>(group);
    TEdit* own = Make<TEdit>(group);
    own->SetHelpContext(7);
    EXPECT_EQ(HelpContextFor(plain->Handle()), 25);
    EXPECT_EQ(HelpContextFor(own->Handle()), 7);
    EXPECT_EQ(HelpContextFor(group->Handle()), 25);
    form.SetHelpContext(0);
    EXPECT_EQ(HelpContextFor(plain->Handle()), 0);
}

TEST_F(Controls, ControlMadeBeforeItsParentGetsItsWindowWithIt) {
    auto* panel = new TPanel(&form);
    auto* label = new TLabel(&form);
    label->SetParent(panel);
    label->SetControlId(3);
    label->SetCaption("Version:");
    EXPECT_EQ(label->Handle(), nullptr);
    panel->SetParent(&form);
    ASSERT_NE(label->Handle(), nullptr);
    EXPECT_EQ(GetDlgCtrlID(label->Handle()), 3);
    char text[32] = {};
    GetWindowTextA(label->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "Version:");
}

// Records the order in which components go.
std::vector<std::string>* destroyed = nullptr;
class Recorded : public TComponent {
public:
    Recorded(TComponent* owner, std::string name) : TComponent(owner) { Name = std::move(name); }
    ~Recorded() override { destroyed->push_back(Name); }
};

TEST(Components, OwnerDestroysThemLastCreatedFirst) {
    std::vector<std::string> order;
    destroyed = &order;
    {
        TComponent owner(nullptr);
        new Recorded(&owner, "first");
        auto* middle = new Recorded(&owner, "middle");
        new Recorded(&owner, "last");
        delete middle;  // leaves the owner's list by itself
        EXPECT_EQ(owner.Components().size(), 2u);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"middle", "last", "first"}));
    destroyed = nullptr;
}

}  // namespace
