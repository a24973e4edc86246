#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/form1.h"
#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "tests/support/message_boxes.h"
#include "tests/support/test_prefix.h"

namespace {

const QString oneMatch = "#1 already selected:  Paste info to Poser dialog box.";
const QString chooseNumber = "Choose a number to copy: Paste info to Poser dialog box.";
const QString notValid = "Copy NOT completed: Not a valid path.";

const QByteArray figures =
    "C:\\Geo\\Figure.obj\r\nC:\\Char\\figure.cr2\r\nC:\\Geo\\Old\\figure.old.obj\r\n"
    "C:\\Geo\\figure2.obj\r\nC:\\Geo\\figure.obj.bak\r\nC:\\Doc\\FIGURE\r\n";

// The look-up of `clipboard` lists `listed`, numbered, then `closing`; nothing listed means the
// no-match box.
void row(const char* name, const QByteArray& index, const QString& clipboard,
         const QStringList& listed = {}, const QString& closing = {}, bool scanning = false) {
    QTest::newRow(name) << index << clipboard << listed << closing << scanning;
}

}  // namespace

class MissingFileLookupTest : public QObject {
    Q_OBJECT

private slots:
    void lookUp_data();
    void lookUp();
    void noIndexYet();
};

void MissingFileLookupTest::lookUp_data() {
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("closing");
    QTest::addColumn<bool>("scanning");

    row("full name, letter case ignored, sent at once", figures, "Figure.OBJ",
        {"c:\\geo\\figure.obj"}, oneMatch);
    row("base name: every extension and a name without one, not figure2", figures, "figure",
        {"c:\\geo\\figure.obj", "c:\\char\\figure.cr2", "c:\\geo\\old\\figure.old.obj",
         "c:\\geo\\figure.obj.bak", "c:\\doc\\figure"},
        chooseNumber);
    row("a copied path matches nothing", figures, "c:\\Geo\\Figure.obj");
    row("a trailing blank matches nothing", figures, "Figure.obj ");
    row("empty clipboard", figures, QString());
    row("empty index", QByteArray(), "figure.obj");
    QByteArray seven;
    QStringList sevenListed;
    for (int i = 1; i <= 7; ++i) {
        seven += "D:\\Set " + QByteArray::number(i) + "\\Skin.JPG\r\n";
        sevenListed += QStringLiteral("d:\\set %1\\skin.jpg").arg(i);
    }
    row("seven matches, five buttons", seven, "skin.jpg", sevenListed, chooseNumber);
    row("one match that is no drive path is not sent", "\\\\Server\\Figure.obj\r\n", "figure.obj",
        {"\\\\server\\figure.obj"}, notValid);
    row("É matches é", QStringLiteral("C:\\Tex\\ÉTÉ.jpg").toUtf8(), "été.JPG", {"c:\\tex\\été.jpg"},
        oneMatch);
    row("the Kelvin sign lowers to an ASCII k", QStringLiteral("C:\\\u212Aey.obj").toUtf8(),
        "key.obj", {"c:\\key.obj"}, oneMatch);
    const QByteArray rough = "C:\\\xff\\x.obj\n" + QByteArray(1 << 20, 'a') + "\nC:\\B\\x.obj";
    row("invalid UTF-8, a 1 MB line, LF ends, a last line without one", rough, "x.obj",
        {"c:\\\uFFFD\\x.obj", "c:\\b\\x.obj"}, chooseNumber);
    row("during a scan, a last line without its end is not used", rough, "x.obj",
        {"c:\\\uFFFD\\x.obj"}, oneMatch, true);
    row("10 MB of clipboard text with a line break and a NUL", figures,
        QStringLiteral("figure.obj\r\n") + QChar(0) + QString(10 << 20, u'x'));
}

void MissingFileLookupTest::lookUp() {
    QFETCH(QByteArray, index);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, listed);
    QFETCH(QString, closing);
    QFETCH(bool, scanning);
    TestPrefix prefix;
    prefix.writeFile("ol/oz", index);
    Form1 form;
    form.Form_Load();
    form.scanning = scanning;
    setClipboardText(clipboard);
    MessageBoxAnswerer answerer;
    form.show();
    // A double click, given by habit, looks up once: a second look-up would read the path just
    // sent and report it missing.
    QTest::mouseClick(form.Text2, Qt::LeftButton);
    QTest::mouseDClick(form.Text2, Qt::LeftButton);
    QTest::mouseRelease(form.Text2, Qt::LeftButton);

    QString results;
    for (qsizetype i = 0; i < listed.size(); ++i) {
        results += QStringLiteral("(%1) %2\n").arg(i + 1).arg(listed[i]);
    }
    QCOMPARE(form.Text1->toPlainText(), listed.isEmpty() ? QString() : results + '\n' + closing);
    QCOMPARE(clipboardText(), closing == oneMatch   ? listed.first()
                              : closing == notValid ? QString()
                                                    : clipboard);
    QString buttons;
    for (const QPushButton* button :
         {form.Command9, form.Command6, form.Command10, form.Command11, form.Command12}) {
        buttons += button->isVisibleTo(&form) ? button->text() : QString();
    }
    QCOMPARE(buttons, listed.size() > 1 ? QStringLiteral("12345").left(listed.size()) : QString());
    const QString noMatch =
        clipboard.left(form.Text2->maxLength()) +
        " does not exist:  Was deleted or not installed.\r\n"
        "If this is a missing file from a newly install model, please update Quobbin again.";
    QCOMPARE(answerer.texts(), listed.isEmpty() ? QStringList{noMatch} : QStringList());
    QCOMPARE(form.Text2->text(), listed.isEmpty() ? QString() : clipboard);
}

// Before the first Update; a folder at the index's place is no index either.
void MissingFileLookupTest::noIndexYet() {
    TestPrefix prefix;
    Form1 form;
    form.Form_Load();
    setClipboardText("Figure.obj");
    MessageBoxAnswerer answerer;
    form.Text2_Click();
    prefix.makeFolder("ol/oz");
    form.Text2_Click();

    const QString noIndex =
        "ERROR: \r\n\r\nNo index of your Poser Files yet!\r\nPlease press \"Update\" to make one.";
    QCOMPARE(answerer.texts(), QStringList({noIndex, noIndex}));
    QCOMPARE(answerer.seen().first().caption, QStringLiteral("Poser Quobbin"));
    QCOMPARE(clipboardText(), QStringLiteral("Figure.obj"));
    QCOMPARE(form.Text2->text(), QStringLiteral("Figure.obj"));
    QCOMPARE(form.Text1->toPlainText(), QString());
}

QTEST_MAIN(MissingFileLookupTest)
#include "missing_file_lookup_test.moc"
