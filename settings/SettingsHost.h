// SettingsHost.h - what the settings file needs from its owner
#pragma once

enum class SettingsMessage {
    MissingFile,  // "Missing file. Please reinstall!"
    WriteError    // "Error writing file. Quit any application that might use the file!"
};

// The settings procedures that report and repair do it on the spot and may end
// the process; the owner decides how (message boxes and ExitProcess in the window, a record of
// the calls in tests).
class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    // Shows the message in the owner's current language. During the start-up
    // read the owner's language is still English.
    virtual void ShowSettingsMessage(SettingsMessage message) = 0;

    // Ends the process: 2 when the file is missing at start-up, 1 when a
    // default file cannot be written. Must not return.
    [[noreturn]] virtual void EndProcess(int exitCode) = 0;
};
