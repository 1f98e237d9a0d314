#include "map/TerrainLoading.h"

#include <cstdio>
#include <vector>

#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "PaletteWindow.h"
#include "WideText.h"
#include "core/Texts.h"
#include "files/FileAccess.h"
#include "map/core/terrain/TerrainFile.h"

std::string TerrainFilePath() {
    const std::string program = files::RunningProgramPath();
    const size_t slash = program.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : program.substr(0, slash);
    return files::JoinPath(files::JoinPath(folder, "data"), "terrains.json");
}

void LoadTerrains() {
    if (editor == nullptr) return;
    const std::string path = TerrainFilePath();
    editor->terrainsRefused.clear();
    editor->terrainFileFound = !files::FileIsMissing(path);
    if (!editor->terrainFileFound) return;
    std::vector<uint8_t> bytes;
    std::string reason;
    if (files::ReadWholeFile(path, kMaxTerrainFileBytes, bytes, reason) == files::ReadStatus::kRead) {
        const std::string text(bytes.begin(), bytes.end());
        const PaletteModel& small = smallPalette != nullptr ? smallPalette->model : EmptyPaletteModel();
        const PaletteModel& large = largePalette != nullptr ? largePalette->model : EmptyPaletteModel();
        if (ReadTerrainSets(text, small, large, editor->terrains, reason)) reason.clear();
    }
    // Only a refusal is told on standard output: a file taken as it is leaves the start-up's
    // lines as they have always been.
    if (reason.empty()) return;
    editor->terrainsRefused = reason;
    std::printf(texts::kTerrainsRefusedLine, path.c_str(), reason.c_str());
    std::fflush(stdout);
}

void ReportRefusedTerrains(HWND owner) {
    if (editor == nullptr || editor->terrainsRefused.empty()) return;
    ShowMessageAbout(owner, texts::kTerrainFileRefused,
                     {WideFromUtf8(TerrainFilePath()), WideFromUtf8(editor->terrainsRefused)},
                     MB_OK | MB_ICONWARNING);
}
