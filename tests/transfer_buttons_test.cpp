#include <QPushButton>
#include <QtTest>

#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "platform/results_box.h"
#include "tests/support/loaded_form.h"
#include "tests/support/message_boxes.h"

const QString cantSend = "Can't send information.";

class TransferButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void eachButtonSendsItsOwnMatch();
    void clearThenASingleMatch();
    void keysPressTheShownNumberButtons_data();
    void keysPressTheShownNumberButtons();
};

// Four drive paths and a fifth that is none: a button that read another's path would send the
// wrong one or refuse; a refused path leaves the clipboard as it was.
void TransferButtonsTest::eachButtonSendsItsOwnMatch() {
    LoadedForm loaded;
    Form1Window& form = loaded.form;
    loaded.prefix.writeFile("ol/oz",
                            "C:\\1\\s.jpg\r\nC:\\2\\s.jpg\r\nC:\\3\\s.jpg\r\nC:\\4\\S.jpg\r\n"
                            "\\\\Server\\s.jpg\r\n");
    setClipboardText("s.jpg");
    MessageBoxAnswerer boxes;
    QTest::mouseClick(form.Text2, Qt::LeftButton);
    QStringList sent;
    for (QPushButton* button :
         {form.Command9, form.Command6, form.Command10, form.Command11, form.Command12}) {
        QTest::mouseClick(button, Qt::LeftButton);
        sent.append(clipboardText());
    }
    QCOMPARE(sent, (QStringList{"c:\\1\\s.jpg", "c:\\2\\s.jpg", "c:\\3\\s.jpg", "c:\\4\\s.jpg",
                                "c:\\4\\s.jpg"}));
    QCOMPARE(boxes.texts(), QStringList{cantSend});
}

// "Clear" empties both boxes but keeps the buttons and their paths; a later look-up with one
// match leaves buttons 2 and 3 showing, with nothing stored for them.
void TransferButtonsTest::clearThenASingleMatch() {
    LoadedForm loaded;
    Form1Window& form = loaded.form;
    loaded.prefix.writeFile("ol/oz",
                            "C:\\A\\s.jpg\r\nC:\\B\\s.jpg\r\nC:\\C\\S.jpg\r\nC:\\D\\e.jpg");
    MessageBoxAnswerer boxes;
    setClipboardText("s.jpg");
    QTest::mouseClick(form.Text2, Qt::LeftButton);
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    QCOMPARE(form.Text1->toPlainText() + form.Text2->text(), QString());
    QTest::mouseClick(form.Command10, Qt::LeftButton);
    QCOMPARE(clipboardText(), QStringLiteral("c:\\c\\s.jpg"));

    setClipboardText("e.jpg");
    QTest::mouseClick(form.Text2, Qt::LeftButton);
    QVERIFY(form.Command6->isVisibleTo(&form) && form.Command10->isVisibleTo(&form));
    QTest::mouseClick(form.Command6, Qt::LeftButton);
    QTest::mouseClick(form.Command10, Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList(2, cantSend));
    QCOMPARE(clipboardText(), QStringLiteral("c:\\d\\e.jpg"));
}

void TransferButtonsTest::keysPressTheShownNumberButtons_data() {
    QTest::addColumn<QString>("keys");  // typed where the focus is, starting in the look-up box
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("focused");
    const auto row = [](const char* name, const char* keys, const char* sent, const char* focused) {
        QTest::newRow(name) << keys << sent << focused;
    };
    row("Enter looks up, 2 sends the second match", "Return, 2", "c:\\2\\s.jpg", "Look-up box");
    row("so does Space, and 3 the third", "Space, 3", "c:\\3\\s.jpg", "Look-up box");
    row("a hidden button's key does nothing", "Return, 4, 1", "c:\\1\\s.jpg", "Look-up box");
    row("Tab moves through the results box on to the buttons", "Return, Tab, Tab, 2",
        "c:\\2\\s.jpg", "1");
}

// Three matches, found and chosen with the keyboard alone; a shown button pressed by its key
// sends its path, a hidden one's key shows no "Can't send information.".
void TransferButtonsTest::keysPressTheShownNumberButtons() {
    QFETCH(QString, keys);
    QFETCH(QString, sent);
    LoadedForm loaded;
    Form1Window& form = loaded.form;
    loaded.prefix.writeFile("ol/oz", "C:\\1\\s.jpg\r\nC:\\2\\s.jpg\r\nC:\\3\\s.jpg\r\n");
    setClipboardText("s.jpg");
    MessageBoxAnswerer boxes;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Text2->setFocus();
    for (const QString& key : keys.split(", ")) {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
    }
    QTRY_COMPARE(clipboardText(), sent);
    QCOMPARE(boxes.texts(), QStringList());
    QTEST(QApplication::focusWidget()->accessibleName(), "focused");
}

QTEST_MAIN(TransferButtonsTest)
#include "transfer_buttons_test.moc"
