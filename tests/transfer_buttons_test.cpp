#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/form1.h"
#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "tests/support/message_boxes.h"
#include "tests/support/test_prefix.h"

namespace {

const QString cantSend = QStringLiteral("Can't send information.");

// A window after a look-up with the three matches a, b and c.
struct ThreeMatches {
    ThreeMatches() {
        prefix.writeFile(
            QStringLiteral("ol/oz"),
            "C:\\Poser\\A\\skin.jpg\r\nC:\\Poser\\B\\skin.jpg\r\nC:\\Poser\\C\\Skin.jpg\r\n");
        form.Form_Load();
        form.show();
        lookUp(QStringLiteral("skin.jpg"));
    }
    void lookUp(const QString& name) {
        setClipboardText(name);
        QTest::mouseClick(form.Text2, Qt::LeftButton);
    }
    TestPrefix prefix;
    Form1 form;
    MessageBoxAnswerer boxes;  // a box no one answers would hang the test
};

}  // namespace

class TransferButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void numberButtonsSendTheirMatch();
    void onlyDrivePathsAreSent_data();
    void onlyDrivePathsAreSent();
    void buttonsLeftFromAnEarlierLookUpSendNothing();
    void clearKeepsButtonsAndPaths();
};

void TransferButtonsTest::numberButtonsSendTheirMatch() {
    ThreeMatches window;
    QTest::mouseClick(window.form.Command6, Qt::LeftButton);
    QCOMPARE(clipboardText(), QStringLiteral("c:\\poser\\b\\skin.jpg"));
    QTest::mouseClick(window.form.Command10, Qt::LeftButton);
    QCOMPARE(clipboardText(), QStringLiteral("c:\\poser\\c\\skin.jpg"));
    QTest::mouseClick(window.form.Command9, Qt::LeftButton);
    QCOMPARE(clipboardText(), QStringLiteral("c:\\poser\\a\\skin.jpg"));
    QCOMPARE(window.boxes.texts(), QStringList());
    QCOMPARE(window.form.Text2->text(), QStringLiteral("skin.jpg"));
    QCOMPARE(window.form.Text1->toPlainText().count(u'\n'), 4);
}

void TransferButtonsTest::onlyDrivePathsAreSent_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("sent");
    QTest::newRow("c:\\x is a drive path") << QStringLiteral("c:\\x") << true;
    QTest::newRow("c: alone is not") << QStringLiteral("c:") << false;
    QTest::newRow("a network path is not") << QStringLiteral("\\\\server\\x") << false;
    QTest::newRow("nothing stored") << QString() << false;
}

// Each of the five buttons, with the path stored for it.
void TransferButtonsTest::onlyDrivePathsAreSent() {
    QFETCH(QString, stored);
    QFETCH(bool, sent);
    TestPrefix prefix;
    Form1 form;
    QString* const storedHits[] = {&form.hit1, &form.hit2, &form.hit3, &form.hit4, &form.hit5};
    const QList<QPushButton*> buttons = {form.Command9, form.Command6, form.Command10,
                                         form.Command11, form.Command12};
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        *storedHits[i] = stored;
        setClipboardText(QStringLiteral("copied"));
        MessageBoxAnswerer answerer;
        QTest::mouseClick(buttons[i], Qt::LeftButton);
        QCOMPARE(clipboardText(), sent ? stored : QStringLiteral("copied"));
        QCOMPARE(answerer.texts(), sent ? QStringList() : QStringList{cantSend});
        *storedHits[i] = QString();
    }
}

void TransferButtonsTest::buttonsLeftFromAnEarlierLookUpSendNothing() {
    ThreeMatches window;
    window.prefix.writeFile(QStringLiteral("ol/oz"), "C:\\Poser\\D\\Eye.jpg\r\n");
    window.lookUp(QStringLiteral("eye.jpg"));
    QVERIFY(!window.form.Command9->isVisibleTo(&window.form));
    QVERIFY(window.form.Command6->isVisibleTo(&window.form));
    QVERIFY(window.form.Command10->isVisibleTo(&window.form));
    QTest::mouseClick(window.form.Command6, Qt::LeftButton);
    QTest::mouseClick(window.form.Command10, Qt::LeftButton);
    QCOMPARE(window.boxes.texts(), (QStringList{cantSend, cantSend}));
    QCOMPARE(clipboardText(), QStringLiteral("c:\\poser\\d\\eye.jpg"));
}

void TransferButtonsTest::clearKeepsButtonsAndPaths() {
    ThreeMatches window;
    QTest::mouseClick(window.form.Command3, Qt::LeftButton);
    QCOMPARE(window.form.Text1->toPlainText(), QString());
    QCOMPARE(window.form.Text2->text(), QString());
    QCOMPARE(clipboardText(), QStringLiteral("skin.jpg"));
    QCOMPARE(window.form.hits, 3);
    QVERIFY(window.form.Command10->isVisibleTo(&window.form));
    QTest::mouseClick(window.form.Command10, Qt::LeftButton);
    QCOMPARE(clipboardText(), QStringLiteral("c:\\poser\\c\\skin.jpg"));
}

QTEST_MAIN(TransferButtonsTest)
#include "transfer_buttons_test.moc"
