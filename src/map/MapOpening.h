// Opening a map by its path: the one way every route to a map goes (the Open dialog's choice,
// the command line, a file dropped on a window, the recent maps of the ファイル menu).
#pragma once
#include <string>

// Does what Open does once its dialog has a file: reads the map (a refused file changes nothing
// and the designer is told why), makes it the current file with its caption, puts the view at
// the top-left corner, repaints, and puts the map first among the recent maps. A relative path
// is taken from the folder the editor was started from; a path too long for the current file
// is refused with a message. True when the map was opened.
bool OpenMapPath(const std::wstring& path);

// The full path of a map path, as the caption and the recent maps show it: a relative path is
// taken from the start folder, and "." and ".." are resolved.
std::wstring FullMapPath(const std::wstring& path);
