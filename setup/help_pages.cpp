#include "setup/help_pages.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "core/forms/help_picture_texts.h"
#include "platform/window_rules.h"

namespace {

QPushButton* makeNextButton(QWidget* page, int leftTwips) {
    auto* next = new QPushButton(page);
    next->setGeometry(twipsRect(leftTwips, 120, 1215, 495));
    setFaceColour(next, QColor(255, 255, 0));
    next->setAccessibleName(QStringLiteral("Next"));
    next->setAccessibleDescription(QStringLiteral("Shows the next help page"));
    return next;
}

// The picture drawn at 1x, or at 2x for a HiDPI screen; between, the 2x one made smaller.
QPixmap drawnPicture(const HelpPictureTexts& picture) {
    const qreal ratio = qGuiApp->devicePixelRatio();
    const QString file = QStringLiteral(":/help/") + QString::fromUtf8(picture.file);
    QPixmap drawn(file + (ratio > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
    if (drawn.devicePixelRatio() != ratio) {
        drawn = drawn.scaled(drawn.deviceIndependentSize().toSize() * ratio, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
        drawn.setDevicePixelRatio(ratio);
    }
    return drawn;
}

}  // namespace

HelpPage::HelpPage(HelpPageSet& pages, int clientWidthTwips, int clientHeightTwips,
                   const HelpPictureTexts& picture)
    : QWidget(pages.owner), pages(pages) {
    setFixedDialog(this, clientWidthTwips, clientHeightTwips);
    setFont(sansFont(8.25));
    // Made first, so that the page's controls stand in front of it.
    Picture = new QLabel(this);
    const QPixmap drawn = drawnPicture(picture);
    Picture->setPixmap(drawn);
    Picture->setGeometry(QRect(QPoint(0, 0), drawn.deviceIndependentSize().toSize()));
    Picture->setAccessibleName(QString::fromUtf8(picture.summary));
    Picture->setAccessibleDescription(QString::fromStdString(spokenCaptions(picture)));
}

QPixmap HelpPage::picture() const {
    return Picture->pixmap();
}

void HelpPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void HelpPage::showPage(int page) {
    pages.show(page);
}

void HelpPage::Hide() {
    hide();
}

Form4Window::Form4Window(HelpPageSet& pages) : HelpPage(pages, 7530, 7260, setupPicture) {
    drawing.caption(form4.Caption, this);
    Label1 = new QLabel(this);
    Label1->setGeometry(twipsRect(3600, 120, 1695, 495));
    Label1->setFont(sansFont(18, true));
    Label1->setAccessibleDescription(QStringLiteral("The title of the first help page"));
    drawing.label(form4.Label1, Label1);
    Command2 = makeNextButton(this, 6120);
    drawing.button(form4.Command2, Command2);
    connect(Command2, &QPushButton::clicked, this, [this] { form4.Command2_Click(); });
}

Form5Window::Form5Window(HelpPageSet& pages) : HelpPage(pages, 7140, 8820, fileNamePicture) {
    drawing.caption(form5.Caption, this);
    Command1 = makeNextButton(this, 5760);
    drawing.button(form5.Command1, Command1);
    connect(Command1, &QPushButton::clicked, this, [this] { form5.Command1_Click(); });
}

Form6Window::Form6Window(HelpPageSet& pages) : HelpPage(pages, 7500, 7425, findFilesPicture) {
    drawing.caption(form6.Caption, this);
}

void HelpPageSet::show(int page) {
    switch (page) {
        case 1:
            showForm(helpPage1, *this);
            break;
        case 2:
            showForm(helpPage2, *this);
            break;
        default:
            showForm(helpPage3, *this);
            break;
    }
}
