#include <QTest>

#include "platform/letter_case.h"

class LetterCaseTest : public QObject {
    Q_OBJECT

private slots:
    void lowerCasesOneToOne_data();
    void lowerCasesOneToOne();
    void comparesLowerCased_data();
    void comparesLowerCased();
    void ordersNames_data();
    void ordersNames();
};

void LetterCaseTest::lowerCasesOneToOne_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lower");

    QTest::newRow("ASCII") << "C:\\Poser\\Figure.OBJ"
                           << "c:\\poser\\figure.obj";
    QTest::newRow("accented") << "\u00C9T\u00C9.jpg"
                              << "\u00E9t\u00E9.jpg";
    QTest::newRow("dotted capital I never grows to two code points") << "\u0130zmir"
                                                                     << "\u0130zmir";
    QTest::newRow("Greek and CJK") << "\u03A3\u6F22"
                                   << "\u03C3\u6F22";
    QTest::newRow("outside the basic plane") << "\U00010400x"
                                             << "\U00010428x";
}

void LetterCaseTest::lowerCasesOneToOne() {
    QFETCH(QString, text);
    QFETCH(QString, lower);
    QCOMPARE(toLowerSimple(text), lower);
    QCOMPARE(toLowerSimpleUtf8(text.toUtf8()), lower.toUtf8());
    QVERIFY(lowersTo(text.toUtf8(), lower.toUtf8()));
}

void LetterCaseTest::comparesLowerCased_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("lowered");
    QTest::addColumn<bool>("equal");

    QTest::newRow("letter case ignored")
        << QByteArray("Skin.JPG") << QByteArray("skin.jpg") << true;
    QTest::newRow("a longer name is another")
        << QByteArray("Skin.jpg2") << QByteArray("skin.jpg") << false;
    QTest::newRow("four-byte letters")
        << QByteArray("\xF0\x90\x90\x80.obj") << QByteArray("\xF0\x90\x90\xA8.obj") << true;
    QTest::newRow("four-byte letters that differ")
        << QByteArray("\xF0\x90\x90\x81.obj") << QByteArray("\xF0\x90\x90\xA8.obj") << false;
    QTest::newRow("over-long form of g")
        << QByteArray("fi\xC1\xA7ure.obj") << QByteArray("figure.obj") << false;
    QTest::newRow("encoded surrogate")
        << QByteArray("\xED\xA0\x80") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("cut sequence") << QByteArray("a\xC3") << QByteArray("a\xC3") << false;
    QTest::newRow("a lead byte no sequence has")
        << QByteArray("\xF8\x90\x90\x80") << QByteArray("\xF0\x90\x90\xA8") << false;
}

void LetterCaseTest::comparesLowerCased() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, lowered);
    QFETCH(bool, equal);
    QCOMPARE(lowersTo(text, lowered), equal);
    QCOMPARE(isValidUtf8(text), equal || QString::fromUtf8(text).toUtf8() == text);
}

void LetterCaseTest::ordersNames_data() {
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::newRow("letter case ignored") << QByteArray("apple") << QByteArray("Banana");
    QTest::newRow("a name before the names it begins") << QByteArray("Skin") << QByteArray("skin2");
    QTest::newRow("same letters: by bytes") << QByteArray("Skin") << QByteArray("skin");
    QTest::newRow("four-byte letters by code point")
        << QByteArray("\xEF\xBD\x81") << QByteArray("\xF0\x90\x90\x80");
}

void LetterCaseTest::ordersNames() {
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QCOMPARE(compareFolded(first, second), -1);
    QCOMPARE(compareFolded(second, first), 1);
    QCOMPARE(compareFolded(first, first), 0);
}

QTEST_GUILESS_MAIN(LetterCaseTest)
#include "letter_case_test.moc"
