#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "system/program_start.h"
#include "system/wide_text.h"

namespace {

// One argument as CommandLineToArgvW reads it back: quoted, its quotes and the backslashes
// before them doubled.
std::wstring quoted(const std::wstring& argument) {
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(backslashes * 2, L'\\');
    return text + L'"';
}

}  // namespace

std::vector<std::string> programArguments(int, char*[]) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide != nullptr && i < count; ++i) {
        arguments.push_back(utf8Text(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

std::optional<std::string> runInstead(const std::string& path,
                                      const std::vector<std::string>& arguments) {
    std::wstring commandLine;
    for (const std::string& argument : arguments) {
        commandLine += (commandLine.empty() ? L"" : L" ") + quoted(wideText(argument));
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(wideText(path).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &started)) {
        return "error " + std::to_string(GetLastError());
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    ExitProcess(0);
}

bool isDisplayNamed() {
    return true;
}
