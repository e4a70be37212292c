// The module's files are Windows text files. OpenFile opens one by its module path (through the path
// resolver) as fopen would on Windows, and returns a stdio stream for fgets, fscanf, fprintf and fclose.
//
// Modes: "r", "w" or "a", optionally followed by "t" (text, the default) or "b" (bytes as they are).
// - Text reading delivers CR LF as LF (a lone CR stays); LF-only files read the same. A UTF-8 byte
//   order mark at the start, which editors may save before the first line, is not part of the text.
// - Text writing puts CR LF on disk for every "\n".
// - Writing is whole or nothing: the bytes go to a temporary file beside the target, which replaces
//   the target only when fclose succeeds. A failed write or close returns EOF from fclose and leaves
//   the previous file as it was.
// Update modes ("r+", "w+", "a+") are refused: null with errno EINVAL.
#pragma once

#include <cstdio>
#include <string_view>

namespace platform {

FILE* OpenFile(std::string_view module_path, const char* mode);

// For a file that stays open and grows line by line (the debug log, which the module never closes):
// the same text conversion, but written in place, so that what was written survives without fclose.
// A stream still open when the library unloads is closed then, as a Windows C runtime would.
FILE* OpenStreamingFile(std::string_view module_path, const char* mode);

// For readers of bytes that split text lines themselves: moves a stream standing at the start of a
// file past a UTF-8 byte order mark, if the file begins with one. False when the file cannot be read.
bool SkipByteOrderMark(FILE* f);

}  // namespace platform
