#include <QPushButton>
#include <QtTest>

#include "app/form1_window.h"
#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "platform/results_box.h"
#include "tests/support/loaded_form.h"
#include "tests/support/message_boxes.h"
#include "tests/support/quobbin_process.h"

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
         const QStringList& listed = {}, const QString& closing = {}) {
    QTest::newRow(name) << index << clipboard << listed << closing;
}

}  // namespace

class MissingFileLookupTest : public QObject {
    Q_OBJECT

private slots:
    void lookUp_data();
    void lookUp();
    void indexThatCannotBeRead_data();
    void indexThatCannotBeRead();
};

void MissingFileLookupTest::lookUp_data() {
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("closing");

    row("full name, letter case ignored, sent at once", figures, "Figure.OBJ",
        {"c:\\geo\\figure.obj"}, oneMatch);
    row("base name: every extension and a name without one, not figure2", figures, "figure",
        {"c:\\geo\\figure.obj", "c:\\char\\figure.cr2", "c:\\geo\\old\\figure.old.obj",
         "c:\\geo\\figure.obj.bak", "c:\\doc\\figure"},
        chooseNumber);
    row("a name that ends another name is not it", "C:\\A\\MySkin.jpg\r\nC:\\B\\skin.jpg\r\n",
        "skin.jpg", {"c:\\b\\skin.jpg"}, oneMatch);
    row("a name that begins with a dot is a full name", "C:\\A\\.profile.bak\r\nC:\\A\\.profile",
        ".profile", {"c:\\a\\.profile"}, oneMatch);
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
    // Lower-cased to "k" it would name another file, under Wine as on Windows.
    row("the Kelvin sign stays", QStringLiteral("C:\\\u212AEY.obj").toUtf8(), "\u212Aey.OBJ",
        {"c:\\\u212Aey.obj"}, oneMatch);
    const QByteArray rough = "C:\\\xff\\x.obj\n" + QByteArray(2 << 20, 'a') + "\nC:\\B\\x.obj";
    row("no invalid UTF-8 or 2 MB line; LF ends, a last line without one", rough, "x.obj",
        {"c:\\b\\x.obj"}, oneMatch);
    row("an over-long form of g is no g", "C:\\A\\fi\xC1\xA7ure.obj\r\n", "figure.obj");
    row("a line with a NUL is never sent", QByteArray("C:\\A\0\\x.obj\r\n", 13), "x.obj");
    row("10 MB of clipboard text with a NUL, then a line end", figures,
        QStringLiteral("figure.obj") + QChar(0) + QString(10 << 20, u'x') + "\r\n");
    row("LF ends the name", figures, "Figure.OBJ\n", {"c:\\geo\\figure.obj"}, oneMatch);
    row("a lone CR ends it", figures, "Figure.OBJ\rx", {"c:\\geo\\figure.obj"}, oneMatch);
    row("CR LF ends it: what follows makes no full name", "C:\\A\\fig.cr2", "fig\r\nx.y",
        {"c:\\a\\fig.cr2"}, oneMatch);
}

void MissingFileLookupTest::lookUp() {
    QFETCH(QByteArray, index);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, listed);
    QFETCH(QString, closing);
    LoadedForm loaded;
    Form1Window& form = loaded.form;
    loaded.prefix.writeFile("ol/oz", index);
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
    const QString name = clipboard.section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0);
    const QString noMatch =
        name.left(form.Text2->maxLength()) +
        " does not exist:  Was deleted or not installed.\r\n"
        "If this is a missing file from a newly install model, please update Quobbin again.";
    QCOMPARE(answerer.texts(), listed.isEmpty() ? QStringList{noMatch} : QStringList());
    QCOMPARE(form.Text2->text(), listed.isEmpty() ? QString() : name);

    // The command line prints what the window lists, or only how many; a program's argument
    // cannot be 10 MB long, and an empty one is a usage error.
    if (!name.isEmpty() && name.size() < 100000) {
        const QString printed = listed.isEmpty() ? QString() : listed.join('\n') + '\n';
        QCOMPARE(runQuobbin({"--lookup", name}).out, printed);
        QCOMPARE(runQuobbin({"--lookup", name, "--count"}).out,
                 QString::number(listed.size()) + '\n');
    }
}

void MissingFileLookupTest::indexThatCannotBeRead_data() {
    QTest::addColumn<QString>("oz");
    QTest::addColumn<QString>("what");
    QTest::newRow("before the first Update")
        << "nothing"
        << "No index of your Poser Files yet!\r\nPlease press \"Update\" to make one.";
    const QString unreadable = "Index file could not be read!\r\nc:\\ol\\oz";
    QTest::newRow("a folder") << "folder" << unreadable;
    QTest::newRow("a FIFO: no hang") << "fifo" << unreadable;
}

void MissingFileLookupTest::indexThatCannotBeRead() {
    QFETCH(QString, oz);
    QFETCH(QString, what);
    LoadedForm loaded;
    if (oz == QStringLiteral("folder")) {
        loaded.prefix.makeFolder("ol/oz");
    } else if (oz == QStringLiteral("fifo")) {
        loaded.prefix.makeTree("ol", {"oz|"});
    }
    setClipboardText("Figure.obj");
    MessageBoxAnswerer answerer;
    loaded.form.form1.Text2_Click();
    QCOMPARE(answerer.texts(), QStringList{"ERROR: \r\n\r\n" + what});
    QCOMPARE(clipboardText(), QStringLiteral("Figure.obj"));
    QCOMPARE(loaded.form.Text2->text(), QStringLiteral("Figure.obj"));
    QCOMPARE(loaded.form.Text1->toPlainText(), QString());
}

QTEST_MAIN(MissingFileLookupTest)
#include "missing_file_lookup_test.moc"
