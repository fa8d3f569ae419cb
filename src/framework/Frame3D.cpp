#include "framework/Frame3D.h"

void Frame3D(TCanvas& ACanvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    ACanvas.Brush.Style = bsSolid;
    for (int i = 0; i < Width && !Rect.IsEmpty(); ++i) {
        const TRect r = Rect;
        ACanvas.Brush.Color = TopColor;
        ACanvas.FillRect(TRect{r.Left, r.Top, r.Right - 1, r.Top + 1});        // top
        ACanvas.FillRect(TRect{r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1});  // left
        ACanvas.Brush.Color = BottomColor;
        ACanvas.FillRect(TRect{r.Right - 1, r.Top, r.Right, r.Bottom});        // right
        ACanvas.FillRect(TRect{r.Left, r.Bottom - 1, r.Right - 1, r.Bottom});  // bottom
        Rect = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
}
