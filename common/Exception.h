#pragma once
// The one error type of both programs. It remembers where it was raised, so the
// launcher's error box can name the code address the way the run-time reports it.
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message);

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }
    // Code address of the statement that raised the error.
    const void* RaiseAddress() const noexcept { return raiseAddress_; }

private:
    std::string message_;
    const void* raiseAddress_;
};
