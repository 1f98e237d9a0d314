// Windows takes file names without regard to letter case and takes "/" for "\": two spellings
// of one path name one file. These rules tell such spellings apart from different paths, on
// UTF-8 text, without asking the system.
#pragma once
#include <string>

// The upper-case letter Windows compares a character as: the simple upper-case mapping of
// Latin (with Latin-1 and the Extended-A and Additional blocks), Greek, Cyrillic, Armenian
// and the fullwidth Latin letters; every other character (kana and kanji among them, which
// have no case) stands for itself.
char32_t UpcaseLikeWindows(char32_t character);

// The form two spellings of one path share: each character upper-cased as above and "/" as
// "\". Text that is not valid UTF-8 is kept byte for byte, so it only ever equals itself.
std::string WindowsPathKey(const std::string& utf8Path);

// True when both name the same file as far as the text tells (same key).
bool SameWindowsPath(const std::string& a, const std::string& b);
