// The Win32 window's frame follows the form's border style and border icons.
#include <gtest/gtest.h>

#include "framework/Forms.h"
#include "ui/win32/Win32MainWindow.h"
#include "platform/win32/WindowsApi.h"

TEST(FormWindowStyle, FollowsTheBorderStyleAndTheBorderIcons) {
    struct Row {
        TFormBorderStyle Border;
        TBorderIcons Icons;
        DWORD Expected;
    };
    const TBorderIcons all = BorderIcon(biSystemMenu) | BorderIcon(biMinimize) | BorderIcon(biMaximize);
    const Row rows[] = {
        // The launcher: a fixed single border with the close button only.
        {bsSingle, BorderIcon(biSystemMenu), WS_CAPTION | WS_SYSMENU},
        {bsSingle, all, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
        {bsSizeable, all, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
        {bsDialog, BorderIcon(biSystemMenu), WS_CAPTION | WS_SYSMENU},
        // Minimise and maximise boxes come only with the system menu.
        {bsSingle, BorderIcon(biMinimize), WS_CAPTION},
        {bsNone, all, WS_POPUP},
    };
    for (const Row& r : rows) {
        TForm form(nullptr);
        form.SetBorderStyle(r.Border);
        form.SetBorderIcons(r.Icons);
        EXPECT_EQ(FormWindowStyle(form), r.Expected) << "border style " << r.Border << ", icons " << int(r.Icons);
    }
}
