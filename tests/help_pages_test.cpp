#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "app/form1_window.h"
#include "setup/form2.h"
#include "setup/help_pages.h"
#include "tests/support/test_prefix.h"

namespace {

// "?", then "Next >" on page 1 and on page 2.
void pageThroughAll(Form1Window& form1) {
    QTest::mouseClick(form1.Command7, Qt::LeftButton);
    QTest::mouseClick(form1.helpPages.helpPage1->Command2, Qt::LeftButton);
    QTest::mouseClick(form1.helpPages.helpPage2->Command1, Qt::LeftButton);
}

QList<QPointer<HelpPage>> pages(const Form1Window& form1) {
    return {form1.helpPages.helpPage1.data(), form1.helpPages.helpPage2.data(),
            form1.helpPages.helpPage3.data()};
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
        Form1Window form1;
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
        Form1Window form1;
        QVERIFY(form1.Form_Load());
        form1.show();
        pageThroughAll(form1);
        QTest::mouseClick(form1.Command4, Qt::LeftButton);
        QList<QPointer<QWidget>> others{form1.findChild<Form2Window*>()};
        for (HelpPage* page : pages(form1)) {
            others.append(page);
        }

        closeBox(&form1);
        for (const QPointer<QWidget>& other : others) {
            QVERIFY(other.isNull());
        }
    }

    // Escape hides the dialog, as "Cancel" does, and a help page, as "Next >" does; each is
    // kept, to be shown again as it was. Assistive technology can name and tell the use of
    // every control of these windows and of the main window, and read each help picture.
    void escapeHidesAndEveryControlIsDescribed() {
        TestPrefix prefix;
        Form1Window form1;
        QTest::mouseClick(form1.Command4, Qt::LeftButton);
        pageThroughAll(form1);
        QTest::mouseClick(form1.Command7, Qt::LeftButton);
        const QList<QPointer<QWidget>> windows{
            &form1, form1.findChild<Form2Window*>(), form1.helpPages.helpPage1.data(),
            form1.helpPages.helpPage2.data(), form1.helpPages.helpPage3.data()};
        for (QWidget* window : windows) {
            for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
                const QString said =
                    read->text(QAccessible::Name) + " / " + read->text(QAccessible::Description);
                QVERIFY2(control->isWindow() || (!said.startsWith(" /") && !said.endsWith("/ ")),
                         qPrintable(window->windowTitle() + ": " + said));
            }
            if (window != &form1 && window->isVisible()) {
                QTest::keyClick(window->focusWidget() ? window->focusWidget() : window,
                                Qt::Key_Escape);
                QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle()));
            }
        }
    }

    // Page 3 tells how many files the number buttons can choose: as many as the window has.
    void page3CountsTheNumberButtonsOfTheWindow() {
        TestPrefix prefix;
        Form1Window form1;
        pageThroughAll(form1);
        const QString text = form1.helpPages.helpPage3->Picture->accessibleDescription();
        const auto buttons = form1.findChildren<QPushButton*>();
        const auto count = std::count_if(buttons.begin(), buttons.end(),
                                         [](auto* button) { return button->text().toInt() > 0; });
        const QStringList words{"no", "one", "two", "three", "four", "five", "six", "seven"};
        QVERIFY2(text.contains(QString("with 1 to %1,").arg(count)), qPrintable(text));
        QVERIFY2(text.contains("At most " + words.value(count) + " files"), qPrintable(text));
    }
};

QTEST_MAIN(HelpPagesTest)
#include "help_pages_test.moc"
