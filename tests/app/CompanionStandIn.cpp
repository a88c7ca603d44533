// CompanionStandIn.cpp - stands in for the help and configuration programs:
// appends its name, its show state and its command line, exactly as it was
// given, to trace.txt beside itself, then ends.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::vector<char> module(MAX_PATH);
    while (GetModuleFileNameA(nullptr, module.data(), static_cast<DWORD>(module.size())) >=
           module.size())
        module.resize(module.size() * 2);
    std::string self(module.data());
    std::string folder = self.substr(0, self.find_last_of('\\') + 1);
    std::string name = self.substr(folder.size());

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    std::FILE* trace = std::fopen((folder + "trace.txt").c_str(), "ab");
    if (!trace) return 1;
    std::fprintf(trace, "%s|%d|%s\n", name.c_str(), show, GetCommandLineA());
    std::fclose(trace);
    return 0;
}
