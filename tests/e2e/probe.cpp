// Looks at the running editor from outside, for the end-to-end test: window captions,
// where windows and controls sit on the screen, what the boxes hold. It only reads; the
// test drives the editor with the mouse and keys alone.
//
//   probe [--desktop NAME] COMMAND ARGS...
//     windows                  every visible top-level window: x y w h class|title
//     caption                  the main window's caption
//     wait-caption TEXT MS     waits until the main window's caption is TEXT
//     wait-window TITLE MS     waits until a window titled TITLE is visible: x y w h
//     wait-gone TITLE MS       waits until no window titled TITLE is visible
//     visible TITLE            1 or 0
//     client TITLE             the client area on the screen: x y w h
//     control TITLE ID         a control's rectangle on the screen: x y w h
//     text TITLE ID            a control's text (also across processes: WM_GETTEXT)
//     checked TITLE ID         a check box's state, 1 or 0
//     wait-focus TITLE ID MS   waits until that control (ID 0: the window) has the focus
//     wait-popup MS            waits for an open menu: x y w h
//     pid TITLE                the Windows process id of the window's program
// TITLE "@main" names the editor's main window, found by its class. Texts are UTF-8.
// Exit code 0 when the answer was found, 1 when not (or on a timeout), 2 on bad usage.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const wchar_t kMainClass[] = L"\u3074\u3053\u3089\u3093\u30a8\u30c7\u30a3\u30bf";  // ぴこらんエディタ

void Print(const std::wstring& text) {
    const std::wstring line = text + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), &bytes[0], size,
                        nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

std::wstring Rectangle(const RECT& r) {
    return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
           std::to_wstring(r.right - r.left) + L" " + std::to_wstring(r.bottom - r.top);
}

// Text of any window, also one of another process.
std::wstring TextOf(HWND window) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
    SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data());
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

struct Search {
    std::wstring title;
    bool byMainClass;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    Search* search = reinterpret_cast<Search*>(parameter);
    if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
    const bool match = search->byMainClass ? ClassOf(window) == kMainClass : TextOf(window) == search->title;
    if (!match) return TRUE;
    search->found = window;
    return FALSE;
}

// A visible window of that title wins over a hidden one of the same title.
HWND FindTopLevel(const std::wstring& title) {
    Search search{title, title == L"@main", true, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    search.visibleOnly = false;
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK ListWindow(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) return TRUE;
    RECT r;
    GetWindowRect(window, &r);
    Print(Rectangle(r) + L" " + ClassOf(window) + L"|" + TextOf(window));
    return TRUE;
}

BOOL CALLBACK FindPopupMenu(HWND window, LPARAM parameter) {
    if (IsWindowVisible(window) && ClassOf(window) == L"#32768") {
        *reinterpret_cast<HWND*>(parameter) = window;
        return FALSE;
    }
    return TRUE;
}

// Polls every 50 ms until the test holds or the time is up.
template <typename Test>
bool WaitFor(DWORD milliseconds, Test test) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (test()) return true;
        if (GetTickCount() - start >= milliseconds) return false;
        Sleep(50);
    }
}

// Says on stderr which part was missing, for the test's failure message.
HWND ControlOf(const std::wstring& title, const wchar_t* id) {
    HWND dialog = FindTopLevel(title);
    if (dialog == nullptr) {
        std::fwprintf(stderr, L"probe: no window of that title\n");
        return nullptr;
    }
    HWND control = GetDlgItem(dialog, _wtoi(id));
    if (control == nullptr)
        std::fwprintf(stderr, L"probe: window %p (class %ls) has no control %ls\n",
                      static_cast<void*>(dialog), ClassOf(dialog).c_str(), id);
    return control;
}

int Run(const std::vector<std::wstring>& a) {
    const size_t n = a.size();
    const std::wstring& command = n > 0 ? a[0] : L"";
    if (command == L"windows" && n == 1) {
        EnumWindows(ListWindow, 0);
        return 0;
    }
    if (command == L"caption" && n == 1) {
        HWND main = FindTopLevel(L"@main");
        if (main == nullptr) return 1;
        Print(TextOf(main));
        return 0;
    }
    if (command == L"wait-caption" && n == 3) {
        std::wstring last;
        const bool ok = WaitFor(_wtoi(a[2].c_str()), [&] {
            HWND main = FindTopLevel(L"@main");
            last = main != nullptr ? TextOf(main) : L"";
            return last == a[1];
        });
        Print(last);
        return ok ? 0 : 1;
    }
    if (command == L"wait-window" && n == 3) {
        HWND window = nullptr;
        if (!WaitFor(_wtoi(a[2].c_str()), [&] {
                window = FindTopLevel(a[1]);
                return window != nullptr && IsWindowVisible(window);
            }))
            return 1;
        RECT r;
        GetWindowRect(window, &r);
        Print(Rectangle(r));
        return 0;
    }
    if (command == L"wait-gone" && n == 3) {
        return WaitFor(_wtoi(a[2].c_str()), [&] {
                   HWND window = FindTopLevel(a[1]);
                   return window == nullptr || !IsWindowVisible(window);
               })
                   ? 0
                   : 1;
    }
    if (command == L"visible" && n == 2) {
        HWND window = FindTopLevel(a[1]);
        Print(window != nullptr && IsWindowVisible(window) ? L"1" : L"0");
        return 0;
    }
    if (command == L"client" && n == 2) {
        HWND window = FindTopLevel(a[1]);
        if (window == nullptr) return 1;
        RECT r;
        GetClientRect(window, &r);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        OffsetRect(&r, origin.x, origin.y);
        Print(Rectangle(r));
        return 0;
    }
    if (command == L"control" && n == 3) {
        HWND control = ControlOf(a[1], a[2].c_str());
        if (control == nullptr) return 1;
        RECT r;
        GetWindowRect(control, &r);
        Print(Rectangle(r));
        return 0;
    }
    if (command == L"text" && n == 3) {
        HWND control = ControlOf(a[1], a[2].c_str());
        if (control == nullptr) return 1;
        Print(TextOf(control));
        return 0;
    }
    if (command == L"checked" && n == 3) {
        HWND control = ControlOf(a[1], a[2].c_str());
        if (control == nullptr) return 1;
        Print(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? L"1" : L"0");
        return 0;
    }
    if (command == L"wait-focus" && n == 4) {
        HWND target = a[2] == L"0" ? FindTopLevel(a[1]) : ControlOf(a[1], a[2].c_str());
        if (target == nullptr) return 1;
        const DWORD thread = GetWindowThreadProcessId(target, nullptr);
        HWND focus = nullptr;
        // A combo box passes its focus on to the edit box inside it.
        const bool ok = WaitFor(_wtoi(a[3].c_str()), [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof(info);
            focus = GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
            return focus != nullptr && (focus == target || IsChild(target, focus));
        });
        if (!ok) Print(L"focus is on " + ClassOf(focus) + L"|" + TextOf(focus));
        return ok ? 0 : 1;
    }
    if (command == L"wait-popup" && n == 2) {
        HWND popup = nullptr;
        if (!WaitFor(_wtoi(a[1].c_str()), [&] {
                popup = nullptr;
                EnumWindows(FindPopupMenu, reinterpret_cast<LPARAM>(&popup));
                return popup != nullptr;
            }))
            return 1;
        RECT r;
        GetWindowRect(popup, &r);
        Print(Rectangle(r));
        return 0;
    }
    if (command == L"pid" && n == 2) {
        HWND window = FindTopLevel(a[1]);
        if (window == nullptr) return 1;
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        Print(std::to_wstring(process));
        return 0;
    }
    std::fwprintf(stderr, L"probe: unknown command or wrong arguments\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // plain \n line ends for the shell
    std::vector<std::wstring> args(argv + 1, argv + argc);
    // The editor may run in a desktop of its own (a Wine virtual desktop).
    if (args.size() >= 2 && args[0] == L"--desktop") {
        HDESK desktop = OpenDesktopW(args[1].c_str(), 0, FALSE, GENERIC_ALL);
        if (desktop == nullptr || !SetThreadDesktop(desktop)) {
            std::fwprintf(stderr, L"probe: cannot enter desktop %ls\n", args[1].c_str());
            return 2;
        }
        args.erase(args.begin(), args.begin() + 2);
    }
    return Run(args);
}
