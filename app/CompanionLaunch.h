// CompanionLaunch.h - where the companion programs are found and how they are started
#pragma once

#include <string>

constexpr const char* kHelpProgram = "Gandry.exe";
constexpr const char* kConfigurationProgram = "Pelloc.exe";

// The install directory is expected to end with a backslash: nothing is put
// between it and the file name, as the configuration program writes it so.
std::string CompanionPath(const std::string& installDirectory, const char* fileName);

// The path in quotes followed by one blank: quoting keeps Windows from
// starting "C:\Program.exe" for a path with blanks in it.
std::string CompanionCommandLine(const std::string& path);

// Whether the file is there to be read (UTF-8 path).
bool OpensForReading(const std::string& path);
// Starts the program (UTF-8 path, from the settings' install directory) and
// returns at once.
void StartCompanion(const std::string& path);
