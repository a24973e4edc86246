#include "setup/scene_check_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/window_rules.h"

namespace {

constexpr int missingRole = Qt::UserRole;        // the missing file's number
constexpr int candidateRole = Qt::UserRole + 1;  // the candidate's number; -1 on a missing file

}  // namespace

SceneCheckWindow::SceneCheckWindow(const Form1& form1, const QString& hostPath, QWidget* owner)
    : QWidget(owner, Qt::Window), form(form1, *this, hostPath.toStdString()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(sansFont(8.25));
    resize(twipsRect(0, 0, 9000, 5000).size());
    Label1 = new QLabel(this);
    List1 = new QTreeWidget(this);
    List1->setHeaderHidden(true);
    List1->setAccessibleName(QStringLiteral("Missing files"));
    List1->setAccessibleDescription(QStringLiteral(
        "Each missing file with the files of its name beneath it: Enter or a double click on "
        "one puts its path on the clipboard"));
    Command1 = new QPushButton(this);
    Command1->setAccessibleDescription(QStringLiteral(
        "Saves a copy of the file beside it whose missing files name the first file listed"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(List1);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    drawing.caption(form.Caption, this);
    drawing.label(form.Label1, Label1);
    drawing.button(form.Command1, Command1);
    fillList();
    connect(List1, &QTreeWidget::itemActivated, this, &SceneCheckWindow::choose);
    connect(Command1, &QPushButton::clicked, this, [this] { form.Command1_Click(); });
}

void SceneCheckWindow::fillList() {
    for (std::size_t i = 0; i < form.missing().size(); ++i) {
        const SceneCheckForm::Missing& missing = form.missing()[i];
        auto* file = new QTreeWidgetItem(List1, {QString::fromStdString(missing.reference)});
        file->setData(0, missingRole, qulonglong(i));
        file->setData(0, candidateRole, -1);
        for (std::size_t n = 0; n < missing.candidates.size(); ++n) {
            auto* candidate =
                new QTreeWidgetItem(file, {QStringLiteral("(%1) ").arg(n + 1) +
                                           QString::fromStdString(missing.candidates[n])});
            candidate->setData(0, missingRole, qulonglong(i));
            candidate->setData(0, candidateRole, int(n));
        }
        if (missing.candidates.empty()) {
            new QTreeWidgetItem(file, {QStringLiteral("(none)")});
        }
    }
    List1->expandAll();
}

void SceneCheckWindow::choose(QTreeWidgetItem* item) {
    const QVariant candidate = item->data(0, candidateRole);
    if (candidate.isValid() && candidate.toInt() >= 0) {
        form.Candidate_Click(item->data(0, missingRole).toULongLong(),
                             std::size_t(candidate.toInt()));
    }
}

int SceneCheckWindow::MsgBox(const std::string& text, MsgBoxButtons buttons) {
    return showMessageBox(this, text, buttons);
}

void SceneCheckWindow::clearClipboard() {
    ::clearClipboard();
}

void SceneCheckWindow::setClipboardText(const std::string& text) {
    ::setClipboardText(QString::fromStdString(text));
}
