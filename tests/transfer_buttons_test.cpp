#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <utility>

#include "app/form1.h"
#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "tests/support/message_boxes.h"
#include "tests/support/test_prefix.h"

const QString cantSend = "Can't send information.";

class TransferButtonsTest : public QObject {
    Q_OBJECT
    TestPrefix prefix;  // one throw-away Wine prefix for every test

private slots:
    void onlyDrivePathsAreSent_data();
    void onlyDrivePathsAreSent();
    void clearThenASingleMatch();
};

void TransferButtonsTest::onlyDrivePathsAreSent_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("c:\\x is a drive path") << QStringLiteral("c:\\x") << QStringList();
    QTest::newRow("c: alone is not") << QStringLiteral("c:") << QStringList(5, cantSend);
    QTest::newRow("\\\\server is not") << QStringLiteral("\\\\server") << QStringList(5, cantSend);
}

// Each of the five buttons, with only its own path stored: a button reading another's path
// would find none and refuse. A refused path leaves the clipboard as it was.
void TransferButtonsTest::onlyDrivePathsAreSent() {
    QFETCH(QString, stored);
    Form1 form;
    MessageBoxAnswerer answerer;
    for (const auto& [hit, button] :
         {std::pair{&form.hit1, form.Command9}, std::pair{&form.hit2, form.Command6},
          std::pair{&form.hit3, form.Command10}, std::pair{&form.hit4, form.Command11},
          std::pair{&form.hit5, form.Command12}}) {
        *hit = stored;
        QTest::mouseClick(button, Qt::LeftButton);
        hit->clear();
    }
    QTEST(answerer.texts(), "boxes");
    QCOMPARE(clipboardText() == stored, answerer.texts().isEmpty());
}

// "Clear" empties both boxes but keeps the buttons and their paths; a later look-up with one
// match leaves buttons 2 and 3 showing, with nothing stored for them.
void TransferButtonsTest::clearThenASingleMatch() {
    prefix.writeFile("ol/oz", "C:\\A\\s.jpg\r\nC:\\B\\s.jpg\r\nC:\\C\\S.jpg\r\nC:\\D\\e.jpg");
    Form1 form;
    form.Form_Load();
    MessageBoxAnswerer boxes;
    setClipboardText("s.jpg");
    QTest::mouseClick(form.Text2, Qt::LeftButton);
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    QCOMPARE(form.Text1->toPlainText() + form.Text2->text(), QString());
    QCOMPARE(form.hit3, QStringLiteral("c:\\c\\s.jpg"));

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
