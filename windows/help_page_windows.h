#pragma once

#include <array>
#include <memory>

#include "core/forms/help_pages.h"
#include "core/forms/help_picture_texts.h"
#include "windows/window.h"

class HelpPageSet;

// A help page as Win32 draws it: its picture fills the window; Escape hides it, its close box
// destroys it.
class HelpPageWindow : public Window, public HelpPageHost {
public:
    void showPage(int page) override;
    void Hide() override { hide(); }

protected:
    HelpPageWindow(HelpPageSet& pages, int clientWidthTwips, int clientHeightTwips,
                   const wchar_t* bitmap, const HelpPictureTexts& picture);
    HWND addNextButton(int id, int leftTwips);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void Next_Click() {}

    static constexpr int idNext = 100;

private:
    HelpPageSet& pages;
};

// The three pages, each existing at most once: made on its first showing, shown again as it was
// when hidden, made anew once its close box has destroyed it.
class HelpPageSet {
public:
    explicit HelpPageSet(const Window& owner) : owner(owner) {}
    void show(int page);  // 1, 2 or 3
    void closeAll();

    const Window& owner;

private:
    std::array<std::unique_ptr<HelpPageWindow>, 3> pages;
};
