#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/form1.h"
#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "tests/support/message_boxes.h"
#include "tests/support/test_prefix.h"

namespace {

const QString nl = QStringLiteral("\r\n");
const QString oneMatch = QStringLiteral("#1 already selected:  Paste info to Poser dialog box.");
const QString chooseNumber =
    QStringLiteral("Choose a number to copy: Paste info to Poser dialog box.");
const QString notValid = QStringLiteral("Copy NOT completed: Not a valid path.");

QString noMatchBox(const QString& pasted) {
    return pasted + QStringLiteral(" does not exist:  Was deleted or not installed.") + nl +
           QStringLiteral(
               "If this is a missing file from a newly install model, please update Quobbin "
               "again.");
}

// The numbered lines of the results box, then its closing text after an empty line.
QStringList results(const QStringList& paths, const QString& closing) {
    QStringList lines;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        lines.append(QStringLiteral("(%1) %2").arg(i + 1).arg(paths[i]));
    }
    return lines + QStringList{QString(), closing};
}

QString visibleNumberButtons(const Form1& form) {
    QString visible;
    for (const QPushButton* button :
         {form.Command9, form.Command6, form.Command10, form.Command11, form.Command12}) {
        if (button->isVisibleTo(&form)) {
            visible += button->text();
        }
    }
    return visible;
}

QByteArray indexOf(const QStringList& lines) {
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

const QByteArray figures = indexOf({
    QStringLiteral("C:\\Poser\\Runtime\\Geometries\\Figure.obj"),
    QStringLiteral("C:\\Poser\\Runtime\\Libraries\\Character\\figure.cr2"),
    QStringLiteral("C:\\Poser\\Runtime\\Geometries\\Old\\figure.old.obj"),
    QStringLiteral("C:\\Poser\\Runtime\\Geometries\\figure2.obj"),
    QStringLiteral("C:\\Poser\\Runtime\\Geometries\\figure.obj.bak"),
});

}  // namespace

class MissingFileLookupTest : public QObject {
    Q_OBJECT

private slots:
    void lookUp_data();
    void lookUp();
    void noIndexYet_data();
    void noIndexYet();
    void doubleClickLooksUpOnce();
    void twentyThousandMatchesFillTheBoxOnce();
};

void MissingFileLookupTest::lookUp_data() {
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<bool>("scanning");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("resultsBox");
    QTest::addColumn<QString>("sent");  // the clipboard afterwards
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<QStringList>("boxes");

    const QString figureObj = QStringLiteral("c:\\poser\\runtime\\geometries\\figure.obj");
    QTest::newRow("full name, letter case ignored, sent at once")
        << figures << false << QStringLiteral("Figure.OBJ") << results({figureObj}, oneMatch)
        << figureObj << QString() << QStringList();
    QTest::newRow("base name finds every extension, not figure2")
        << figures << false << QStringLiteral("figure")
        << results(
               {figureObj, QStringLiteral("c:\\poser\\runtime\\libraries\\character\\figure.cr2"),
                QStringLiteral("c:\\poser\\runtime\\geometries\\old\\figure.old.obj"),
                QStringLiteral("c:\\poser\\runtime\\geometries\\figure.obj.bak")},
               chooseNumber)
        << QStringLiteral("figure") << QStringLiteral("1234") << QStringList();
    QTest::newRow("a copied path matches nothing")
        << figures << false << QStringLiteral("c:\\Poser\\Runtime\\Geometries\\Figure.obj")
        << QStringList{QString()} << QStringLiteral("c:\\Poser\\Runtime\\Geometries\\Figure.obj")
        << QString()
        << QStringList{noMatchBox(QStringLiteral("c:\\Poser\\Runtime\\Geometries\\Figure.obj"))};
    QTest::newRow("a trailing blank matches nothing")
        << figures << false << QStringLiteral("Figure.obj ") << QStringList{QString()}
        << QStringLiteral("Figure.obj ") << QString()
        << QStringList{noMatchBox(QStringLiteral("Figure.obj "))};
    QStringList seven;
    for (int i = 1; i <= 7; ++i) {
        seven.append(QStringLiteral("D:\\Content %1\\Runtime\\Textures\\Skin.JPG").arg(i));
    }
    QStringList sevenListed;
    for (const QString& path : seven) {
        sevenListed.append(path.toLower());
    }
    QTest::newRow("seven matches, five buttons")
        << indexOf(seven) << false << QStringLiteral("skin.jpg")
        << results(sevenListed, chooseNumber) << QStringLiteral("skin.jpg")
        << QStringLiteral("12345") << QStringList();
    QTest::newRow("one match that is no drive path is not sent")
        << indexOf({QStringLiteral("\\\\Server\\Poser\\Figure.obj")}) << false
        << QStringLiteral("figure.obj")
        << results({QStringLiteral("\\\\server\\poser\\figure.obj")}, notValid) << QString()
        << QString() << QStringList();
    QTest::newRow("empty clipboard")
        << figures << false << QString() << QStringList{QString()} << QString() << QString()
        << QStringList{noMatchBox(QString())};
    QTest::newRow("empty clipboard finds a name that begins with a dot")
        << indexOf({QStringLiteral("C:\\Poser\\Runtime\\.profile")}) << false << QString()
        << results({QStringLiteral("c:\\poser\\runtime\\.profile")}, oneMatch)
        << QStringLiteral("c:\\poser\\runtime\\.profile") << QString() << QStringList();
    QTest::newRow("empty index") << QByteArray() << false << QStringLiteral("figure.obj")
                                 << QStringList{QString()} << QStringLiteral("figure.obj")
                                 << QString()
                                 << QStringList{noMatchBox(QStringLiteral("figure.obj"))};
    QTest::newRow("É matches é") << indexOf({QStringLiteral("C:\\Poser\\Textures\\ÉTÉ.jpg")})
                                 << false << QStringLiteral("été.JPG")
                                 << results({QStringLiteral("c:\\poser\\textures\\été.jpg")},
                                            oneMatch)
                                 << QStringLiteral("c:\\poser\\textures\\été.jpg") << QString()
                                 << QStringList();
    QTest::newRow("the Kelvin sign lower-cases to an ASCII k")
        << indexOf({QStringLiteral("C:\\Poser\\\u212Aey.obj")}) << false
        << QStringLiteral("key.obj") << results({QStringLiteral("c:\\poser\\key.obj")}, oneMatch)
        << QStringLiteral("c:\\poser\\key.obj") << QString() << QStringList();
    QTest::newRow("base name: an index name without a dot is compared whole")
        << indexOf({QStringLiteral("C:\\Poser\\Runtime\\README"),
                    QStringLiteral("C:\\Poser\\Runtime\\READMEX")})
        << false << QStringLiteral("readme")
        << results({QStringLiteral("c:\\poser\\runtime\\readme")}, oneMatch)
        << QStringLiteral("c:\\poser\\runtime\\readme") << QString() << QStringList();
    QTest::newRow("LF line ends and a last line without one")
        << QByteArray("C:\\A\\x.obj\nC:\\B\\x.obj") << false << QStringLiteral("x.obj")
        << results({QStringLiteral("c:\\a\\x.obj"), QStringLiteral("c:\\b\\x.obj")}, chooseNumber)
        << QStringLiteral("x.obj") << QStringLiteral("12") << QStringList();
    QTest::newRow("a scan's unfinished last line is not used")
        << QByteArray("C:\\A\\x.obj\r\nC:\\B\\x.obj") << true << QStringLiteral("x.obj")
        << results({QStringLiteral("c:\\a\\x.obj")}, oneMatch) << QStringLiteral("c:\\a\\x.obj")
        << QString() << QStringList();
    QTest::newRow("invalid UTF-8 and a line of 1 MB")
        << QByteArray("C:\\\xff\xfe\\x.obj\r\n" + QByteArray(1 << 20, 'a') + "\r\nC:\\B\\x.obj\r\n")
        << false << QStringLiteral("x.obj")
        << results({QStringLiteral("c:\\\uFFFD\uFFFD\\x.obj"), QStringLiteral("c:\\b\\x.obj")},
                   chooseNumber)
        << QStringLiteral("x.obj") << QStringLiteral("12") << QStringList();
    const QString tenMegabytes(10 << 20, u'x');
    QTest::newRow("10 MB of clipboard text")
        << figures << false << tenMegabytes << QStringList{QString()} << tenMegabytes << QString()
        << QStringList{noMatchBox(tenMegabytes.left(32767))};  // all that the look-up box holds
    const QString withBreaks = QStringLiteral("x.obj\r\nc:\\b\\x.obj");
    QTest::newRow("line breaks and NUL in the clipboard")
        << indexOf({QStringLiteral("C:\\B\\x.obj")}) << false << withBreaks + QChar(0)
        << QStringList{QString()} << withBreaks + QChar(0) << QString()
        << QStringList{noMatchBox(withBreaks + QChar(0))};
}

void MissingFileLookupTest::lookUp() {
    QFETCH(QByteArray, index);
    QFETCH(bool, scanning);
    QFETCH(QString, clipboard);
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("ol/oz"), index);
    Form1 form;
    form.Form_Load();
    form.scanning = scanning;
    setClipboardText(clipboard);
    MessageBoxAnswerer answerer;
    form.show();
    QTest::mouseClick(form.Text2, Qt::LeftButton);

    QTEST(form.Text1->toPlainText().split(u'\n'), "resultsBox");
    QTEST(clipboardText(), "sent");
    QTEST(visibleNumberButtons(form), "buttons");
    QTEST(answerer.texts(), "boxes");
    QCOMPARE(form.Text2->text(), answerer.texts().isEmpty() ? clipboard : QString());
}

void MissingFileLookupTest::noIndexYet_data() {
    QTest::addColumn<bool>("folderInItsPlace");
    QTest::newRow("no index file") << false;
    QTest::newRow("a folder in its place") << true;
}

void MissingFileLookupTest::noIndexYet() {
    QFETCH(bool, folderInItsPlace);
    TestPrefix prefix;
    if (folderInItsPlace) {
        prefix.makeFolder(QStringLiteral("ol/oz"));
    }
    Form1 form;
    form.Form_Load();
    setClipboardText(QStringLiteral("Figure.obj"));
    MessageBoxAnswerer answerer;
    form.Text2_Click();

    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("ERROR: \r\n\r\nNo index of your Poser "
                                                          "Files yet!\r\nPlease press \"Update\" "
                                                          "to make one.")});
    QCOMPARE(answerer.seen().first().caption, QStringLiteral("Poser Quobbin"));
    QCOMPARE(clipboardText(), QStringLiteral("Figure.obj"));
    QCOMPARE(form.Text2->text(), QStringLiteral("Figure.obj"));
    QCOMPARE(form.Text1->toPlainText(), QString());
}

// The second look-up of a double click would read the path the first one sent and report it
// missing.
void MissingFileLookupTest::doubleClickLooksUpOnce() {
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("ol/oz"), figures);
    Form1 form;
    form.Form_Load();
    form.show();
    setClipboardText(QStringLiteral("figure.cr2"));
    MessageBoxAnswerer answerer;
    QTest::mouseClick(form.Text2, Qt::LeftButton);
    QTest::mouseDClick(form.Text2, Qt::LeftButton);
    QTest::mouseRelease(form.Text2, Qt::LeftButton);

    QCOMPARE(answerer.texts(), QStringList());
    QCOMPARE(form.Text2->text(), QStringLiteral("figure.cr2"));
    QCOMPARE(clipboardText(),
             QStringLiteral("c:\\poser\\runtime\\libraries\\character\\figure.cr2"));
}

void MissingFileLookupTest::twentyThousandMatchesFillTheBoxOnce() {
    TestPrefix prefix;
    QByteArray index;
    for (int i = 0; i < 20000; ++i) {
        index += "C:\\Poser\\Runtime\\Textures\\Set " + QByteArray::number(i) + "\\Skin.jpg\r\n";
    }
    prefix.writeFile(QStringLiteral("ol/oz"), index);
    Form1 form;
    form.Form_Load();
    setClipboardText(QStringLiteral("skin"));
    form.Text2_Click();

    QCOMPARE(form.hits, 20000);
    QCOMPARE(form.hit5, QStringLiteral("c:\\poser\\runtime\\textures\\set 4\\skin.jpg"));
    const QStringList lines = form.Text1->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 20002);
    QCOMPARE(lines[19999],
             QStringLiteral("(20000) c:\\poser\\runtime\\textures\\set 19999\\skin.jpg"));
}

QTEST_MAIN(MissingFileLookupTest)
#include "missing_file_lookup_test.moc"
