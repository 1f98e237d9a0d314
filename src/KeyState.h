// Whether a key is down, as the message being handled saw it (the high bit of the key state).
#pragma once
#include <windows.h>

inline bool IsKeyHeld(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }
