#pragma once
// A top-level dialog window: caption bar with system menu and close button, no
// minimise or maximise button, not resizable, centred on the desktop when first
// shown. Its window class is named after the form class ("TForm1").
#include <string>

#include "TWinControl.h"

class TForm : public TWinControl {
public:
    TForm(TComponent* owner, const std::string& className);
    ~TForm() override;

    void SetClientSize(int width, int height);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }

    // Shows the form (centred on the desktop the first time) and activates it.
    void Show();

    // Requests the form to close. The application's message loop ends after the
    // running handler has returned, and only in the outer loop: a message box that
    // the same handler shows stays up until the user closes it.
    void Close();
    bool CloseRequested() const { return closeRequested_; }

    // Run during the form's creation by the application (after construction).
    TNotifyEvent OnCreate;
    // Run once: the first time the shown form gets the keyboard focus.
    TNotifyEvent OnActivate;

    const std::string& ClassName() const { return className_; }

    // Runs OnCreate; an error goes to the application's handler.
    void DoCreate();

protected:
    WindowKind Kind() const override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CaptionChanged() override;
    void BoundsChanged() override {}

private:
    void CreateFormWindow();
    void Activated();
    void RestoreFocus();
    LRESULT DefaultButtonId() const;

    std::string className_;
    int clientWidth_ = 0, clientHeight_ = 0;
    bool shownBefore_ = false;
    bool activatedBefore_ = false;
    bool closeRequested_ = false;
    HWND lastFocus_ = nullptr;
};
