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
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "files/FileAccess.h"
#include "map/AnsiUtf8.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapFileWriter.h"
#include "map/core/MapLimits.h"
#include "map/core/MapPaths.h"

namespace {

void ShowFileError(const char* format, const char* path, const std::string& reason) {
    std::string message(std::strlen(format) + std::strlen(path) + reason.size() + 1, '\0');
    std::snprintf(&message[0], message.size(), format, path, reason.c_str());
    message.resize(std::strlen(message.c_str()));
    MessageBoxA(mainWindow != nullptr ? mainWindow->handle : nullptr, message.c_str(),
                texts::kErrorCaption, MB_OK | MB_ICONERROR);
}

std::vector<uint32_t> ChipIds(const MapCell* cells, size_t count) {
    std::vector<uint32_t> ids(count);
    for (size_t i = 0; i < count; ++i) ids[i] = cells[i].chipId;
    return ids;
}

// Sheet positions come from the palettes: the first cell holding the chip, (0, 0) when
// none does. The large palette counts 40 per 80-pixel column, so its positions double.
std::vector<MapCell> CellsFromIds(const std::vector<uint32_t>& ids, int32_t layer) {
    PaletteWindow* palette = layer == 2 ? largePalette : smallPalette;
    const int32_t factor = layer == 2 ? 2 : 1;
    std::vector<MapCell> cells(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        const ChipPosition at = palette != nullptr ? palette->FindChip(layer, ids[i]) : ChipPosition{};
        cells[i] = MapCell{ids[i], at.x * factor, at.y * factor};
    }
    return cells;
}

}  // namespace

MapDocument MainWindow::CollectDocument() const {
    MapDocument document;
    document.mapWidth = map.mapWidth;
    document.mapHeight = map.mapHeight;
    const size_t count = map.CellCount();
    document.layer2Ids = ChipIds(map.Layer(2), count);
    document.layer1Ids = ChipIds(map.Layer(1), count);
    document.layer0Ids = ChipIds(map.Layer(0), count);
    document.startX = map.startX;
    document.startY = map.startY;
    document.startUnspecified = cursorWindow != nullptr && cursorWindow->IsUnspecified();
    if (configWindow != nullptr) {
        document.targetTime = configWindow->targetTime;
        document.timeLimit = configWindow->timeLimit;
        document.backgroundImage = configWindow->backgroundImage;
        document.music = configWindow->music;
    }
    document.comment.clear();
    if (messageWindow != nullptr) {
        const char* bytes = messageWindow->comment.Bytes();
        document.comment.assign(bytes, bytes + messageWindow->comment.Length());
    }
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
    const std::vector<MapCell> layer2 = CellsFromIds(document.layer2Ids, 2);
    const std::vector<MapCell> layer1 = CellsFromIds(document.layer1Ids, 1);
    const std::vector<MapCell> layer0 = CellsFromIds(document.layer0Ids, 0);
    if (!map.ReplaceCells(document.mapWidth, document.mapHeight, layer1, layer2, layer0)) {
        ShowFileError(texts::kReadRefusedFormat, path, texts::kOutOfMemory);
        return false;
    }
    map.startX = document.startX;
    map.startY = document.startY;
    if (resizeWindow != nullptr) resizeWindow->SetSizeFields(document.mapWidth, document.mapHeight);
    if (cursorWindow != nullptr) {
        cursorWindow->SetUnspecified(document.startUnspecified);
        // The boxes show the map's own position, so that OK without typing keeps it.
        if (!document.startUnspecified) cursorWindow->SetPositionFields(document.startX, document.startY);
    }
    if (configWindow != nullptr)
        configWindow->SetValues(document.targetTime, document.timeLimit, document.backgroundImage,
                                document.music);
    if (messageWindow != nullptr)
        messageWindow->SetComment(reinterpret_cast<const char*>(document.comment.data()),
                                  static_cast<int32_t>(document.comment.size()));
    Paint();
    return true;
}
