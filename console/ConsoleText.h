// ConsoleText.h: velmo-extract's text on Windows, where arguments arrive in
// UTF-16 and a console shows only its own code page through the byte calls.
#pragma once

#include "base/Utf16.h"

#include <string>

enum class StandardStream { Output, Error };

// Writes UTF-8 text to the stream. A console gets it through WriteConsoleW, so
// every character shows whatever the console's code page; a file or a pipe gets
// the UTF-8 bytes, the one byte encoding that holds every file name.
void WriteText(StandardStream stream, const std::string& utf8);
