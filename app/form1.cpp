#include "app/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "app/floppy_icon.h"
#include "core/drives/data_files.h"
#include "core/settings/settings_file.h"
#include "platform/click_text_box.h"
#include "platform/program_title.h"
#include "platform/results_box.h"
#include "platform/window_rules.h"

namespace {

const QColor numberButtonFace(192, 255, 192);

QPushButton* makeButton(QWidget* form, const QString& text, QRect place) {
    auto* button = new QPushButton(text, form);
    button->setGeometry(place);
    button->setFont(sansFont(8.25));
    return button;
}

QPushButton* makeNumberButton(QWidget* form, const QString& text, int leftTwips) {
    QPushButton* button = makeButton(form, text, twipsRect(leftTwips, 2400, 495, 495));
    button->setFont(sansFont(8.25, true));
    setFaceColour(button, numberButtonFace);
    return button;
}

QLabel* makeLabel(QWidget* form, const QString& text, QRect place, const QFont& font,
                  const QColor& colour) {
    auto* label = new QLabel(text, form);
    label->setGeometry(place);
    label->setFont(font);
    setTextColour(label, colour);
    return label;
}

}  // namespace

Form1::Form1() : drives(Drives::ofSystem()), scan(drives) {
    setWindowTitle(programTitle + QStringLiteral("  ") + programVersion);
    setWindowIcon(floppyIcon());
    setFixedWindow(this, 7320, 3795);
    setTextColour(this, Qt::white, Qt::black);
    setFont(sansFont(8.25));
    createControls();
    describeControls();
    connectHandlers();
}

Form1::~Form1() = default;

void Form1::createControls() {
    Text2 = new ClickTextBox(this);
    Text2->setGeometry(twipsRect(120, 360, 3735, 375));
    Label2 = makeLabel(this, QStringLiteral("<-- Click to Paste FileName"),
                       twipsRect(3960, 480, 2055, 255), sansFont(8.25), QColor(0, 255, 255));
    Label2->setTextFormat(Qt::PlainText);

    Text1 = new ResultsBox(this);
    Text1->setGeometry(twipsRect(120, 840, 6975, 1455));
    Text1->setFont(sansFont(8.25, true));
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Command9 = makeNumberButton(this, QStringLiteral("1"), 120);
    Command6 = makeNumberButton(this, QStringLiteral("2"), 720);
    Command10 = makeNumberButton(this, QStringLiteral("3"), 1320);
    Command11 = makeNumberButton(this, QStringLiteral("4"), 1920);
    Command12 = makeNumberButton(this, QStringLiteral("5"), 2520);
    Command3 = makeButton(this, QStringLiteral("Clear"), twipsRect(3120, 2400, 975, 495));
    Command4 = makeButton(this, QStringLiteral("Set"), twipsRect(4200, 2400, 975, 495));
    Command5 = makeButton(this, QStringLiteral("Update"), twipsRect(5280, 2400, 975, 495));
    Command7 = makeButton(this, QStringLiteral("?"), twipsRect(6360, 2400, 735, 495));
    setFaceColour(Command7, QColor(255, 192, 255));

    Check1 = new QCheckBox(QStringLiteral("Multi-task"), this);
    Check1->setGeometry(twipsRect(5280, 2925, 1095, 255));
    Check1->setFont(sansFont(8.25));
    setTextColour(Check1, QColor(255, 255, 0));  // on the window's black

    Label3 = makeLabel(this, QStringLiteral("Quobbin"), twipsRect(100, 3000, 3975, 735),
                       sansFont(26.25, true), QColor(0, 0, 255));
    Label1 = makeLabel(this, QStringLiteral("Copyright \u00A9 2026 The Quobbin developers"),
                       twipsRect(140, 3620, 4935, 255), sansFont(6.75), Qt::white);
}

// What assistive technology says of each control; the keys that stand for a number button.
void Form1::describeControls() {
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
void Form1::connectHandlers() {
    connect(Text2, &ClickTextBox::Click, this, &Form1::Text2_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &Form1::Command12_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
}

bool Form1::Form_Load() {
    if (!oneCopy.acquire()) {
        return false;
    }
    // From here on a step that fails is skipped and the next one runs, silently.
    makeDataFolder(drives);
    // Empty unless the settings file holds a folder, whether or not that folder exists.
    PoserDir = QString::fromStdString(settingsFileOf(drives).storedFolder().value_or(""));
    for (QPushButton* number : numberButtons()) {
        number->setVisible(false);
    }
    nl = QStringLiteral("\r\n");
    return true;
}

std::array<QPushButton*, 5> Form1::numberButtons() const {
    return {Command9, Command6, Command10, Command11, Command12};
}

std::array<QString*, 5> Form1::storedPaths() {
    return {&hit1, &hit2, &hit3, &hit4, &hit5};
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void Form1::Form_Unload() {
    End();
}

void Form1::End() {
    ending = true;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this) {
            window->close();
        }
    }
    QCoreApplication::quit();
}
