// Reading and writing map files from the main window. A file is read and checked whole
// before anything of the editor changes; a save replaces the old file only once the new
// one is completely on disk.
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "WideText.h"
#include "core/Texts.h"
#include "files/FileAccess.h"
#include "map/SavedVersions.h"
#include "map/StartFolder.h"
#include "map/core/DocumentCells.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"
#include "map/core/MapLimits.h"
#include "map/core/RecoveryFile.h"

namespace {

// The message's two places, "%s" each, get the path and the reason.
void ShowFileError(const char* formatSjis, const char* pathUtf8, const std::wstring& reason) {
    ShowMessageAbout(mainWindow != nullptr ? mainWindow->handle : nullptr, formatSjis,
                     {WideFromUtf8(pathUtf8), reason});
}
}  // namespace

bool MainWindow::SaveMap(const char* path) {
    const std::vector<uint8_t> bytes = WriteBinaryMap(CollectDocument());
    std::string reason;
    if (bytes.empty()) {
        ShowFileError(texts::kSaveFailedFormat, path, WideFromSjis(texts::kMapSizeInvalid));
        return false;
    }
    const std::string target = PathFromStartFolder(path);
    KeepSavedVersion(files::FullPath(target), bytes);
    if (files::ReplaceFileContents(target, bytes, reason)) {
        stage.MarkSaved();
        if (editor != nullptr) editor->recovery.Drop();
        return true;
    }
    ShowFileError(texts::kSaveFailedFormat, path, WideFromUtf8(reason));
    return false;
}

bool MainWindow::LoadMap(const char* path, bool isBinary) {
    std::vector<uint8_t> bytes;
    std::string reason;
    const files::ReadStatus status =
        files::ReadWholeFile(PathFromStartFolder(path), kMaxMapFileBytes, bytes, reason);
    if (status != files::ReadStatus::kRead) {
        ShowFileError(texts::kOpenFailedFormat, path,
                      status == files::ReadStatus::kTooLarge ? WideFromSjis(texts::kFileTooLarge)
                                                             : WideFromUtf8(reason));
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
        ShowFileError(texts::kReadRefusedFormat, path, WideFromSjis(read.error.messageSjis));
        return false;
    }
    return ApplyDocument(read.document, path);
}

RecoveryCopyRead MainWindow::ReadRecoveryCopy(const char* path, RecoveryReadResult& read) {
    std::vector<uint8_t> bytes;
    std::string reason;
    const files::ReadStatus status = files::ReadWholeFile(path, kMaxRecoveryFileBytes, bytes, reason);
    if (status == files::ReadStatus::kCannotRead) {
        ShowFileError(texts::kOpenFailedFormat, path, WideFromUtf8(reason));
        return RecoveryCopyRead::kCannotRead;
    }
    if (status == files::ReadStatus::kTooLarge) {
        ShowFileError(texts::kReadRefusedFormat, path, WideFromSjis(texts::kFileTooLarge));
        return RecoveryCopyRead::kRefused;
    }
    read = ReadRecoveryFile(bytes.data(), bytes.size());
    if (!read.ok) {
        ShowFileError(texts::kReadRefusedFormat, path, WideFromSjis(read.error.messageSjis));
        return RecoveryCopyRead::kRefused;
    }
    return RecoveryCopyRead::kRead;
}

bool MainWindow::OpenRecoveredStage(const MapDocument& document, const char* path) {
    if (!ApplyDocument(document, path)) return false;
    stage.MarkUnsaved();
    return true;
}

bool MainWindow::ApplyDocument(const MapDocument& document, const char* path) {
    if (!OpenDocument(document, ModelOf(smallPalette), ModelOf(largePalette), stage)) {
        ShowFileError(texts::kReadRefusedFormat, path, WideFromSjis(texts::kOutOfMemory));
        return false;
    }
    KeepViewInMap();
    return true;
}
