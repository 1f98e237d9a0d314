// The common file dialog of Open and Save As, as both use it: the map filters, the title, the
// extension .bin added to a bare name, and a working folder that stays where the editor was
// started whatever folder is browsed.
#pragma once
#include <windows.h>

#include <commdlg.h>

#include <initializer_list>
#include <string>

#include "Globals.h"

// Filter lists are pairs of a name and a pattern, each ending in a zero character, and end
// with an empty name.
std::wstring FilterList(std::initializer_list<const char*> namesAndPatterns);

// The dialog fills in a copy of currentPath, so a path that is then refused never
// replaces the current one.
struct FileDialog {
    OPENFILENAMEW dialog;
    std::wstring filter;
    std::wstring title;
    std::wstring extension;
    wchar_t chosen[kPathBufferSize] = {};

    FileDialog(HWND owner, std::wstring filterList, const char* dialogTitle, DWORD flags,
               const wchar_t* proposal);
    FileDialog(const FileDialog&) = delete;
    FileDialog& operator=(const FileDialog&) = delete;
    std::string ChosenUtf8() const;
};
