#include "windows/window.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "system/wide_text.h"

namespace {

// A multi-line edit control breaks lines only at CR LF.
std::wstring withCrLf(const std::wstring& text) {
    std::wstring lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) {
            lines += L'\r';
        }
        lines += text[i];
    }
    return lines;
}

LRESULT CALLBACK enterDoubleClicks(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR) {
    if (message == WM_GETDLGCODE && lParam != 0 &&
        reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
        return DLGC_WANTMESSAGE;
    }
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(list));
        return 0;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

void takeEnterAsDoubleClick(HWND list) {
    SetWindowSubclass(list, enterDoubleClicks, 0, 0);
}

class DrawnControl final : public ControlView {
public:
    DrawnControl(HWND control, Shows shows) : control(control), shows(shows) {}

    void draw(const Control& shown) override {
        const std::wstring text = wideText(shown.text());
        SetWindowTextW(control, (shows == Shows::MultiLineText ? withCrLf(text) : text).c_str());
        if (shows == Shows::Caption) {
            return;
        }
        if (shows == Shows::CheckBox) {
            SendMessageW(control, BM_SETCHECK, shown.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        drawState(control, shown);
    }

private:
    HWND control;
    Shows shows;
};

void drawState(HWND control, const Control& shown) {
    EnableWindow(control, shown.enabled());
    ShowWindow(control, shown.visible() ? SW_SHOWNA : SW_HIDE);
}

std::wstring windowText(HWND window) {
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

Window::Window() = default;

Window::~Window() {
    if (hwnd != nullptr) {
        DestroyWindow(hwnd);
    }
    for (const auto& [face, font] : fonts) {
        DeleteObject(font);
    }
    if (backgroundBrush != nullptr) {
        DeleteObject(backgroundBrush);
    }
    if (picture != nullptr) {
        DeleteObject(picture);
    }
}

void Window::registerClasses(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Each size drawn for itself: the caption's small icon is not the large one made smaller.
    windowClass.hIcon =
        static_cast<HICON>(LoadImageW(instance, L"FLOPPY", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                      GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"FLOPPY", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.lpszClassName = mainClass;
    RegisterClassExW(&windowClass);
    windowClass.lpszClassName = L"QuobbinWindow";
    RegisterClassExW(&windowClass);
}

void Window::show() {
    ShowWindow(hwnd, IsIconic(hwnd) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd);
}

void Window::hide() {
    ShowWindow(hwnd, SW_HIDE);
}

// The main window is shown in the task bar; a dialog is owned by it, and so is not.
void Window::create(const wchar_t* className, Border border, HWND owner, int widthTwips,
                    int heightTwips, COLORREF backgroundColour) {
    clientWidthTwips = widthTwips;
    clientHeightTwips = heightTwips;
    background = backgroundColour;
    backgroundBrush = CreateSolidBrush(background);
    const DWORD exStyle = border == Border::Dialog ? WS_EX_DLGMODALFRAME : 0;
    hwnd = CreateWindowExW(exStyle, className, L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                           CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr,
                           GetModuleHandleW(nullptr), this);
    dpi = int(GetDpiForWindow(hwnd));
    fitClientArea(nullptr);
}

HWND Window::addControl(const wchar_t* className, DWORD style, int id, TwipsRect place,
                        FontSpec font) {
    const HWND control =
        CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, pixels(place.left),
                        pixels(place.top), pixels(place.width), pixels(place.height), hwnd,
                        reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, WPARAM(fontOf(font)), FALSE);
    placed.push_back({control, place, font});
    return control;
}

// A themed check box draws its text in the theme's colour: the classic look keeps the colour.
void Window::colourText(HWND control, COLORREF text) {
    textColours[control] = text;
    SetWindowTheme(control, L"", L"");
}

void Window::colourFace(HWND control, COLORREF face) {
    faceColours[control] = face;
    SetWindowLongPtrW(
        control, GWL_STYLE,
        (GetWindowLongPtrW(control, GWL_STYLE) & ~LONG_PTR(BS_TYPEMASK)) | BS_OWNERDRAW);
}

void Window::drawWith(Control& control, HWND shownBy, Shows shows) {
    views.push_back(std::make_unique<DrawnControl>(shownBy, shows));
    control.drawWith(views.back().get());
}

HFONT Window::fontOf(const FontSpec& font) {
    HFONT& made = fonts[font];
    if (made == nullptr) {
        made = CreateFontW(-MulDiv(font.hundredthsOfPoint, dpi, 7200), 0, 0, 0,
                           font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, font.face);
    }
    return made;
}

// At a new resolution every control and font is made again at its size in twips.
void Window::layOut() {
    std::map<FontSpec, HFONT> old;
    old.swap(fonts);
    for (const Placed& control : placed) {
        SetWindowPos(control.control, nullptr, pixels(control.place.left),
                     pixels(control.place.top), pixels(control.place.width),
                     pixels(control.place.height), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control.control, WM_SETFONT, WPARAM(fontOf(control.font)), TRUE);
    }
    for (const auto& [face, font] : old) {
        DeleteObject(font);
    }
}

void Window::fitClientArea(const RECT* suggested) {
    RECT frame{0, 0, pixels(clientWidthTwips), pixels(clientHeightTwips)};
    AdjustWindowRectExForDpi(&frame, DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                             DWORD(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)), UINT(dpi));
    const UINT keepPlace = suggested != nullptr ? 0 : SWP_NOMOVE;
    SetWindowPos(hwnd, nullptr, suggested != nullptr ? suggested->left : 0,
                 suggested != nullptr ? suggested->top : 0, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE | keepPlace);
}

LRESULT Window::colourOf(UINT message, HWND control, HDC dc) {
    const auto text = textColours.find(control);
    if (text == textColours.end()) {
        return DefWindowProcW(hwnd, message, WPARAM(dc), LPARAM(control));
    }
    SetTextColor(dc, text->second);
    SetBkColor(dc, background);
    SetBkMode(dc, TRANSPARENT);
    return LRESULT(picture != nullptr ? GetStockObject(HOLLOW_BRUSH) : backgroundBrush);
}

void Window::drawBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, backgroundBrush);
    BITMAP size{};
    if (picture == nullptr || GetObjectW(picture, sizeof size, &size) == 0) {
        return;
    }
    const HDC pictureDc = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(pictureDc, picture);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, 0, 0, MulDiv(size.bmWidth, dpi, USER_DEFAULT_SCREEN_DPI),
               MulDiv(size.bmHeight, dpi, USER_DEFAULT_SCREEN_DPI), pictureDc, 0, 0, size.bmWidth,
               size.bmHeight, SRCCOPY);
    SelectObject(pictureDc, previous);
    DeleteDC(pictureDc);
}

void Window::drawFace(const DRAWITEMSTRUCT& item) {
    RECT face = item.rcItem;
    const HBRUSH brush = CreateSolidBrush(faceColours[item.hwndItem]);
    FillRect(item.hDC, &face, brush);
    DeleteObject(brush);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const std::wstring text = windowText(item.hwndItem);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor((item.itemState & ODS_DISABLED) != 0 ? COLOR_GRAYTEXT
                                                                            : COLOR_BTNTEXT));
    if (pressed) {
        OffsetRect(&face, 1, 1);
    }
    DrawTextW(item.hDC, text.c_str(), -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if ((item.itemState & ODS_FOCUS) != 0) {
        InflateRect(&face, -4, -4);
        DrawFocusRect(item.hDC, &face);
    }
}

LRESULT Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            drawBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return colourOf(message, reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
        case WM_DRAWITEM:  // a coloured button's face; an owner-drawn label draws nothing
            if (const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                item.CtlType == ODT_BUTTON) {
                drawFace(item);
            }
            return TRUE;
        case WM_DPICHANGED:
            dpi = HIWORD(wParam);
            fitClientArea(reinterpret_cast<const RECT*>(lParam));
            layOut();
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->onMessage(message, wParam, lParam);
}
