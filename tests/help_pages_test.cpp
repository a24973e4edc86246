#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/form1.h"
#include "setup/form2.h"
#include "setup/help_pages.h"
#include "tests/support/test_prefix.h"

namespace {

// "?", then "Next >" on page 1 and on page 2.
void pageThroughAll(Form1& form1) {
    QTest::mouseClick(form1.Command7, Qt::LeftButton);
    QTest::mouseClick(form1.helpPage1->Command2, Qt::LeftButton);
    QTest::mouseClick(form1.helpPage2->Command1, Qt::LeftButton);
}

QList<QPointer<HelpPage>> pages(const Form1& form1) {
    return {form1.helpPage1.data(), form1.helpPage2.data(), form1.helpPage3.data()};
}

void closeBox(QWidget* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT

private slots:
    // Paging through a second time brings the open pages forward instead of making new ones;
    // a page destroyed by its close box in between is made afresh.
    void pagingTwice_data() {
        QTest::addColumn<int>("closed");
        QTest::newRow("nothing closed in between") << -1;
        QTest::newRow("page 1 closed in between") << 0;
        QTest::newRow("page 2 closed in between") << 1;
        QTest::newRow("page 3 closed in between") << 2;
    }

    void pagingTwice() {
        QFETCH(int, closed);
        TestPrefix prefix;
        Form1 form1;
        pageThroughAll(form1);
        const QList<QPointer<HelpPage>> first = pages(form1);
        if (closed >= 0) {
            first.at(closed)->show();  // a hidden page's close box is out of reach
            closeBox(first.at(closed));
            QVERIFY(first.at(closed).isNull());
        }

        pageThroughAll(form1);
        for (int page = 0; page < 3; ++page) {
            const HelpPage* shown = pages(form1).at(page);
            QCOMPARE(shown == first.at(page), page != closed);
            QCOMPARE(shown->isVisible(), page == 2);
            QVERIFY(!shown->picture().isNull());
        }
        QCOMPARE(form1.findChildren<HelpPage*>().size(), 3);
    }

    void closingTheMainWindowClosesEveryOtherWindow() {
        TestPrefix prefix;
        Form1 form1;
        QVERIFY(form1.Form_Load());
        form1.show();
        pageThroughAll(form1);
        QTest::mouseClick(form1.Command4, Qt::LeftButton);
        QList<QPointer<QWidget>> others{form1.findChild<Form2*>()};
        for (HelpPage* page : pages(form1)) {
            others.append(page);
        }

        closeBox(&form1);
        for (const QPointer<QWidget>& other : others) {
            QVERIFY(other.isNull());
        }
    }
};

QTEST_MAIN(HelpPagesTest)
#include "help_pages_test.moc"
