#include "dialogs/core/StageValues.h"

#include <cstring>

#include "core/Texts.h"

static_assert(sizeof(texts::kDefaultComment) - 1 <= kCommentCapacity,
              "the default comment must fit the comment store");

StageComment::StageComment() {
    std::memcpy(bytes_.data(), texts::kDefaultComment, sizeof(texts::kDefaultComment) - 1);
}

bool StageComment::Set(const char* bytes, int32_t length) {
    if (length < 0 || static_cast<size_t>(length) > kCommentCapacity) return false;
    if (bytes == nullptr && length > 0) return false;
    bytes_.fill('\0');
    if (length > 0) std::memcpy(bytes_.data(), bytes, static_cast<size_t>(length));
    return true;
}

size_t StageComment::Length() const {
    const void* zero = std::memchr(bytes_.data(), '\0', bytes_.size());
    return zero ? static_cast<size_t>(static_cast<const char*>(zero) - bytes_.data())
                : bytes_.size();
}
