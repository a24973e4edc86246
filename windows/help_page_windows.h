#pragma once

#include <memory>

#include "core/forms/help_pages.h"
#include "windows/window.h"

class Form1Window;

// A help page as Win32 draws it: its picture fills the window; Escape hides it, its close box
// destroys it.
class HelpPageWindow : public Window, public HelpPageHost {
public:
    void showPage(int page) override;
    void Hide() override { hide(); }

protected:
    HelpPageWindow(Form1Window& main, int clientWidthTwips, int clientHeightTwips,
                   const wchar_t* picture);
    HWND addNextButton(int id, int leftTwips);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void Next_Click() {}

    static constexpr int idNext = 100;

private:
    Form1Window& main;
};

// Page 1, 2 or 3, owned by the main window.
std::unique_ptr<HelpPageWindow> makeHelpPage(int page, Form1Window& main);
