// The yardstick for Sumora.exe's start-up: a plain Win32 window with the same menus, keys, labels
// and rules in the same places, and nothing else (no engine, fonts, colours, icon or key
// handling). It carries the same manifest and starts the same common controls, so its keys are
// the same visual-style buttons.

#include <windows.h>

#include <commctrl.h>

namespace {

struct Control {
    const wchar_t* caption;
    int x, y, w, h;  // pixels at 96 DPI
};

constexpr Control keys[] = {
    {L"0", 8, 192, 41, 33},    {L"1", 8, 152, 41, 33},     {L"2", 48, 152, 41, 33},
    {L"3", 88, 152, 41, 33},   {L"4", 8, 112, 41, 33},     {L"5", 48, 112, 41, 33},
    {L"6", 88, 112, 41, 33},   {L"7", 8, 72, 41, 33},      {L"8", 48, 72, 41, 33},
    {L"9", 88, 72, 41, 33},    {L".", 48, 192, 41, 33},    {L"\u03c0", 88, 192, 41, 33},
    {L"+", 136, 152, 41, 33},  {L"-", 176, 152, 41, 33},   {L"x", 136, 112, 41, 33},
    {L"/", 176, 112, 41, 33},  {L"^", 136, 72, 41, 33},    {L"Sqr", 176, 72, 41, 33},
    {L"=", 176, 192, 41, 33},  {L"+ -", 136, 192, 41, 33}, {L"AC", 176, 34, 41, 25},
    {L"M+", 8, 34, 41, 25},    {L"M-", 48, 34, 41, 25},    {L"Mdis", 88, 34, 41, 25},
    {L"Mre", 128, 34, 41, 25},
};

constexpr Control labels[] = {
    {L"0", 8, 0, 209, 25},
    {L"", 8, 240, 209, 25},
    {L"", 11, 4, 17, 17},
};

constexpr int ruleRows[] = {64, 232};

HMENU makeMenuBar() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 1, L"&Save");
    AppendMenuW(file, MF_STRING, 2, L"&Print");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, 3, L"&Exit");
    HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, 4, L"&License Agreement");
    AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(help, MF_STRING, 5, L"&Bugs Fix");
    AppendMenuW(help, MF_STRING, 6, L"&About");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
    return bar;
}

void addChild(HWND parent, const wchar_t* type, const wchar_t* caption, DWORD style, int x, int y,
              int w, int h) {
    CreateWindowExW(0, type, caption, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                    nullptr, nullptr);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);

    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, 224, 269};
    AdjustWindowRectEx(&frame, style, TRUE, 0);
    HWND window = CreateWindowExW(0, L"BareWindow", L"Bare window", style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, makeMenuBar(), instance, nullptr);
    for (const Control& key : keys) {
        addChild(window, L"BUTTON", key.caption, WS_TABSTOP | BS_PUSHBUTTON, key.x, key.y, key.w,
                 key.h);
    }
    for (const Control& label : labels) {
        addChild(window, L"STATIC", label.caption, WS_BORDER, label.x, label.y, label.w, label.h);
    }
    for (const int y : ruleRows) {
        addChild(window, L"STATIC", L"", SS_BLACKRECT, 8, y, 208, 1);
    }
    ShowWindow(window, show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
