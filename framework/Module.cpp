// The executable's module; see Module.h.
#include "framework/Module.h"

#include <string>
#include <vector>

#include "framework/Text.h"

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleW(nullptr); }

const char* AfxGetAppName() {
    static const std::string name = [] {
        std::vector<wchar_t> path(MAX_PATH);
        // Grow until the whole path fits: long paths are allowed.
        while (GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())) >=
               path.size()) {
            path.resize(path.size() * 2);
        }
        std::wstring file(path.data());
        size_t slash = file.find_last_of(L"\\/");
        if (slash != std::wstring::npos) file.erase(0, slash + 1);
        size_t dot = file.find_last_of(L'.');
        if (dot != std::wstring::npos) file.erase(dot);
        return Utf8FromWide(file);
    }();
    return name.c_str();
}
