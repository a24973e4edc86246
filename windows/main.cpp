#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "system/program_start.h"
#include "system/wide_text.h"
#include "windows/form1_window.h"
#include "windows/message_box.h"
#include "windows/message_loop.h"
#include "windows/scene_file_chooser.h"

namespace {

// The Poser files given to check (Explorer's "Open with", a file dropped on the program), as
// full paths: a running copy has a working folder of its own.
std::vector<std::string> filesToCheck(const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::wstring given = wideText(arguments[i]);
        std::wstring full(GetFullPathNameW(given.c_str(), 0, nullptr, nullptr), L'\0');
        full.resize(GetFullPathNameW(given.c_str(), DWORD(full.size()), full.data(), nullptr));
        files.push_back(utf8Text(full.empty() ? given : full));
    }
    return files;
}

// The main window of the copy that runs, not this copy's own, not yet shown.
HWND runningMainWindow() {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, Window::mainClass, nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != GetCurrentProcessId()) {
            return window;
        }
    }
    return nullptr;
}

// The copy that runs comes forward, and checks the files, each ended by a nul.
void handOver(const std::vector<std::string>& files) {
    const HWND running = runningMainWindow();
    if (running == nullptr) {
        return;
    }
    if (IsIconic(running)) {
        ShowWindow(running, SW_RESTORE);
    }
    SetForegroundWindow(running);
    std::wstring joined;
    for (const std::string& file : files) {
        joined += wideText(file);
        joined += L'\0';
    }
    if (!joined.empty()) {
        COPYDATASTRUCT sent{filesToCheckMark, DWORD(joined.size() * sizeof(wchar_t)),
                            joined.data()};
        SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&sent),
                            SMTO_ABORTIFHUNG, 10000, nullptr);
    }
}

// A console does not wait for a window program, nor show what it prints: the options belong to
// the console twin beside it.
int pointToCommandLine() {
    std::wstring twin(MAX_PATH, L'\0');
    twin.resize(GetModuleFileNameW(nullptr, twin.data(), DWORD(twin.size())));
    twin.replace(twin.find_last_of(L'\\') + 1, std::wstring::npos, L"quobbin-cli.exe");
    showMessageBox(
        nullptr,
        "Quobbin.exe is the window. Its command line is quobbin-cli.exe, beside it:\r\n" +
            utf8Text(twin) + " --help",
        MsgBoxButtons::OkOnly);
    return 2;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Window::registerClasses(instance);
    const std::vector<std::string> arguments = programArguments(0, nullptr);
    // As the Start menu's "Check a scene file" asks: the file is chosen in a dialog.
    const bool asksForScene = arguments.size() == 2 && arguments[1] == "--check-window";
    if (arguments.size() > 1 && arguments[1].starts_with("--") && !asksForScene) {
        return pointToCommandLine();
    }
    std::vector<std::string> files =
        asksForScene ? std::vector<std::string>{} : filesToCheck(arguments);
    Form1Window form;
    if (!form.Form_Load()) {
        if (asksForScene) {
            files = {chooseSceneFile(nullptr)};
            if (files.front().empty()) {
                return 0;  // cancelled: the copy that runs is left as it is
            }
        }
        handOver(files);
        return 0;
    }
    form.show();
    if (asksForScene) {
        files = {chooseSceneFile(form.handle())};
        std::erase(files, std::string());  // cancelled: the main window stays
    }
    for (const std::string& file : files) {
        form.checkScene(file);
    }
    return runMessageLoop(form);
}
