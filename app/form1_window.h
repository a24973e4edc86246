#pragma once

#include <QPointer>
#include <QWidget>

#include "core/forms/form1.h"
#include "platform/control_drawing.h"
#include "setup/help_pages.h"
#include "system/one_copy_lock.h"

class ClickTextBox;
class QCheckBox;
class QLabel;
class ResultsBox;
class QPushButton;
class Form2Window;

// The main window as Qt draws it: its controls show the state that `form1`'s handlers leave,
// and their events reach those handlers. It answers the handlers' questions of the desktop.
class Form1Window : public QWidget, public FormHost {
    Q_OBJECT

public:
    Form1Window();
    ~Form1Window() override;

    // The start-up steps. False when another copy already runs: the program then ends at
    // once, having touched nothing.
    bool Form_Load();

    Form1 form1;

    // The help pages, each existing at most once; the pages reach them to page on.
    HelpPageSet helpPages{this};

    // Controls.
    ClickTextBox* Text2;
    QLabel* Label2;
    ResultsBox* Text1;
    QPushButton* Command9;
    QPushButton* Command6;
    QPushButton* Command10;
    QPushButton* Command11;
    QPushButton* Command12;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command7;
    QCheckBox* Check1;
    QLabel* Label3;
    QLabel* Label1;

    int MsgBox(const std::string& text, MsgBoxButtons buttons) override;
    std::string clipboardText() override;
    void clearClipboard() override;
    void setClipboardText(const std::string& text) override;
    bool DoEvents() override;
    bool isQuitAsked() override;
    void showPoserFolderDialog() override;
    void showHelp() override;
    void End() override;

    // Opens a scene-check window for a Poser file (a host path).
    void checkScene(const QString& hostPath);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A Poser file dropped onto the window is checked in a window of its own.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void describeControls();
    void drawControls();
    void connectHandlers();
    std::array<QPushButton*, 5> numberButtons() const;

    ControlDrawing drawing;
    OneCopyLock oneCopy;
    QPointer<Form2Window> poserFolderDialog;
};
