#include "windows/help_page_windows.h"

#include <commctrl.h>

#include "system/wide_text.h"

namespace {

constexpr COLORREF nextButtonFace = RGB(255, 255, 0);

class Form4Window final : public HelpPageWindow {
public:
    explicit Form4Window(HelpPageSet& pages)
        : HelpPageWindow(pages, 7530, 7260, L"PAGE1", setupPicture) {
        drawWith(form4.Caption, hwnd, Shows::Caption);
        Label1 = addControl(WC_STATICW, label, 0, {3600, 120, 1695, 495},
                            {L"MS Sans Serif", 1800, true});
        colourText(Label1, GetSysColor(COLOR_WINDOWTEXT));
        drawWith(form4.Label1, Label1, Shows::Text);
        drawWith(form4.Command2, addNextButton(idNext, 6120), Shows::Text);
    }

private:
    void Next_Click() override { form4.Command2_Click(); }

    Form4 form4{*this};
    HWND Label1;
};

class Form5Window final : public HelpPageWindow {
public:
    explicit Form5Window(HelpPageSet& pages)
        : HelpPageWindow(pages, 7140, 8820, L"PAGE2", fileNamePicture) {
        drawWith(form5.Caption, hwnd, Shows::Caption);
        drawWith(form5.Command1, addNextButton(idNext, 5760), Shows::Text);
    }

private:
    void Next_Click() override { form5.Command1_Click(); }

    Form5 form5{*this};
};

class Form6Window final : public HelpPageWindow {
public:
    explicit Form6Window(HelpPageSet& pages)
        : HelpPageWindow(pages, 7500, 7425, L"PAGE3", findFilesPicture) {
        drawWith(form6.Caption, hwnd, Shows::Caption);
    }

private:
    Form6 form6;
};

}  // namespace

HelpPageWindow::HelpPageWindow(HelpPageSet& pages, int clientWidthTwips, int clientHeightTwips,
                               const wchar_t* bitmap, const HelpPictureTexts& picture)
    : pages(pages) {
    create(L"QuobbinWindow", Border::Dialog, pages.owner.handle(), clientWidthTwips,
           clientHeightTwips, GetSysColor(COLOR_BTNFACE));
    setPicture(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    // What the picture says, for a screen reader: a control over the picture that draws
    // nothing and lets clicks through, made first so that the page's controls stand in front.
    const HWND Picture =
        addControl(WC_STATICW, SS_OWNERDRAW, 0, {0, 0, clientWidthTwips, clientHeightTwips});
    SetWindowTextW(
        Picture, wideText(std::string(picture.summary) + ".\n" + spokenCaptions(picture)).c_str());
}

HWND HelpPageWindow::addNextButton(int id, int leftTwips) {
    const HWND next =
        addControl(WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, id, {leftTwips, 120, 1215, 495});
    colourFace(next, nextButtonFace);
    return next;
}

void HelpPageWindow::showPage(int page) {
    pages.show(page);
}

LRESULT HelpPageWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == idNext) {
        Next_Click();
        return 0;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        Hide();  // Escape
        return 0;
    }
    return Window::onMessage(message, wParam, lParam);
}

void HelpPageSet::show(int page) {
    std::unique_ptr<HelpPageWindow>& shown = pages.at(std::size_t(page - 1));
    if (!shown || !shown->exists()) {
        shown.reset();
        switch (page) {
            case 1:
                shown = std::make_unique<Form4Window>(*this);
                break;
            case 2:
                shown = std::make_unique<Form5Window>(*this);
                break;
            default:
                shown = std::make_unique<Form6Window>(*this);
                break;
        }
    }
    shown->show();
}

void HelpPageSet::closeAll() {
    for (std::unique_ptr<HelpPageWindow>& page : pages) {
        page.reset();
    }
}
