#pragma once

#include <string>
#include <string_view>

namespace almanor {

// Files are written in the Windows-1252 code page whenever every character fits, so that
// they stay readable by older readers; text that does not fit is written as UTF-8 instead
// of being lost. In memory all text is UTF-8.

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool fitsWindows1252(std::string_view utf8);
// Windows-1252 bytes for UTF-8 text that fits; the caller checks fitsWindows1252 first (a
// character without a byte, or a malformed sequence, becomes "?").
std::string utf8ToWindows1252(std::string_view utf8);
// Every byte maps to a character (the five bytes the code page leaves undefined map to the
// C1 control characters of the same number, as Windows does).
std::string windows1252ToUtf8(std::string_view bytes);
// The bytes to write: Windows-1252 when it fits, else the UTF-8 text unchanged. Also UTF-8
// when the single-byte form would itself read as UTF-8 (as "Ã©" would), so that
// decodeFromFile(encodeForFile(text)) == text for all valid UTF-8.
std::string encodeForFile(std::string_view utf8);
// A file that is valid UTF-8 and holds at least one multi-byte sequence is UTF-8; anything
// else is Windows-1252.
std::string decodeFromFile(std::string_view bytes);

} // namespace almanor
