#include <QPushButton>
#include <QtTest>

#include "lookup/drive_path_rule.h"
#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "platform/results_box.h"
#include "tests/support/loaded_form.h"
#include "tests/support/message_boxes.h"

const QString cantSend = "Can't send information.";

class TransferButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void onlyDrivePathsAreSent_data();
    void onlyDrivePathsAreSent();
    void eachButtonSendsItsOwnMatch();
    void clearThenASingleMatch();
};

void TransferButtonsTest::onlyDrivePathsAreSent_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("sent");
    QTest::newRow("c:\\x is a drive path") << QStringLiteral("c:\\x") << true;
    QTest::newRow("c: alone is not") << QStringLiteral("c:") << false;
    QTest::newRow("nor c:/") << QStringLiteral("c:/x") << false;
    QTest::newRow("nor \\\\server") << QStringLiteral("\\\\server\\x") << false;
    QTest::newRow("nor nothing") << QString() << false;
}

void TransferButtonsTest::onlyDrivePathsAreSent() {
    QFETCH(QString, path);
    QFETCH(bool, sent);
    QCOMPARE(isDrivePath(path), sent);
}

// Four drive paths and a fifth that is none: a button that read another's path would send the
// wrong one or refuse; a refused path leaves the clipboard as it was.
void TransferButtonsTest::eachButtonSendsItsOwnMatch() {
    LoadedForm loaded;
    Form1& form = loaded.form;
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
    Form1& form = loaded.form;
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

QTEST_MAIN(TransferButtonsTest)
#include "transfer_buttons_test.moc"
