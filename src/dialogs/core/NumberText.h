// Number text of the settings dialogs' edit boxes.
#pragma once
#include <cstdint>
#include <string>

// Reads a box's text as a signed decimal number, the way every dialog's OK does: only the
// first 127 bytes count (a box is read into a 128-byte buffer), leading blanks and one
// sign are accepted, reading stops at the first non-digit, no digits give 0, and values
// beyond 32 bits saturate at INT32_MAX / INT32_MIN. Null text gives 0.
int32_t ReadBoxNumber(const char* text);

// The decimal text a box shows for a value.
std::string NumberToText(int32_t value);
