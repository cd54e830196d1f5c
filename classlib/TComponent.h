#pragma once
// A component with an owner. The owner destroys the components it owns, the last
// created first; a component destroyed earlier leaves its owner's list by itself.
#include <string>
#include <vector>

#include "TObject.h"

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }

    std::string Name;

protected:
    // Destroys the owned components now, the last created first.
    void DestroyComponents();

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
};
