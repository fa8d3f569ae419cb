#include "framework/SizeConstraints.h"

#include "framework/TypInfo.h"

const TPublishedClass* TSizeConstraints::Published() const {
    using S = TSizeConstraints;
    namespace pub = published;
    static const TPublishedClass cls("TSizeConstraints", nullptr,
                                     {pub::Integer("MaxHeight", &S::MaxHeight, &S::SetMaxHeight, 0),
                                      pub::Integer("MaxWidth", &S::MaxWidth, &S::SetMaxWidth, 0),
                                      pub::Integer("MinHeight", &S::MinHeight, &S::SetMinHeight, 0),
                                      pub::Integer("MinWidth", &S::MinWidth, &S::SetMinWidth, 0)});
    return &cls;
}

void TSizeConstraints::Assign(const TPersistent* Source) {
    const auto* other = dynamic_cast<const TSizeConstraints*>(Source);
    if (!other) return TPersistent::Assign(Source);
    FMaxHeight = other->FMaxHeight;
    FMaxWidth = other->FMaxWidth;
    FMinHeight = other->FMinHeight;
    FMinWidth = other->FMinWidth;
}
