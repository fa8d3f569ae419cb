/* What MSAA tells a screen reader about a running program, for the checks under Wine (built by them
 * with the mingw compiler).
 *   msaa-probe CLASS TITLE   waits up to 20 s for the top-level window of class CLASS titled TITLE, then
 *                            prints a line for it and for each of its child windows (z-order):
 *                            window class|accName|role (hex) role text|accValue|accState (hex)|
 *                            accDescription, in UTF-8; a text the object does not give (S_FALSE, an
 *                            error) is "-".
 *   msaa-probe colours high  switches the desktop to Windows' "High Contrast Black" colours and asks
 *                            for high-contrast mode (SPI_SETHIGHCONTRAST); prints what was set.
 *   msaa-probe colours FILE  restores the colours saved in FILE by "high" (it writes FILE beside
 *                            itself as msaa-probe.colours).
 *   msaa-probe tooltips      waits up to 5 s for a shown tooltip window (common controls' class) and
 *                            prints the text of each one shown, in UTF-8. */
#define COBJMACROS
#include <windows.h>
#include <oleacc.h>
#include <stdio.h>

static void put(const wchar_t* text) {
    char out[1024];
    if (!text || !WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, NULL, NULL)) strcpy(out, "-");
    fputs(out, stdout);
}

static void list(HWND window) {
    char cls[128];
    IAccessible* acc = NULL;
    GetClassNameA(window, cls, sizeof cls);
    printf("%s|", cls);
    const HRESULT found = AccessibleObjectFromWindow(window, OBJID_CLIENT, &IID_IAccessible, (void**)&acc);
    if (FAILED(found) || !acc) {
        printf("(no object: %08lx)\n", (unsigned long)found);
        return;
    }
    VARIANT self, role, state;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VariantInit(&role);
    VariantInit(&state);
    BSTR name = NULL, value = NULL, description = NULL;
    wchar_t roleText[128] = L"-";
    put(IAccessible_get_accName(acc, self, &name) == S_OK ? name : NULL);
    putchar('|');
    if (SUCCEEDED(IAccessible_get_accRole(acc, self, &role)) && role.vt == VT_I4) GetRoleTextW(role.lVal, roleText, 128);
    printf("%lx ", role.vt == VT_I4 ? (unsigned long)role.lVal : 0ul);
    put(roleText);
    putchar('|');
    put(IAccessible_get_accValue(acc, self, &value) == S_OK ? value : NULL);
    IAccessible_get_accState(acc, self, &state);
    printf("|%lx|", state.vt == VT_I4 ? (unsigned long)state.lVal : 0ul);
    put(IAccessible_get_accDescription(acc, self, &description) == S_OK ? description : NULL);
    putchar('\n');
    SysFreeString(name);
    SysFreeString(value);
    SysFreeString(description);
    IAccessible_Release(acc);
}

static BOOL CALLBACK child(HWND window, LPARAM unused) {
    (void)unused;
    list(window);
    return TRUE;
}

/* "High Contrast Black" as Windows ships it. */
static const struct { int index; COLORREF color; } high[] = {
    {COLOR_WINDOW, RGB(0, 0, 0)},           {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
    {COLOR_BTNFACE, RGB(0, 0, 0)},          {COLOR_BTNTEXT, RGB(255, 255, 255)},
    {COLOR_GRAYTEXT, RGB(63, 242, 63)},     {COLOR_HIGHLIGHT, RGB(26, 235, 255)},
    {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)},    {COLOR_BTNSHADOW, RGB(255, 255, 255)},
    {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}, {COLOR_3DDKSHADOW, RGB(255, 255, 255)},
    {COLOR_3DLIGHT, RGB(255, 255, 255)},    {COLOR_WINDOWFRAME, RGB(255, 255, 255)},
};
enum { kCount = sizeof high / sizeof high[0] };

static int colours(const char* what) {
    int index[kCount];
    COLORREF value[kCount];
    char saved[MAX_PATH];
    GetModuleFileNameA(NULL, saved, MAX_PATH);
    strcpy(strrchr(saved, '\\') + 1, "msaa-probe.colours");
    if (strcmp(what, "high") == 0) {
        FILE* f = fopen(saved, "w");
        if (!f) return 1;
        for (int i = 0; i < kCount; ++i) {
            index[i] = high[i].index;
            value[i] = high[i].color;
            fprintf(f, "%d %lu\n", index[i], (unsigned long)GetSysColor(index[i]));
        }
        fclose(f);
        HIGHCONTRASTW contrast = {sizeof contrast, HCF_HIGHCONTRASTON, NULL};
        BOOL mode = SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, SPIF_SENDCHANGE);
        HIGHCONTRASTW now = {sizeof now, 0, NULL};
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof now, &now, 0);
        printf("SPI_SETHIGHCONTRAST %s; SPI_GETHIGHCONTRAST says %s\n", mode ? "accepted" : "refused",
               now.dwFlags & HCF_HIGHCONTRASTON ? "on" : "off");
        return SetSysColors(kCount, index, value) ? 0 : 1;
    }
    FILE* f = fopen(what, "r");
    unsigned long v;
    int n = 0;
    if (!f) return 1;
    while (n < kCount && fscanf(f, "%d %lu", &index[n], &v) == 2) value[n++] = v;
    fclose(f);
    HIGHCONTRASTW contrast = {sizeof contrast, 0, NULL};
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, SPIF_SENDCHANGE);
    return n && SetSysColors(n, index, value) ? 0 : 1;
}

static BOOL CALLBACK shown_tip(HWND window, LPARAM count) {
    char cls[64];
    wchar_t text[512];
    if (!IsWindowVisible(window) || !GetClassNameA(window, cls, sizeof cls) || strcmp(cls, "tooltips_class32") != 0)
        return TRUE;
    DWORD_PTR got = 0; /* the text of the tip shown; GetWindowText gives only a window's own caption */
    text[0] = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, (LPARAM)text, SMTO_ABORTIFHUNG, 2000, &got);
    put(text);
    putchar('\n');
    ++*(int*)count;
    return TRUE;
}

static int tooltips(void) {
    int count = 0;
    for (int tries = 0; tries < 50 && !count; ++tries) {
        EnumWindows(shown_tip, (LPARAM)&count);
        if (!count) Sleep(100);
    }
    return count ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "colours") == 0) return colours(argv[2]);
    if (argc == 2 && strcmp(argv[1], "tooltips") == 0) return tooltips();
    if (argc != 3) return 2;
    CoInitialize(NULL);
    HWND window = NULL;
    for (int tries = 0; tries < 200 && !(window = FindWindowA(argv[1], argv[2])); ++tries) Sleep(100);
    if (!window) {
        fprintf(stderr, "no window of class %s titled %s\n", argv[1], argv[2]);
        return 1;
    }
    list(window);
    EnumChildWindows(window, child, 0);
    fflush(stdout);
    CoUninitialize();
    return 0;
}
