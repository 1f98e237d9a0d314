// Reading and writing map files from the main window. A file is read and checked whole
// before anything of the editor changes; a save replaces the old file only once the new
// one is completely on disk.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "core/Texts.h"
#include "dialogs/DialogValues.h"
#include "files/FileAccess.h"
#include "map/AnsiUtf8.h"
#include "map/StartFolder.h"
#include "map/core/DocumentCells.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"
#include "map/core/MapLimits.h"

namespace {

void ShowFileError(const char* format, const char* path, const std::string& reason) {
    std::string message(std::strlen(format) + std::strlen(path) + reason.size() + 1, '\0');
    std::snprintf(&message[0], message.size(), format, path, reason.c_str());
    message.resize(std::strlen(message.c_str()));
    MessageBoxA(mainWindow != nullptr ? mainWindow->handle : nullptr, message.c_str(),
                texts::kErrorCaption, MB_OK | MB_ICONERROR);
}

// A palette that does not exist finds no chip: its cells take the sheet's top-left chip.
const PaletteModel& ModelOf(const PaletteWindow* palette) {
    static const PaletteModel kNoPalette(0);
    return palette != nullptr ? palette->model : kNoPalette;
}

}  // namespace

MapDocument MainWindow::CollectDocument() const {
    MapDocument document;
    CollectMap(map, document);
    CollectStageValues(document);
    return document;
}

bool MainWindow::SaveMap(const char* path) {
    const std::vector<uint8_t> bytes = WriteBinaryMap(CollectDocument());
    std::string reason;
    if (bytes.empty()) {
        reason = texts::kMapSizeInvalid;
    } else if (files::ReplaceFileContents(Utf8FromAnsi(PathFromStartFolder(path)), bytes, reason)) {
        return true;
    } else {
        reason = AnsiFromUtf8(reason);
    }
    ShowFileError(texts::kSaveFailedFormat, path, reason);
    return false;
}

bool MainWindow::LoadMap(const char* path, bool isBinary) {
    std::vector<uint8_t> bytes;
    std::string reason;
    const files::ReadStatus status =
        files::ReadWholeFile(Utf8FromAnsi(PathFromStartFolder(path)), kMaxMapFileBytes, bytes, reason);
    if (status != files::ReadStatus::kRead) {
        ShowFileError(texts::kOpenFailedFormat, path,
                      status == files::ReadStatus::kTooLarge ? texts::kFileTooLarge : AnsiFromUtf8(reason));
        return false;
    }
    MapReadResult read;
    if (isBinary) {
        read = ReadBinaryMap(bytes.data(), bytes.size());
    } else {
        std::string echo;
        read = ReadTextMap(reinterpret_cast<const char*>(bytes.data()), bytes.size(), &echo);
        std::fwrite(echo.data(), 1, echo.size(), stdout);
        std::fflush(stdout);
    }
    if (!read.ok) {
        ShowFileError(texts::kReadRefusedFormat, path, read.error.messageSjis);
        return false;
    }
    return ApplyDocument(read.document, path);
}

bool MainWindow::ApplyDocument(const MapDocument& document, const char* path) {
    if (!InstallDocument(document, ModelOf(smallPalette), ModelOf(largePalette), map)) {
        ShowFileError(texts::kReadRefusedFormat, path, texts::kOutOfMemory);
        return false;
    }
    ShowStageValues(document);
    Paint();
    return true;
}
