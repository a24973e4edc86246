#pragma once

#include <QWidget>

#include "core/forms/scene_check_form.h"
#include "platform/control_drawing.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The scene-check window as Qt draws it: each missing file, its candidates beneath it; a double
// click or Enter on a candidate puts its path on the clipboard. Its close box destroys it.
class SceneCheckWindow : public QWidget, public SceneCheckHost {
    Q_OBJECT

public:
    SceneCheckWindow(const Form1& form1, const QString& hostPath, QWidget* owner);

    SceneCheckForm form;

    QLabel* Label1;
    QTreeWidget* List1;
    QPushButton* Command1;

    int MsgBox(const std::string& text, MsgBoxButtons buttons) override;
    void clearClipboard() override;
    void setClipboardText(const std::string& text) override;

private:
    void fillList();
    void choose(QTreeWidgetItem* item);

    ControlDrawing drawing;
};
