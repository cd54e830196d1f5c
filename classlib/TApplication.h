#pragma once
// The application object: creates the forms, runs the message loop with dialog
// keyboard navigation (Tab, Enter for the default button, F1 for help), opens the
// help file and shows the errors that reach it.
#include <exception>
#include <string>
#include <utility>

#include "TComponent.h"
#include "TForm.h"

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize();

    // Creates a form owned by the application (constructor arguments after the
    // owner are passed on) and runs its OnCreate; the first form becomes the main form.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* form = new T(this, std::forward<Args>(args)...);
        if (!mainForm_) mainForm_ = form;
        form->DoCreate();
        return form;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and runs the message loop until the main form is closed
    // or the application is terminated; then destroys the forms.
    void Run();
    // Ends the message loop after the running handler has returned.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The executable's file name without extension, the first letter as it is and
    // the others in lower case ("Piloinst").
    std::string Title() const;

    void SetHelpFile(const std::string& path) { helpFile_ = path; }
    const std::string& HelpFile() const { return helpFile_; }
    // Opens the help file at the context in the Windows Help viewer.
    bool HelpContext(int context);

    // Shows the error in a message box (stop icon, OK, titled with Title()) and
    // returns, so the message loop goes on.
    void HandleException(const std::exception& error) noexcept;

    // One message of the loop: F1, dialog keys, or the window procedure.
    void ProcessMessage(MSG& message);

private:
    friend class TForm;
    void FormDestroyed(TForm* form);
    bool LoopShouldEnd() const;

    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::string helpFile_;
};

// The one application object.
TApplication& Application();

// Title rule applied to a path: "C:\\X\\PiloInst.exe" gives "Piloinst".
std::string ApplicationTitleOf(const std::string& executablePath);
// The error box's text: the message, with a full stop appended when its last
// character sorts after ".".
std::string ErrorBoxText(const std::string& message);
// The help context for F1 with the focus on this window: the first non-zero one of
// the window's control and its parents up to the form; 0 when none has one.
int HelpContextFor(HWND focus);
