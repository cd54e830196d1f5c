#pragma once
// Root of the class layer and the event type every control offers.
#include <functional>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

// An event handler a form assigns to a control; sender is the control that fired it.
using TNotifyEvent = std::function<void(TObject* sender)>;
