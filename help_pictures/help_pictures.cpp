#include "help_pictures/help_pictures.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/form1_window.h"
#include "core/forms/help_picture_texts.h"
#include "help_pictures/locate_file_dialog.h"
#include "help_pictures/picture_drawing.h"
#include "platform/click_text_box.h"
#include "platform/results_box.h"

namespace {

QStringList texts(std::span<const std::string_view> utf8) {
    QStringList all;
    for (std::string_view one : utf8) {
        all.append(QString::fromUtf8(one));
    }
    return all;
}

// The main window with the number buttons 1 to 3 showing, as after a look-up that found three
// files, and the look-up and results boxes holding the texts given.
void showThreeMatches(Form1Window& window, const QString& lookedUp, const QString& results) {
    window.Command11->hide();
    window.Command12->hide();
    window.Text2->setText(lookedUp);
    window.Text1->setPlainText(results);
}

QRect placed(const QWidget* control, QPoint clientTopLeft) {
    return control->geometry().translated(clientTopLeft);
}

}  // namespace

QPixmap drawSetupPicture() {
    Form1Window window;
    showThreeMatches(window, {}, {});
    QPixmap picture = blankPicture({500, 500});
    QPainter painter(&picture);
    drawWordmark(painter);
    const QPoint client = drawWindow(painter, {3, 48}, window);

    const QRect set = placed(window.Command4, client);
    const QRect update = placed(window.Command5, client);
    const QRect multiTask = placed(window.Check1, client);
    drawCallout(painter, set.center() - QPoint(0, 62), set.center() - QPoint(0, 18), 1);
    drawCallout(painter, multiTask.center() + QPoint(88, 0),
                QPoint(multiTask.right() + 2, multiTask.center().y()), 2);
    drawCallout(painter, update.center() - QPoint(0, 62), update.center() - QPoint(0, 18), 3);

    drawCaptionList(painter, 342, texts(setupPicture.numbered),
                    QString::fromUtf8(setupPicture.note));
    return picture;
}

QPixmap drawFileNamePicture() {
    LocateFileDialog dialog(QString::fromUtf8(help_picture_texts::missingFile));
    QPixmap picture = blankPicture({500, 600});
    QPainter painter(&picture);
    drawWordmark(painter);
    drawWindow(painter, {6, 50}, dialog);
    const QStringList captions = texts(fileNamePicture.numbered);
    drawCaption(painter, {10, 335, 460, 40}, captions[0], 1);

    // A close-up of the file-name box, with the menu that a right click on it opens.
    const QPixmap fileNameRow = dialog.fileNameRowWithNameHighlighted();
    const QRect row(QPoint(10, 380), fileNameRow.deviceIndependentSize().toSize());
    painter.drawPixmap(row.topLeft(), fileNameRow);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(row.adjusted(-1, -1, 0, 0));
    const LocateFileDialog::Menu menu = LocateFileDialog::editMenu(QStringLiteral("Copy"));
    const QPoint menuAt(row.left() + 110, row.bottom() - 6);
    painter.drawPixmap(menuAt, menu.picture);

    const int captionLeft = menuAt.x() + menu.picture.deviceIndependentSize().width() + 40;
    const QRect caption(captionLeft, menuAt.y() + 34, 466 - captionLeft, 100);
    drawCaption(painter, caption, captions[1], 2);
    const QRect copy = menu.chosenEntry.translated(menuAt);
    drawArrow(painter, QPoint(caption.left() - 6, caption.top() + 10),
              QPoint(copy.right() + 4, copy.center().y()));
    return picture;
}

QPixmap drawFindFilesPicture() {
    Form1Window window;
    const QString folder = QStringLiteral("c:\\poser 5\\runtime\\");
    showThreeMatches(window, QString::fromUtf8(help_picture_texts::missingName),
                     QStringLiteral("(1) %1geometries\\hair\\longhair_red.obj\r\n"
                                    "(2) %1libraries\\hair\\longhair_red.hr2\r\n"
                                    "(3) %1textures\\hair\\longhair_red.jpg\r\n"
                                    "\r\n"
                                    "Choose a number to copy: Paste info to Poser dialog box.")
                         .arg(folder));
    QPixmap picture = blankPicture({500, 500});
    QPainter painter(&picture);
    drawWordmark(painter);
    const QPoint client = drawWindow(painter, {3, 48}, window);

    const QRect lookUp = placed(window.Text2, client);
    const QRect results = placed(window.Text1, client);
    const QRect numbers = placed(window.Command9, client).united(placed(window.Command10, client));
    drawBadge(painter, QPoint(lookUp.right() - 20, lookUp.top() - 12), 1);
    drawCallout(painter, QPoint(results.right() - 50, results.center().y() + 6),
                QPoint(results.left() + 330, results.top() + 24), 2);
    drawCallout(painter, QPoint(numbers.right() + 40, numbers.center().y()),
                QPoint(numbers.right() + 3, numbers.center().y()), 3);

    drawCaptionList(painter, 342, texts(findFilesPicture.numbered),
                    QString::fromUtf8(findFilesPicture.note));
    return picture;
}
