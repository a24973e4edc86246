#include "app/form1_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

#include "app/floppy_icon.h"
#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/quit_signals.h"
#include "platform/results_box.h"
#include "platform/window_rules.h"
#include "setup/form2.h"
#include "setup/help_pages.h"
#include "setup/scene_check_window.h"

namespace {

const QColor numberButtonFace(192, 255, 192);

QPushButton* makeButton(QWidget* form, QRect place) {
    auto* button = new QPushButton(form);
    button->setGeometry(place);
    button->setFont(sansFont(8.25));
    return button;
}

QPushButton* makeNumberButton(QWidget* form, int leftTwips) {
    QPushButton* button = makeButton(form, twipsRect(leftTwips, 2400, 495, 495));
    button->setFont(sansFont(8.25, true));
    setFaceColour(button, numberButtonFace);
    return button;
}

QLabel* makeLabel(QWidget* form, QRect place, const QFont& font, const QColor& colour) {
    auto* label = new QLabel(form);
    label->setGeometry(place);
    label->setFont(font);
    setTextColour(label, colour);
    return label;
}

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

Form1Window::Form1Window() : form1(*this) {
    setAcceptDrops(true);
    setWindowIcon(floppyIcon());
    setFixedWindow(this, 7320, 3795);
    setTextColour(this, Qt::white, Qt::black);
    setFont(sansFont(8.25));
    createControls();
    drawControls();
    describeControls();
    connectHandlers();
}

Form1Window::~Form1Window() = default;

void Form1Window::createControls() {
    Text2 = new ClickTextBox(this);
    Text2->setGeometry(twipsRect(120, 360, 3735, 375));
    Label2 = makeLabel(this, twipsRect(3960, 480, 2055, 255), sansFont(8.25), QColor(0, 255, 255));

    Text1 = new ResultsBox(this);
    Text1->setGeometry(twipsRect(120, 840, 6975, 1455));
    Text1->setFont(sansFont(8.25, true));
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Command9 = makeNumberButton(this, 120);
    Command6 = makeNumberButton(this, 720);
    Command10 = makeNumberButton(this, 1320);
    Command11 = makeNumberButton(this, 1920);
    Command12 = makeNumberButton(this, 2520);
    Command3 = makeButton(this, twipsRect(3120, 2400, 975, 495));
    Command4 = makeButton(this, twipsRect(4200, 2400, 975, 495));
    Command5 = makeButton(this, twipsRect(5280, 2400, 975, 495));
    Command7 = makeButton(this, twipsRect(6360, 2400, 735, 495));
    setFaceColour(Command7, QColor(255, 192, 255));

    Check1 = new QCheckBox(this);
    Check1->setGeometry(twipsRect(5280, 2925, 1095, 255));
    Check1->setFont(sansFont(8.25));
    setTextColour(Check1, QColor(255, 255, 0));  // on the window's black

    Label3 =
        makeLabel(this, twipsRect(100, 3000, 3975, 735), sansFont(26.25, true), QColor(0, 0, 255));
    Label1 = makeLabel(this, twipsRect(140, 3620, 4935, 255), sansFont(6.75), Qt::white);
}

// Each control of the window draws its part of the form's state.
void Form1Window::drawControls() {
    drawing.caption(form1.Caption, this);
    drawing.control(form1.Text2, Text2,
                    [this](const Control& box) { Text2->setText(qText(box.text())); });
    drawing.control(form1.Text1, Text1, [this](const Control& box) {
        Text1->setPlainTextUtf8(QByteArray::fromStdString(box.text()));
    });
    drawing.label(form1.Label2, Label2);
    drawing.label(form1.Label3, Label3);
    drawing.label(form1.Label1, Label1);
    const std::array<QPushButton*, 9> buttons = {Command9,  Command6,  Command10,
                                                 Command11, Command12, Command3,
                                                 Command4,  Command5,  Command7};
    const std::array<Control*, 9> buttonStates = {
        &form1.Command9, &form1.Command6, &form1.Command10, &form1.Command11, &form1.Command12,
        &form1.Command3, &form1.Command4, &form1.Command5,  &form1.Command7};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        drawing.button(*buttonStates[i], buttons[i]);
    }
    drawing.button(form1.Check1, Check1);
}

// What assistive technology says of each control; the keys that stand for a number button.
void Form1Window::describeControls() {
    const auto describe = [](QWidget* control, const QString& name, const QString& description) {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
    };
    describe(Text2, QStringLiteral("Look-up box"),
             QStringLiteral("A click, Enter or Space pastes the copied file name here and looks "
                            "it up"));
    describe(Label2, Label2->text(), QStringLiteral("What the look-up box does"));
    describe(Text1, QStringLiteral("Results"),
             QStringLiteral("The files of the last look-up, one numbered path a line"));
    int number = 1;
    for (QPushButton* button : numberButtons()) {
        const QString digit = QString::number(number++);
        describe(button, digit,
                 QStringLiteral("Puts the path of match ") + digit +
                     QStringLiteral(" on the clipboard; the key ") + digit +
                     QStringLiteral(" does the same"));
        button->setShortcut(QKeySequence(digit));
    }
    describe(Command3, Command3->text(), QStringLiteral("Empties the look-up box and the results"));
    describe(Command4, Command4->text(),
             QStringLiteral("Opens the dialog in which you choose your Poser folder"));
    describe(Command5, Command5->text(), QStringLiteral("Indexes the files of your Poser folder"));
    describe(Command7, QStringLiteral("Help"), QStringLiteral("Opens the help pages"));
    describe(Check1, Check1->text(),
             QStringLiteral("Keeps other programs usable while Update works; untick it for "
                            "faster work"));
    describe(Label3, Label3->text(), QStringLiteral("The program's name"));
    describe(Label1, Label1->text(), QStringLiteral("The copyright line"));
}

// Each control's event reaches the handler named after the control and the event.
void Form1Window::connectHandlers() {
    const auto handle = [this](auto* widget, auto signal, void (Form1::*handler)()) {
        connect(widget, signal, this, [this, handler] { (form1.*handler)(); });
    };
    handle(Text2, &ClickTextBox::Click, &Form1::Text2_Click);
    handle(Command9, &QPushButton::clicked, &Form1::Command9_Click);
    handle(Command6, &QPushButton::clicked, &Form1::Command6_Click);
    handle(Command10, &QPushButton::clicked, &Form1::Command10_Click);
    handle(Command11, &QPushButton::clicked, &Form1::Command11_Click);
    handle(Command12, &QPushButton::clicked, &Form1::Command12_Click);
    handle(Command3, &QPushButton::clicked, &Form1::Command3_Click);
    handle(Command4, &QPushButton::clicked, &Form1::Command4_Click);
    handle(Command5, &QPushButton::clicked, &Form1::Command5_Click);
    handle(Command7, &QPushButton::clicked, &Form1::Command7_Click);
    // What the user types or ticks is the controls' state too.
    connect(Text2, &QLineEdit::textEdited, this,
            [this](const QString& text) { form1.Text2.takeUserText(text.toStdString()); });
    connect(Check1, &QCheckBox::toggled, this,
            [this](bool checked) { form1.Check1.takeUserCheck(checked); });
}

bool Form1Window::Form_Load() {
    if (!oneCopy.acquire()) {
        return false;
    }
    form1.Form_Load();
    return true;
}

std::array<QPushButton*, 5> Form1Window::numberButtons() const {
    return {Command9, Command6, Command10, Command11, Command12};
}

void Form1Window::checkScene(const QString& hostPath) {
    auto* window = new SceneCheckWindow(form1, hostPath, this);
    window->show();
}

void Form1Window::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); })) {
        event->acceptProposedAction();
    }
}

void Form1Window::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            checkScene(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
}

void Form1Window::closeEvent(QCloseEvent* event) {
    event->accept();
    form1.Form_Unload();
}

int Form1Window::MsgBox(const std::string& text, MsgBoxButtons buttons) {
    return showMessageBox(this, text, buttons);
}

std::string Form1Window::clipboardText() {
    return ::clipboardText().toStdString();
}

void Form1Window::clearClipboard() {
    ::clearClipboard();
}

void Form1Window::setClipboardText(const std::string& text) {
    ::setClipboardText(qText(text));
}

bool Form1Window::DoEvents() {
    QCoreApplication::processEvents();
    return !form1.isEnding();
}

bool Form1Window::isQuitAsked() {
    return QuitSignals::received();
}

// "Set": the dialog, made and loaded on its first showing.
void Form1Window::showPoserFolderDialog() {
    showForm(poserFolderDialog, form1, this);
}

// "?": the first page, made on its first showing.
void Form1Window::showHelp() {
    helpPages.show(1);
}

void Form1Window::End() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this) {
            window->close();
        }
    }
    QCoreApplication::quit();
}
