#pragma once
// The theming component: it does nothing at run time. A form that holds one says the program carries
// the application manifest that asks for the visual style of the standard controls.
#include "framework/Classes.h"

class TXPManifest : public TComponent {
public:
    using TComponent::TComponent;
    const TPublishedClass* Published() const override;
};
