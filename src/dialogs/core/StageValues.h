// What the comment dialog's box gives to the stage.
#pragma once
#include <cstddef>

constexpr size_t kCommentBoxLimit = 255;  // bytes the comment box gives to OK
