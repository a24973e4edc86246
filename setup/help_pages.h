#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/forms/help_pages.h"
#include "platform/control_drawing.h"

struct HelpPictureTexts;
class QLabel;
class QPushButton;

// A page of help: a picture, the window's background, drawn unscaled from the top left, that
// assistive technology reads as its text alternative. The pictures are drawn at the build; the
// page shows the one drawn for the screen's pixel ratio. The "Next >" buttons and Escape hide
// their page; the close box destroys it.
class HelpPageSet;

class HelpPage : public QWidget, public HelpPageHost {
    Q_OBJECT

public:
    QLabel* Picture;

    QPixmap picture() const;

    void showPage(int page) override;
    void Hide() override;

protected:
    HelpPage(HelpPageSet& pages, int clientWidthTwips, int clientHeightTwips,
             const HelpPictureTexts& picture);
    void keyPressEvent(QKeyEvent* event) override;

    HelpPageSet& pages;
    ControlDrawing drawing;
};

// Page 1: setting up.
class Form4Window : public HelpPage {
    Q_OBJECT

public:
    explicit Form4Window(HelpPageSet& pages);

    Form4 form4{*this};

    QLabel* Label1;
    QPushButton* Command2;
};

// Page 2: getting a missing file's name from Poser.
class Form5Window : public HelpPage {
    Q_OBJECT

public:
    explicit Form5Window(HelpPageSet& pages);

    Form5 form5{*this};

    QPushButton* Command1;
};

// Page 3: finding the file; closed with its close box.
class Form6Window : public HelpPage {
    Q_OBJECT

public:
    explicit Form6Window(HelpPageSet& pages);

    Form6 form6;
};

// The help pages of a window, each made on its first showing and existing at most once.
class HelpPageSet {
public:
    explicit HelpPageSet(QWidget* owner) : owner(owner) {}

    // Page 1, 2 or 3, shown again as it was when hidden, brought forward when visible.
    void show(int page);

    QWidget* const owner;
    QPointer<Form4Window> helpPage1;
    QPointer<Form5Window> helpPage2;
    QPointer<Form6Window> helpPage3;
};
