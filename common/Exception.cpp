#include "Exception.h"

#include <utility>

// Kept out of line so that the return address is the raiser's code.
__attribute__((noinline)) Exception::Exception(std::string message)
    : message_(std::move(message)), raiseAddress_(__builtin_return_address(0)) {}
