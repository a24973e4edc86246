#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/form1.h"
#include "setup/form2.h"
#include "setup/help_pages.h"
#include "tests/support/test_prefix.h"

namespace {

// The three pages, opened the way a user pages through them.
struct Pages {
    explicit Pages(Form1& form1) : form1(form1) {}

    void pressHelp() { QTest::mouseClick(form1.Command7, Qt::LeftButton); }
    void pressNextOnPage1() { QTest::mouseClick(form1.helpPage1->Command2, Qt::LeftButton); }
    void pressNextOnPage2() { QTest::mouseClick(form1.helpPage2->Command1, Qt::LeftButton); }
    void pageThroughAll() {
        pressHelp();
        pressNextOnPage1();
        pressNextOnPage2();
    }
    QList<HelpPage*> all() const { return {form1.helpPage1, form1.helpPage2, form1.helpPage3}; }

    Form1& form1;
};

void closeBox(QWidget* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT

private slots:
    void pagesShowTheirCaptionsAndPictures_data();
    void pagesShowTheirCaptionsAndPictures();
    void pagingAgainBringsEachPageForward();
    void helpWhileALaterPageIsOpen_data();
    void helpWhileALaterPageIsOpen();
    void closeBoxDestroysAPage_data();
    void closeBoxDestroysAPage();
    void closingTheMainWindowClosesEveryOtherWindow();
};

void HelpPagesTest::pagesShowTheirCaptionsAndPictures_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QSize>("pictureSize");

    QTest::newRow("page 1") << 0 << "Setting Up Poser Quobbin" << QSize(502, 484)
                            << QSize(500, 500);
    QTest::newRow("page 2") << 1 << "How to Use Poser Quobbin - Get The FileName From Poser"
                            << QSize(476, 588) << QSize(500, 600);
    QTest::newRow("page 3") << 2 << "How to Use Poser Quobbin - Using the Quobbin to Get Files"
                            << QSize(500, 495) << QSize(500, 500);
}

void HelpPagesTest::pagesShowTheirCaptionsAndPictures() {
    QFETCH(int, page);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(QSize, pictureSize);
    TestPrefix prefix;
    Form1 form1;
    Pages pages(form1);
    pages.pageThroughAll();
    const HelpPage* shown = pages.all().at(page);
    QCOMPARE(shown->windowTitle(), caption);
    QCOMPARE(shown->size(), clientSize);
    QCOMPARE(shown->minimumSize(), shown->maximumSize());
    QCOMPARE(shown->picture().deviceIndependentSize().toSize(), pictureSize);
    QCOMPARE(shown->parentWidget(), &form1);
}

void HelpPagesTest::pagingAgainBringsEachPageForward() {
    TestPrefix prefix;
    Form1 form1;
    Pages pages(form1);
    pages.pageThroughAll();
    const QList<HelpPage*> first = pages.all();
    QVERIFY(form1.helpPage1->isHidden());
    QVERIFY(form1.helpPage2->isHidden());
    QVERIFY(form1.helpPage3->isVisible());

    pages.pressHelp();
    QVERIFY(form1.helpPage1->isVisible());
    QVERIFY(form1.helpPage3->isVisible());
    pages.pressNextOnPage1();
    pages.pressNextOnPage2();
    QCOMPARE(pages.all(), first);
    QCOMPARE(form1.findChildren<HelpPage*>().size(), 3);
    QVERIFY(form1.helpPage1->isHidden());
    QVERIFY(form1.helpPage2->isHidden());
    QVERIFY(form1.helpPage3->isVisible());
}

void HelpPagesTest::helpWhileALaterPageIsOpen_data() {
    QTest::addColumn<int>("nextPresses");

    QTest::newRow("page 2 open") << 1;
    QTest::newRow("page 3 open") << 2;
}

void HelpPagesTest::helpWhileALaterPageIsOpen() {
    QFETCH(int, nextPresses);
    TestPrefix prefix;
    Form1 form1;
    Pages pages(form1);
    pages.pressHelp();
    pages.pressNextOnPage1();
    if (nextPresses == 2) {
        pages.pressNextOnPage2();
    }
    HelpPage* open = pages.all().at(nextPresses);

    pages.pressHelp();
    QVERIFY(form1.helpPage1->isVisible());
    QVERIFY(open->isVisible());
    QVERIFY(form1.isEnabled());
}

void HelpPagesTest::closeBoxDestroysAPage_data() {
    QTest::addColumn<int>("page");

    QTest::newRow("page 1") << 0;
    QTest::newRow("page 2") << 1;
    QTest::newRow("page 3") << 2;
}

void HelpPagesTest::closeBoxDestroysAPage() {
    QFETCH(int, page);
    TestPrefix prefix;
    Form1 form1;
    Pages pages(form1);
    pages.pageThroughAll();
    QPointer<HelpPage> closed = pages.all().at(page);
    closed->show();  // a hidden page's close box is out of reach
    closeBox(closed);
    QVERIFY(closed.isNull());
    QCOMPARE(form1.findChildren<HelpPage*>().size(), 2);

    pages.pageThroughAll();
    QCOMPARE(form1.findChildren<HelpPage*>().size(), 3);
    QVERIFY(form1.helpPage3->isVisible());
}

void HelpPagesTest::closingTheMainWindowClosesEveryOtherWindow() {
    TestPrefix prefix;
    Form1 form1;
    QVERIFY(form1.Form_Load());
    form1.show();
    Pages pages(form1);
    pages.pageThroughAll();
    QTest::mouseClick(form1.Command4, Qt::LeftButton);
    const QList<QPointer<QWidget>> others{form1.helpPage1.data(), form1.helpPage2.data(),
                                          form1.helpPage3.data(), form1.findChild<Form2*>()};

    closeBox(&form1);
    for (const QPointer<QWidget>& other : others) {
        QVERIFY(other.isNull());
    }
}

QTEST_MAIN(HelpPagesTest)
#include "help_pages_test.moc"
