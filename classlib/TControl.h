#pragma once
// A visible control: a child window with position, caption, font, help context and
// tab order. Properties may be set before the window exists; the window is made
// when the control has a parent whose window exists, and takes them then.
#include <windows.h>

#include <string>

#include "GdiHandles.h"
#include "TComponent.h"
#include "TFont.h"

class TWinControl;

LRESULT CALLBACK LayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    void SetParent(TWinControl* parent);
    TWinControl* Parent() const { return parent_; }

    virtual void SetBounds(int left, int top, int width, int height);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    virtual void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    void SetVisible(bool visible);
    bool Visible() const { return visible_; }

    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return caption_; }

    // The control's own font. While the control takes its parent's font, the first
    // access copies the parent's properties, so that changing one keeps the others.
    TFont& Font();
    bool ParentFont() const { return parentFont_; }
    // The font the control shows: its own, or its parent's.
    const TFont& EffectiveFont() const;
    HFONT FontHandle() const;

    void SetHelpContext(int context) { helpContext_ = context; }
    int HelpContext() const { return helpContext_; }
    void SetTabOrder(int order);
    int TabOrder() const { return tabOrder_; }
    void SetControlId(int id);
    int ControlId() const { return controlId_; }

    // The control's window; null until it has been made.
    HWND Handle() const { return window_.Get(); }

    // The control object of a window made by this layer, or null.
    static TControl* FromHandle(HWND window);

protected:
    struct WindowKind {
        const char* className;  // a class of this layer or a system class
        DWORD style;            // WS_CHILD and the visible/disabled bits are added
        DWORD exStyle;
    };
    virtual WindowKind Kind() const = 0;
    // Called once the window exists (and again when it is made anew).
    virtual void HandleCreated() {}

    virtual void CreateHandle();
    virtual void DestroyHandle();
    bool HandleAllocated() const { return static_cast<bool>(window_); }

    // The effective font changed (own or parent's).
    virtual void FontChanged();
    virtual void CaptionChanged();
    virtual void BoundsChanged() {}
    // The form is about to be shown: last chance to bring windows up to date.
    virtual void BeforeShow() {}

    // Notifications the parent window hands on to the control.
    virtual void Command(WORD /*notifyCode*/) {}
    virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // WM_CTLCOLOR*: the control's text colour on the parent's background.
    virtual HBRUSH ControlColor(HDC dc);

    // Message handling of the layer's own window classes (one window procedure
    // for all of them routes each message to its control object).
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Registers a window class of this layer (once per name).
    static void RegisterKind(const char* className, HICON icon = nullptr);

    void ApplyBounds();
    static HINSTANCE Instance();

    friend class TWinControl;

LRESULT CALLBACK LayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    friend class TForm;
    friend LRESULT CALLBACK ::LayerWindowProc(HWND, UINT, WPARAM, LPARAM);

private:
    void OwnFontChanged();
    void AttachWindow(HWND window);

    TWinControl* parent_ = nullptr;
    UniqueWindow window_;
    mutable UniqueFont fontHandle_;
    TFont font_;
    bool parentFont_ = true;
    std::string caption_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    int helpContext_ = 0;
    int tabOrder_ = -1;
    int controlId_ = 0;
};
