#include "Window.h"

// Destroying a window object never destroys its system window: closing the main window
// destroys them all.
Window::~Window() = default;

void Window::SetProcedure(WNDPROC newProcedure) { procedure = newProcedure; }
