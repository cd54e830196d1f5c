#pragma once
// A fixed-size character buffer for texts handed to the operating system. A text that
// does not fit is refused as a whole: it is never cut (a cut path names another file)
// and never written past the end.
#include <cstddef>
#include <cstring>
#include <string_view>

template <std::size_t Capacity>  // characters, terminator included
class FixedText {
    static_assert(Capacity > 0);

public:
    static constexpr std::size_t kMaxLength = Capacity - 1;

    // Copies the text with its terminator; false (and an empty buffer) when it does not fit.
    bool Assign(std::string_view text) noexcept {
        if (text.size() > kMaxLength || text.find('\0') != std::string_view::npos) {
            chars_[0] = '\0';
            return false;
        }
        std::memcpy(chars_, text.data(), text.size());
        chars_[text.size()] = '\0';
        return true;
    }

    char* Data() noexcept { return chars_; }
    const char* CStr() const noexcept { return chars_; }
    std::size_t Length() const noexcept { return std::strlen(chars_); }

private:
    char chars_[Capacity] = {};
};

// The sizes the programs use.
using PathBuffer = FixedText<241>;         // command lines and file paths
using MacroBuffer = FixedText<256>;        // DDE macros
using WindowTitleBuffer = FixedText<101>;  // the reminder program's window title
