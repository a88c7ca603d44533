// ConfigChecks.h - what the configuration program checks and does to a folder
// before it stores it
#pragma once

#include <string>

// The settings hold the folders as the main program uses them: it puts the
// document's name right behind the output folder and the program names right
// behind the program folder, so both end with a backslash. Empty stays empty.
std::string WithTrailingBackslash(std::string folder);

// Blanks around a typed folder are never meant.
std::wstring TrimBlanks(const std::wstring& text);

// A folder named from its drive (C:\...) or its share (\\server\share\...):
// the main program runs from another current folder, so a relative one would
// land somewhere else.
bool IsFullPath(const std::string& folder);

// The first character of the text that a folder name cannot hold, or '\0'.
char ForbiddenFolderCharacter(const std::string& text);

// Windows takes / for \ in a path; the settings keep the one the main program splits on.
std::string WithBackslashes(std::string folder);

// Why Windows could never make or open a full path as a folder. The text is
// the character, the name or the drive at fault, for the message.
enum class FolderFault { None, Character, ReservedName, NoDrive };
struct FolderProblem {
    FolderFault fault = FolderFault::None;
    std::string culprit;
    std::string device;  // for a reserved name: the device it names (NUL, COM1, ...)
};
FolderProblem ProblemOfFolder(const std::string& fullPath);

// Windows drops dots and blanks from the end of a folder name, so a name
// made with such a suffix would not be the one the user asked for.
bool EndsWithDotOrBlank(const std::string& text);

// The bytes the text takes in the system's ANSI code page, where the settings keep it.
size_t AnsiLength(const std::wstring& text);

bool FolderExists(const std::string& ansiFolder);
// Creates the folder with every missing folder above it; true when it exists afterwards.
bool CreateFolderWithParents(const std::string& ansiFolder);

// The folder of the running program, with its trailing backslash.
std::string RunningProgramFolder();
