// Number texts with decimal comma, and the byte-wise order of texts.
#include "testsupport.h"

#include "app/codepage.h"
#include "app/errors.h"
#include "app/numbertext.h"

#include <QTest>

using namespace app;

class NumberTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsDecimalComma_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("price") << "818,95" << 818.95;
        QTest::newRow("whole") << "629" << 629.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("two-decimal zero") << "0,00" << 0.0;
        QTest::newRow("blanks around") << "  12,5 " << 12.5;
        QTest::newRow("negative") << "-3,25" << -3.25;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("comma first") << ",5" << 0.5;
        QTest::newRow("exponent") << "1,5E3" << 1500.0;
        QTest::newRow("negative exponent") << "25e-1" << 2.5;
    }
    void readsDecimalComma()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(double(toNumber(text)), value);
    }

    void rejectsWhatIsNoNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("quoted");  // as the message quotes it
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blank") << " " << " ";
        QTest::newRow("decimal point") << "12.50" << "12.50";
        QTest::newRow("letters") << "abc" << "abc";
        QTest::newRow("trailing unit") << "12,50 €" << "12,50 €";
        QTest::newRow("two commas") << "1,2,3" << "1,2,3";
        QTest::newRow("lone sign") << "-" << "-";
        QTest::newRow("sign in middle") << "1-2" << "1-2";
        QTest::newRow("exponent without digits") << "1E" << "1E";
        QTest::newRow("thousands separator") << "1.834,45" << "1.834,45";
        QTest::newRow("beyond extended precision") << "1E5000" << "1E5000";
        QTest::newRow("sixty characters quoted whole") << QString(59, u'1') + u'x' << "11111111111111111111111111111111111111111111111111111111111x";
        // A pasted page is quoted by its first 60 characters only.
        QTest::newRow("16,000 characters") << QString(16000, u'9') + u'x' << "999999999999999999999999999999999999999999999999999999999999…";
        QTest::newRow("61 characters") << QString(61, u'x') << "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…";
    }
    void rejectsWhatIsNoNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, quoted);
        QVERIFY(!readNumber(text));
        try {
            toNumber(text);
            QFAIL("no error raised");
        } catch (const Error &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(quoted));
        }
    }

    // No field is ever written "inf" or "nan".
    void overflowIsNoText()
    {
        const Number huge = toNumber(QStringLiteral("1E4930"));
        for (Number value : {huge * huge, -huge * huge, huge * huge - huge * huge}) {
            QVERIFY_THROWS_EXCEPTION(Error, generalText(value));
            QVERIFY_THROWS_EXCEPTION(Error, fixed2Text(value));
            QVERIFY_THROWS_EXCEPTION(Error, numberText(value, 4, 2));
        }
    }

    void writesGeneralText_data()
    {
        QTest::addColumn<QString>("sum");  // texts added in extended precision
        QTest::addColumn<QString>("general");
        QTest::newRow("whole number") << "629" << "629";
        QTest::newRow("one decimal") << "61,9" << "61,9";
        QTest::newRow("sum of prices") << "1599,50+234,95" << "1834,45";
        QTest::newRow("twelve and a half") << "12,5" << "12,5";
        QTest::newRow("zero") << "0,00" << "0";
        QTest::newRow("negative") << "0-2,5" << "-2,5";
        QTest::newRow("binary fraction noise") << "0,1+0,2" << "0,3";
        QTest::newRow("many prices") << "729,00+89,95+629,00+1298,90" << "2746,85";
        QTest::newRow("small fixed") << "0,0001" << "0,0001";
        QTest::newRow("small scientific") << "0,00001" << "1E-5";
        QTest::newRow("fifteen digits") << "123456789012345" << "123456789012345";
        QTest::newRow("large scientific") << "1E20" << "1E20";
        QTest::newRow("rounded to 15 digits") << "1,23456789012345678" << "1,23456789012346";
    }
    void writesGeneralText()
    {
        QFETCH(QString, sum);
        QFETCH(QString, general);
        QCOMPARE(generalText(add(sum)), general);
    }

    void writesTwoDecimals_data()
    {
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("whole") << "629" << "629,00";
        QTest::newRow("zero") << "0" << "0,00";
        QTest::newRow("pool total") << "729,00+89,95" << "818,95";
        QTest::newRow("pool with stones") << "729,00+89,95+629,00+0,00" << "1447,95";
        QTest::newRow("one decimal") << "12,5" << "12,50";
        QTest::newRow("half rounds up") << "0,125" << "0,13";
        QTest::newRow("half of a cent in decimal digits") << "1,005" << "1,01";
        QTest::newRow("below half") << "2,674999" << "2,67";
        QTest::newRow("carry into whole") << "9,999" << "10,00";
        QTest::newRow("negative half away from zero") << "0-0,125" << "-0,13";
        QTest::newRow("tiny negative is zero") << "0-0,001" << "0,00";
        QTest::newRow("small") << "0,005" << "0,01";
        QTest::newRow("sum of binary fractions") << "0,1+0,2" << "0,30";
        QTest::newRow("large") << "1234567,891" << "1234567,89";
    }
    void writesTwoDecimals()
    {
        QFETCH(QString, sum);
        QFETCH(QString, fixed);
        QCOMPARE(fixed2Text(add(sum)), fixed);
    }

    void twoDecimalTextReadsBack()
    {
        // A price field writes back what it reads: the text is stable.
        for (const char *t : {"0,00", "818,95", "1447,95", "3257,00"})
            QCOMPARE(fixed2Text(toNumber(QString::fromLatin1(t))), QString::fromLatin1(t));
    }

    void writesTheDisplayFormat_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");  // 4 significant digits, 2 decimals
        QTest::newRow("water surface") << 19.6349540875 << "19,63";
        QTest::newRow("fourth digit rounds, zeros follow") << 114.33 << "114,30";
        QTest::newRow("half away from zero") << 12.125 << "12,13";
        QTest::newRow("small") << 0.5 << "0,50";
        QTest::newRow("below a cent") << 0.001 << "0,00";
        QTest::newRow("zero") << 0.0 << "0,00";
        QTest::newRow("thousands point") << 1200.0 << "1.200,00";
        QTest::newRow("rounded above 1000") << 1234.5 << "1.235,00";
        QTest::newRow("rounding carries a digit") << 9999.6 << "10.000,00";
        QTest::newRow("millions") << 2345678.0 << "2.346.000,00";
        QTest::newRow("negative") << -3.14159 << "-3,14";
    }
    void writesTheDisplayFormat()
    {
        QFETCH(double, value);
        QFETCH(QString, shown);
        QCOMPARE(numberText(Number(value), 4, 2), shown);
    }

    void displayFormatWithAThousandsPointIsNoNumberText()
    {
        QVERIFY_THROWS_EXCEPTION(Error, toNumber(numberText(1200, 4, 2)));
    }

    void comparesTextsByteWise_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("price after zero") << "1658,90" << "0,00" << 1;
        QTest::newRow("zero before two-decimal zero") << "0" << "0,00" << -1;
        QTest::newRow("empty first") << "" << "0,00" << -1;
        QTest::newRow("equal") << "0,00" << "0,00" << 0;
        QTest::newRow("texts, not numbers") << "9" << "10" << 1;
        QTest::newRow("upper before lower") << "Z" << "a" << -1;
        QTest::newRow("umlaut after ASCII") << "\u00e4" << "z" << 1;
        QTest::newRow("euro sign 0x80 before umlaut") << "\u20ac" << "\u00e4" << -1;
    }
    void comparesTextsByteWise()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        const int c = compareTexts(a, b);
        QCOMPARE((c > 0) - (c < 0), order);
        QCOMPARE(sortsAfter(a, b), order > 0);
    }

    void codePageRoundTrip()
    {
        const QString text = QStringLiteral("Größe: 12,50 € – „Ä“");
        bool lossy = true;
        const QByteArray bytes = toCodePage(text, &lossy);
        QVERIFY(!lossy);
        QCOMPARE(bytes.size(), text.size());
        QCOMPARE(uchar(bytes.at(text.indexOf(u'€'))), uchar(0x80));
        QCOMPARE(fromCodePage(bytes), text);
    }

    void codePageMarksWhatItCannotHold()
    {
        bool lossy = false;
        QCOMPARE(toCodePage(QStringLiteral("a\u0142b\U0001F600c"), &lossy), QByteArray("a?b?c"));
        QVERIFY(lossy);
    }

private:
    // Adds (and subtracts) decimal-comma texts left to right, as the pages do.
    static Number add(const QString &expression)
    {
        Number sum = 0;
        int sign = 1;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= expression.size(); ++i) {
            if (i == expression.size() || expression.at(i) == u'+' || (expression.at(i) == u'-' && i > 0 && expression.at(i - 1) != u'E')) {
                sum += sign * toNumber(expression.mid(start, i - start));
                if (i < expression.size())
                    sign = expression.at(i) == u'-' ? -1 : 1;
                start = i + 1;
            }
        }
        return sum;
    }
};

NIXARO_TEST_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
