#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

struct HelpPictureTexts;
class Form1Window;
class QLabel;
class QPushButton;

// A page of help: a picture, the window's background, drawn unscaled from the top left, that
// assistive technology reads as its text alternative. The pictures are drawn at the build; the
// page shows the one drawn for the screen's pixel ratio. The "Next >" buttons and Escape hide
// their page; the close box destroys it.
class HelpPage : public QWidget {
    Q_OBJECT

public:
    QLabel* Picture;

    QPixmap picture() const;

protected:
    HelpPage(Form1Window* owner, const QString& caption, int clientWidthTwips,
             int clientHeightTwips, const HelpPictureTexts& picture);
    void keyPressEvent(QKeyEvent* event) override;

    Form1Window* owner;
};

// Page 1: setting up.
class Form4 : public HelpPage {
    Q_OBJECT

public:
    explicit Form4(Form1Window* owner);

    QLabel* Label1;
    QPushButton* Command2;

    void Command2_Click();
};

// Page 2: getting a missing file's name from Poser.
class Form5 : public HelpPage {
    Q_OBJECT

public:
    explicit Form5(Form1Window* owner);

    QPushButton* Command1;

    void Command1_Click();
};

// Page 3: finding the file; closed with its close box.
class Form6 : public HelpPage {
    Q_OBJECT

public:
    explicit Form6(Form1Window* owner);
};
