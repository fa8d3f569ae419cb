#include "framework/Graphics.h"
#include "framework/TypInfo.h"

namespace {
// A graphic stores its own data ("Data"), only when it holds a picture.
const TPublishedClass& GraphicClass() {
    static const TPublishedClass cls("TGraphic", nullptr,
        {published::Binary(
            "Data", [](const TPersistent& g) { return !static_cast<const TGraphic&>(g).Empty(); },
            [](const TPersistent& g, TStream& s) { const_cast<TGraphic&>(static_cast<const TGraphic&>(g)).WriteData(s); },
            [](TPersistent& g, TStream& s) { static_cast<TGraphic&>(g).ReadData(s); })});
    return cls;
}

// A picture stores its graphic's class name and then the graphic's data.
const TPublishedClass& PictureClass() {
    static const TPublishedClass cls("TPicture", nullptr,
        {published::Binary(
            "Data", [](const TPersistent& p) { return static_cast<const TPicture&>(p).Graphic() != nullptr; },
            [](const TPersistent& p, TStream& s) {
                const_cast<TPicture&>(static_cast<const TPicture&>(p)).WriteStoredData(s);
            },
            [](TPersistent& p, TStream& s) { static_cast<TPicture&>(p).ReadStoredData(s); })});
    return cls;
}
} // namespace

const TPublishedClass* PicturePublishedClassOf(const TPersistent& Instance) {
    if (dynamic_cast<const TGraphic*>(&Instance)) return &GraphicClass();
    if (dynamic_cast<const TPicture*>(&Instance)) return &PictureClass();
    return nullptr;
}
