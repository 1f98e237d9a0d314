#include "ProgramFolder.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include "WideText.h"
#include "files/FileAccess.h"

namespace {

constexpr wchar_t kFolderName[] = L"picoran-editor";

// The variable comes first: Windows sets it to the known folder for every program, and a test
// (or a user) can give one run a folder of its own with it.
std::wstring LocalAppDataFolder() {
    wchar_t fromEnvironment[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", fromEnvironment, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return fromEnvironment;

    PWSTR known = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &known)))
        folder = known;
    CoTaskMemFree(known);
    return folder;
}

}  // namespace

std::string ProgramFolder() {
    std::wstring folder = LocalAppDataFolder();
    if (folder.empty()) return std::string();
    if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    const std::string path = Utf8FromWide(folder + kFolderName);
    std::string reason;
    return files::MakeFolder(path, reason) ? path : std::string();
}
