// main.cpp: velmo-extract, the picture scanner as a console tool.
#include "console/BatchCommand.h"
#include "console/CommandHelp.h"
#include "console/ExtractCommand.h"

#ifdef _WIN32

#include "console/ConsoleStream.h"
#include "console/ConsoleText.h"

#include <sstream>
#include <string>
#include <vector>

// Windows gives the arguments in UTF-16 only through the wide entry point;
// main() would see them in the ANSI code page, with every other character a
// question mark.
int wmain(int argc, wchar_t* argv[]) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(Utf8FromUtf16(argv[i]));
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
    pointers.push_back(nullptr);

    if (argc < 2) {
        WriteText(StandardStream::Error, UsageOfBothForms());
        return kExtractUsage;
    }
    if (IsBatchCall(argc, pointers.data())) {
        ConsoleStream out(StandardStream::Output);
        ConsoleStream err(StandardStream::Error);
        return RunBatchCommand(argc, pointers.data(), out, err, StderrIsTerminal());
    }
    std::ostringstream out;
    std::ostringstream err;
    int status = RunExtractCommand(argc, pointers.data(), out, err);
    // The failures come before the result line, as they happened.
    WriteText(StandardStream::Error, err.str());
    WriteText(StandardStream::Output, out.str());
    return status;
}

#else

#include <iostream>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::cerr << UsageOfBothForms();
        return kExtractUsage;
    }
    if (IsBatchCall(argc, argv))
        return RunBatchCommand(argc, argv, std::cout, std::cerr, StderrIsTerminal());
    return RunExtractCommand(argc, argv, std::cout, std::cerr);
}

#endif
