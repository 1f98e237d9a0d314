// Base class of every window object of the program.
#pragma once
#include <windows.h>

#include <cstdint>

class Window {
public:
    HINSTANCE instance = nullptr;  // module whose resources and window class are used
    HWND handle = nullptr;         // the window or dialog once created
    WNDPROC procedure = nullptr;   // registered with the window class by Initialize
    // The window stands where it belongs: made there (the palettes), put there the first time
    // it was shown, or put back where the layout kept it (WindowLayout.h). Only a window that
    // is placed has its place kept.
    bool placed = false;

    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();
    virtual bool Initialize() = 0;
    virtual bool Create(const char* title, int32_t x, int32_t y) = 0;
    virtual void SetProcedure(WNDPROC newProcedure);
};

// `window` when `handle` is its handle, else null (not made yet, or gone): how the procedures
// of the editor's small windows find the object a message is for.
template <typename Kind>
Kind* WindowWithHandle(Kind* window, HWND handle) {
    return window != nullptr && window->handle == handle ? window : nullptr;
}
