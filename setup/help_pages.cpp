#include "setup/help_pages.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/form1.h"
#include "platform/window_rules.h"
#include "setup/help_pictures.h"

namespace {

QPushButton* makeNextButton(QWidget* page, int leftTwips) {
    auto* next = new QPushButton(QStringLiteral("Next >"), page);
    next->setGeometry(twipsRect(leftTwips, 120, 1215, 495));
    setFaceColour(next, QColor(255, 255, 0));
    return next;
}

}  // namespace

HelpPage::HelpPage(Form1* owner, const QString& caption, int clientWidthTwips,
                   int clientHeightTwips, QPixmap picture)
    : QWidget(owner), form1(owner), pagePicture(std::move(picture)) {
    setWindowTitle(caption);
    setFixedDialog(this, clientWidthTwips, clientHeightTwips);
    setFont(sansFont(8.25));
}

void HelpPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pagePicture);
}

Form4::Form4(Form1* owner)
    : HelpPage(owner, QStringLiteral("Setting Up Poser Quobbin"), 7530, 7260, setupPicture()) {
    Label1 = new QLabel(QStringLiteral("SETUP"), this);
    Label1->setGeometry(twipsRect(3600, 120, 1695, 495));
    Label1->setFont(sansFont(18, true));
    Command2 = makeNextButton(this, 6120);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
}

void Form4::Command2_Click() {
    showForm(form1->helpPage2, form1);
    hide();
}

Form5::Form5(Form1* owner)
    : HelpPage(owner, QStringLiteral("How to Use Poser Quobbin - Get The FileName From Poser"),
               7140, 8820, fileNamePicture()) {
    Command1 = makeNextButton(this, 5760);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
}

void Form5::Command1_Click() {
    showForm(form1->helpPage3, form1);
    hide();
}

Form6::Form6(Form1* owner)
    : HelpPage(owner, QStringLiteral("How to Use Poser Quobbin - Using the Quobbin to Get Files"),
               7500, 7425, findFilesPicture()) {}

// "?": the first page, made on its first showing.
void Form1::Command7_Click() {
    showForm(helpPage1, this);
}
