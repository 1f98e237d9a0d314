#include "map/core/MapReadError.h"

#include "core/Texts.h"

namespace {

const char* ReasonSjis(MapReadErrorCode code) {
    switch (code) {
        case MapReadErrorCode::kTruncated: return texts::kMapFileTruncated;
        case MapReadErrorCode::kBadSize: return texts::kMapSizeInvalid;
        case MapReadErrorCode::kNegativeCommentLength: return texts::kMapCommentLengthNegative;
        case MapReadErrorCode::kCommentTooLong: return texts::kMapCommentTooLong;
        case MapReadErrorCode::kNotANumber: return texts::kMapNotANumber;
        case MapReadErrorCode::kNotRecoveryCopy: return texts::kNotRecoveryCopy;
        case MapReadErrorCode::kRecoveryCopyDamaged: return texts::kRecoveryCopyDamaged;
        case MapReadErrorCode::kNone: break;
    }
    return "";
}

}  // namespace

MapReadError MakeMapReadError(MapReadErrorCode code, size_t offset, int32_t line,
                              const std::string& english) {
    MapReadError error;
    error.code = code;
    error.offset = offset;
    error.line = line;
    error.description = english;
    // The message box shows the reason and, on its own line, where the reader stopped.
    error.messageSjis = ReasonSjis(code);
    error.messageSjis += "\r\n";
    if (line > 0) {
        error.messageSjis += std::to_string(line);
        error.messageSjis += texts::kMapErrorLineSuffix;
        error.messageSjis += texts::kMapErrorPlaceSeparator;
    }
    error.messageSjis += texts::kMapErrorOffsetLabel;
    error.messageSjis += ' ';
    error.messageSjis += std::to_string(offset);
    return error;
}

std::string MapReadErrorPlace(const MapReadError& error) {
    const std::string offset = "offset " + std::to_string(error.offset);
    return error.line > 0 ? "line " + std::to_string(error.line) + ", " + offset : offset;
}
