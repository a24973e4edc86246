#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/forms/control.h"

class DrawnControl;

// Whether a control takes input and shows, as the handlers left it.
void drawState(HWND control, const Control& shown);

// A window's text, as controls keep it.
std::wstring windowText(HWND window);

// A font as the layouts name it; made at the window's dots per inch.
struct FontSpec {
    const wchar_t* face = L"MS Sans Serif";
    int hundredthsOfPoint = 825;
    bool bold = false;
    auto operator<=>(const FontSpec&) const = default;
};

// Left, top, width, height within a client area, in twips: 15 to a pixel at 96 dots per inch.
struct TwipsRect {
    int left, top, width, height;
};

// A label of one line: its text is cut at its edge rather than broken onto a line that does not
// show, as fonts measure a little wider at some resolutions.
constexpr DWORD label = SS_NOPREFIX | SS_LEFTNOWORDWRAP;

// Enter on a list box does what a double click does (opens a folder, chooses an entry), and
// presses no button of the window.
void takeEnterAsDoubleClick(HWND list);

// How a control shows a `Control`'s state: a window's caption only takes the text; a check box
// also its tick.
enum class Shows { Caption, Text, CheckBox, MultiLineText };

// A top-level window of the program, laid out in twips at the monitor's dots per inch and laid
// out again when it moves to a monitor of another. Its controls draw the forms' `Control`s;
// colours and owner-drawn faces are answered here, so each window only says what it holds.
class Window {
public:
    Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND handle() const { return hwnd; }
    // False once the window's close box has destroyed it.
    bool exists() const { return hwnd != nullptr; }
    // Shows the window, or brings it forward when it shows already.
    void show();
    void hide();

    // The window classes, registered once before the first window is made.
    static void registerClasses(HINSTANCE instance);
    static constexpr const wchar_t* mainClass = L"QuobbinForm1";

protected:
    enum class Border { Main, Dialog };
    void create(const wchar_t* className, Border border, HWND owner, int clientWidthTwips,
                int clientHeightTwips, COLORREF background);
    HWND addControl(const wchar_t* className, DWORD style, int id, TwipsRect place,
                    FontSpec font = {});
    // Text drawn in a colour straight onto the window's background (labels, check boxes).
    void colourText(HWND control, COLORREF text);
    // A push button with a face of its own colour, which themed buttons cannot have.
    void colourFace(HWND control, COLORREF face);
    void drawWith(Control& control, HWND shownBy, Shows shows);
    // A bitmap drawn as the window's background from its top left, at the window's resolution;
    // labels are then drawn straight onto it.
    void setPicture(HBITMAP bitmap) { picture = bitmap; }

    int pixels(int twips) const { return MulDiv(twips, dpi, 1440); }
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd = nullptr;

private:
    struct Placed {
        HWND control;
        TwipsRect place;
        FontSpec font;
    };
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    HFONT fontOf(const FontSpec& font);
    void layOut();
    void fitClientArea(const RECT* suggested);
    LRESULT colourOf(UINT message, HWND control, HDC dc);
    void drawFace(const DRAWITEMSTRUCT& item);
    void drawBackground(HDC dc);

    int dpi = USER_DEFAULT_SCREEN_DPI;
    int clientWidthTwips = 0, clientHeightTwips = 0;
    COLORREF background = 0;
    HBRUSH backgroundBrush = nullptr;
    HBITMAP picture = nullptr;
    std::vector<Placed> placed;
    std::map<FontSpec, HFONT> fonts;
    std::map<HWND, COLORREF> textColours;
    std::map<HWND, COLORREF> faceColours;
    std::vector<std::unique_ptr<DrawnControl>> views;
};
