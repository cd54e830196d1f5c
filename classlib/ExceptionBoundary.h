#pragma once
// Nothing thrown may unwind through a window procedure or other callback that
// Windows calls: such code catches everything and hands it on with this.

// Shows the exception being handled (call it only inside a catch block) through
// the application's handler, which returns to the message loop.
void HandleCurrentException() noexcept;

// Runs the code; an exception goes to the application's handler and no further.
template <class Code>
void CallGuarded(Code&& code) noexcept {
    try {
        code();
    } catch (...) {
        HandleCurrentException();
    }
}
