/* The installer trial's look into the running program, as Windows itself sees it: the style bits
 * of the top-level window whose caption starts with CAPTION, and, asked as a UI Automation client
 * asks (which makes Qt start its UI Automation bridge), the control that has the focus.
 *   window_probe.exe CAPTION
 * prints "style 0x...", "focus-name ..." and "focus-id ...", one a line. */
#define COBJMACROS
#include <initguid.h>
#include <windows.h>
#include <uiautomationclient.h>

#include <stdio.h>
#include <string.h>

struct search {
    const char* caption;
    HWND found;
};

static BOOL CALLBACK match(HWND window, LPARAM context) {
    struct search* search = (struct search*)context;
    char title[256];
    if (GetWindowTextA(window, title, sizeof title) > 0 &&
        strncmp(title, search->caption, strlen(search->caption)) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static void print(const char* label, BSTR text) {
    char utf8[1024] = "";
    if (text)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL);
    printf("%s %s\n", label, utf8);
    SysFreeString(text);
}

/* The control inside the window that has the keyboard focus, as a client searching the window's
 * tree finds it. */
static int find_focus(IUIAutomation* automation, IUIAutomationElement* window,
                      IUIAutomationElement** focus) {
    IUIAutomationCondition* condition = NULL;
    VARIANT yes;
    VariantInit(&yes);
    yes.vt = VT_BOOL;
    yes.boolVal = VARIANT_TRUE;
    *focus = NULL;
    if (SUCCEEDED(IUIAutomation_CreatePropertyCondition(automation, UIA_HasKeyboardFocusPropertyId,
                                                        yes, &condition))) {
        IUIAutomationElement_FindFirst(window, TreeScope_Descendants, condition, focus);
        IUIAutomationCondition_Release(condition);
    }
    return *focus != NULL;
}

int main(int argc, char* argv[]) {
    if (argc != 2) {
        fputs("usage: window_probe.exe CAPTION\n", stderr);
        return 2;
    }
    struct search search = {argv[1], NULL};
    EnumWindows(match, (LPARAM)&search);
    if (!search.found) {
        fprintf(stderr, "window_probe: no window captioned '%s...'\n", argv[1]);
        return 1;
    }
    printf("style 0x%08lX\n", (unsigned long)GetWindowLongW(search.found, GWL_STYLE));

    IUIAutomation* automation = NULL;
    IUIAutomationElement* window = NULL;
    IUIAutomationElement* focus = NULL;
    BSTR name = NULL;
    BSTR id = NULL;
    CoInitializeEx(NULL, COINIT_MULTITHREADED);
    if (FAILED(CoCreateInstance(&CLSID_CUIAutomation, NULL, CLSCTX_INPROC_SERVER,
                                &IID_IUIAutomation, (void**)&automation)) ||
        FAILED(IUIAutomation_ElementFromHandle(automation, search.found, &window)) ||
        !find_focus(automation, window, &focus)) {
        fputs("window_probe: UI Automation gave no focused element\n", stderr);
        return 1;
    }
    IUIAutomationElement_get_CurrentName(focus, &name);
    IUIAutomationElement_get_CurrentAutomationId(focus, &id);
    print("focus-name", name);
    print("focus-id", id);
    fflush(stdout);
    IUIAutomationElement_Release(focus);
    IUIAutomationElement_Release(window);
    IUIAutomation_Release(automation);
    CoUninitialize();
    return 0;
}
