#include <QTest>

#include "platform/letter_case.h"

// The core's lower-case table against Qt's own case mappings, and the table's use on Qt's texts.
class LetterCaseTest : public QObject {
    Q_OBJECT

private slots:
    void lowerCasesAsQtWhereTheUpperCaseLeadsBack();
    void lowerCasesQtTexts_data();
    void lowerCasesQtTexts();
};

// Qt's simple case mappings, kept only where the upper case of the lower case leads back: the
// table made from Unicode's data must agree for every code point that Qt's Unicode version has.
void LetterCaseTest::lowerCasesAsQtWhereTheUpperCaseLeadsBack() {
    int differing = 0;
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        if (QChar::unicodeVersion(code) == QChar::Unicode_Unassigned) {
            continue;
        }
        const char32_t qtLower = QChar::toLower(code);
        // Qt gives no upper case where the full one has two letters ("ᾀ" to "ἈΙ"); Unicode's
        // simple one, which Windows and Wine use, is then the title case.
        const char32_t qtUpper = QChar::toUpper(qtLower) != qtLower ? QChar::toUpper(qtLower)
                                                                    : QChar::toTitleCase(qtLower);
        const char32_t expected = qtUpper == code ? qtLower : code;
        if (lowerCase(code) != expected && differing++ < 5) {
            qWarning("U+%04X lower-cases to U+%04X, not U+%04X", unsigned(code),
                     unsigned(lowerCase(code)), unsigned(expected));
        }
    }
    QCOMPARE(differing, 0);
}

void LetterCaseTest::lowerCasesQtTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lower");
    QTest::newRow("ASCII") << "C:\\Poser\\Figure.OBJ"
                           << "c:\\poser\\figure.obj";
    QTest::newRow("outside the basic plane, as two UTF-16 units") << "\U00010400\u212A"
                                                                  << "\U00010428\u212A";
}

void LetterCaseTest::lowerCasesQtTexts() {
    QFETCH(QString, text);
    QFETCH(QString, lower);
    QCOMPARE(toLowerSimple(text), lower);
    QCOMPARE(toLowerSimpleUtf8(text.toUtf8()), lower.toUtf8());
}

QTEST_GUILESS_MAIN(LetterCaseTest)
#include "letter_case_test.moc"
