// The solar absorber sizing page: surface, volume and absorber share of the four pool
// shapes, when it computes by itself, the restored empty field, the shape boxes, and the
// pool of the walk in one line.
#include "testsupport.h"

#include "app/daten.h"
#include "app/mainmenu.h"

#include <QAction>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace app;
using namespace testing;

namespace {

const PageId sizing = PageId::Tsber;

QLineEdit *edit(const char *name)
{
    return control<QLineEdit>(sizing, name);
}

QString text(const char *name)
{
    return edit(name)->text();
}

// A click on the indicator of a check box or radio button.
void press(const char *name)
{
    QWidget *box = control(sizing, name);
    QVERIFY2(box->isVisible(), name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// The user replaces a measure key by key.
void type(const char *name, const QString &value)
{
    QLineEdit *field = edit(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, value);
}

void empty(const char *name)
{
    QLineEdit *field = edit(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
}

void pickCount(const QString &row)
{
    auto *combo = control<QComboBox>(sizing, "anzdd");
    const int index = combo->findText(row);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

QStringList results()
{
    return {text("f"), text("v"), text("bof"), text("ab")};
}

bool checked(const char *name)
{
    return control<QAbstractButton>(sizing, name)->isChecked();
}

} // namespace

class SolarSizingTest : public QObject
{
    Q_OBJECT

    FreshProgram program;
    FakeDialogs *user = nullptr;

private Q_SLOTS:
    void init()
    {
        user = &program.start();
        goTo(sizing);
    }
    void cleanup()
    {
        QCOMPARE(user->errors, QStringList());
        program.end();
    }

    void startsAsTheFormSays()
    {
        for (const char *field : {"b", "l", "h", "v", "f", "bof", "ab"})
            QCOMPARE(text(field), QStringLiteral("0"));
        QCOMPARE(text("anz"), QStringLiteral("1"));
        for (const char *shape : {"r", "a", "o", "rb"})
            QVERIFY(!checked(shape));
        QVERIFY(checked("s2"));
        auto *count = control<QComboBox>(sizing, "anzdd");
        QCOMPARE(count->currentText(), QStringLiteral("1"));
        QCOMPARE(count->count(), 16);
        QCOMPARE(count->itemText(15), QString());
        QCOMPARE(control<QPlainTextEdit>(sizing, "Memo2")->toPlainText(),
                 QStringLiteral("Je höher die Wirkung ist, desto \nschneller erwärmt sich das \nWasser."));
        QVERIFY(control(sizing, "hinweis")->isHidden());
        QVERIFY(control(sizing, "Button1")->isHidden());
        QCOMPARE(page(sizing)->menuBar()->findChild<QAction *>("Zurck1")->text(), QStringLiteral("Zurück"));
    }

    void roundWorkedExample()
    {
        press("r");
        type("l", "5");
        QCOMPARE(text("f"), QStringLiteral("0"));  // no depth yet
        type("h", "1,2");
        QCOMPARE(results(), (QStringList{"19,63", "23,56", "2,4", "12,23"}));
    }

    void ovalShapes_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::newRow("oval") << "o";
        QTest::newRow("figure-eight") << "a";
    }
    void ovalShapes()
    {
        QFETCH(QString, shape);
        press(shape.toLatin1().constData());
        type("b", "5");
        type("l", "9");
        type("h", "2");
        QCOMPARE(results(), (QStringList{"39,63", "79,26", "2,4", "6,06"}));
    }

    void rectangle()
    {
        press("rb");
        type("b", "3");
        type("l", "4");
        type("h", "1,5");
        QCOMPARE(results(), (QStringList{"12,00", "18,00", "2,4", "20,00"}));
    }

    // The results show a thousands point from 1000 on; the page goes on computing with them.
    void largePoolComputesWithoutError()
    {
        press("rb");
        type("b", "30");
        type("l", "40");
        type("h", "1,5");
        QCOMPARE(results(), (QStringList{"1.200,00", "1.800,00", "2,4", "0,20"}));
        pickCount("15");
        QCOMPARE(results(), (QStringList{"1.200,00", "1.800,00", "36", "3,00"}));
        press("s8");
        QCOMPARE(results(), (QStringList{"1.200,00", "1.800,00", "126", "10,50"}));
        clickOn(control(sizing, "Panel4"));
        QCOMPARE(results(), (QStringList{"1.200,00", "1.800,00", "126", "10,50"}));
        type("h", "2");
        QCOMPARE(text("v"), QStringLiteral("2.400,00"));
    }

    // A measure whose results no field can show is no number: the error quotes it (60
    // characters at most) and every result keeps its text, on pasting and on "Berechnen".
    void measuresBeyondWhatTheResultsShow_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("shown");
        const QString digits40 = QString(40, u'7'), digits400 = QString(400, u'3');
        const QStringList round{"19,63", "19,63", "2,4", "12,23"}, rectangle{"12,00", "12,00", "2,4", "20,00"};
        QTest::newRow("round, 40-digit diameter") << "r" << "l" << digits40 << round;
        QTest::newRow("round, 400-digit diameter") << "r" << "l" << digits400 << round;
        QTest::newRow("round, 40-digit depth") << "r" << "h" << digits40 << round;
        QTest::newRow("rectangle, 400-digit width") << "rb" << "b" << digits400 << rectangle;
        QTest::newRow("rectangle, 40-digit depth") << "rb" << "h" << digits40 << rectangle;
        QTest::newRow("oval, 400-digit length") << "o" << "l" << digits400
                                                << QStringList{"9,40", "9,40", "2,4", "25,53"};
        QTest::newRow("oval, 400-digit width") << "o" << "b" << digits400
                                               << QStringList{"9,40", "9,40", "2,4", "25,53"};
    }
    void measuresBeyondWhatTheResultsShow()
    {
        QFETCH(QString, shape);
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QStringList, shown);
        press(qPrintable(shape));
        type("h", "1");
        type("b", shape == "o" ? "2" : "3");
        type("l", shape == "r" ? "5" : shape == "rb" ? "4" : "5,13");
        QCOMPARE(results(), shown);
        QApplication::clipboard()->setText(pasted);
        QLineEdit *measure = edit(qPrintable(field));
        measure->setFocus();
        measure->selectAll();
        QTest::keyClick(measure, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(measure->text(), pasted);
        clickOn(control(sizing, "Panel4"));
        const QString quoted = pasted.size() > 60 ? pasted.left(60) + u'…' : pasted;
        QCOMPARE(user->errors, QStringList(2, "'" + quoted + "' is not a valid floating point value"));
        QCOMPARE(results(), shown);
        user->errors.clear();
    }

    void absorbersLargerThanThePool()
    {
        press("rb");
        type("b", "1");
        type("h", "1");
        type("l", "1");
        press("s8");
        pickCount("15");
        QCOMPARE(results(), (QStringList{"1,00", "1,00", "126", "12.600,00"}));
        pickCount("14");
        QCOMPARE(text("ab"), QStringLiteral("11.760,00"));
    }

    void computesByItselfOnlyWhenTheShapeAllows_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("typed");  // field, text, field, text ...
        QTest::addColumn<QString>("surface");
        QTest::newRow("round without depth") << "r" << QStringList{"l", "5"} << "0";
        QTest::newRow("round with depth") << "r" << QStringList{"h", "1", "l", "5"} << "19,63";
        QTest::newRow("round, width does not count") << "r" << QStringList{"h", "1", "l", "4"} << "12,57";
        QTest::newRow("rectangle without length") << "rb" << QStringList{"b", "3", "h", "1"} << "0";
        QTest::newRow("rectangle with length") << "rb" << QStringList{"b", "3", "h", "1", "l", "4"} << "12,00";
        QTest::newRow("oval at every keystroke") << "o" << QStringList{"b", "2"} << "-0,86";
        QTest::newRow("figure-eight at every keystroke") << "a" << QStringList{"l", "6", "b", "2"} << "11,14";
        QTest::newRow("no shape") << "" << QStringList{"b", "3", "l", "4", "h", "1"} << "0";
    }
    void computesByItselfOnlyWhenTheShapeAllows()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, typed);
        QFETCH(QString, surface);
        if (!shape.isEmpty())
            press(shape.toLatin1().constData());
        for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
            type(typed[i].toLatin1().constData(), typed[i + 1]);
        QCOMPARE(text("f"), surface);
    }

    void withoutShapeTheSurfaceStays()
    {
        press("r");
        type("l", "5");
        type("h", "1,2");
        press("r");  // no shape now
        type("h", "2");
        QCOMPARE(text("v"), QStringLiteral("23,56"));
        clickOn(control(sizing, "Panel4"));
        QCOMPARE(results(), (QStringList{"19,63", "39,26", "2,4", "12,23"}));
    }

    void zeroSurfaceWrittenOverZeroStaysZero()
    {
        press("rb");
        type("h", "1");
        type("l", "5");  // the width is still 0
        QCOMPARE(results(), (QStringList{"0", "0", "0", "0"}));
    }

    void emptiedFieldComesBack_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("width") << "b" << "3";
        QTest::newRow("length") << "l" << "4";
        QTest::newRow("depth") << "h" << "1,5";
    }
    void emptiedFieldComesBack()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        const QByteArray name = field.toLatin1();
        press("rb");
        empty(name.constData());  // the form's "0" is an edit of its own
        QCOMPARE(text(name.constData()), QStringLiteral("0"));
        type("b", "3");
        type("l", "4");
        type("h", "1,5");
        empty(name.constData());
        QCOMPARE(text(name.constData()), typed);
        QCOMPARE(results(), (QStringList{"12,00", "18,00", "2,4", "20,00"}));
    }

    void otherAbsorberSizeComputesAtOnce()
    {
        press("r");
        type("l", "5");
        type("h", "1,2");
        press("s6");
        QCOMPARE(results(), (QStringList{"19,63", "23,56", "6", "30,57"}));
        press("s3");
        QCOMPARE(results(), (QStringList{"19,63", "23,56", "3,6", "18,34"}));
    }

    void absorberCount()
    {
        press("r");
        type("l", "5");
        type("h", "1,2");
        pickCount("3");
        QCOMPARE(text("anz"), QStringLiteral("3"));
        QCOMPARE(results(), (QStringList{"19,63", "23,56", "7,2", "36,68"}));

        pickCount("");
        QCOMPARE(user->errors, QStringList{"'' is not a valid floating point value"});
        QCOMPARE(text("anz"), QStringLiteral("3"));
        user->errors.clear();
    }

    void oneShapeAtATime()
    {
        press("r");
        QCOMPARE(control<QWidget>(sizing, "Panel1")->property("text").toString(), QStringLiteral("Durchmesser"));
        for (const char *width : {"Panel2", "Label6", "b"})
            QVERIFY2(control(sizing, width)->isHidden(), width);

        press("a");
        QVERIFY(!checked("r") && checked("a"));
        QCOMPARE(control<QWidget>(sizing, "Panel1")->property("text").toString(), QStringLiteral("Länge"));
        for (const char *width : {"Panel2", "Label6", "b"})
            QVERIFY2(!control(sizing, width)->isHidden(), width);

        press("o");
        QVERIFY(!checked("a") && checked("o"));
        press("rb");
        QVERIFY(!checked("o") && checked("rb"));
        press("r");
        QVERIFY(!checked("rb") && checked("r"));
        press("r");
        for (const char *shape : {"r", "a", "o", "rb"})
            QVERIFY(!checked(shape));
        QCOMPARE(control<QWidget>(sizing, "Panel1")->property("text").toString(), QStringLiteral("Länge"));
    }

    void poolOfTheWalkInOneLine()
    {
        daten.beckenform = QStringLiteral("Rundbecken");
        daten.beckengroesse = QStringLiteral("3,50 m");
        daten.beckenhoehe = QStringLiteral("1,20");
        goTo(PageId::Tsolar);
        goTo(sizing);
        auto *pool = control<QPlainTextEdit>(sizing, "becken");
        QCOMPARE(pool->toPlainText(), QStringLiteral("Rundbecken 3,50 m Höhe:1,20m"));
        QCOMPARE(text("l"), QStringLiteral("0"));  // the measures stay the user's
    }

    void depthHintWhileTheDepthHasTheFocus()
    {
        edit("h")->setFocus();
        QVERIFY(!control(sizing, "hinweis")->isHidden());
        edit("l")->setFocus();
        QVERIFY(control(sizing, "hinweis")->isHidden());
    }

    void backToTheWaterHeatingPage()
    {
        clickOn(control(sizing, "Panel3"));
        QVERIFY(becomesActive(page(PageId::Tsolar)));
        QVERIFY(!isShowing(sizing));

        goTo(sizing);
        page(sizing)->menuBar()->findChild<QAction *>("Zurck1")->trigger();
        QVERIFY(becomesActive(page(PageId::Tsolar)));
        QVERIFY(!isShowing(sizing));
    }

    void ownMenuEntryDoesNothing()
    {
        QAction *self = goToEntry(page(sizing), GoTo::ZezuraraBerechnung);
        self->trigger();
        QVERIFY(self->isChecked());
        QVERIFY(isShowing(sizing));
        QVERIFY(!isShowing(PageId::Tsolar));
    }
};

NIXARO_TEST_MAIN(SolarSizingTest)
#include "tst_solarsizing.moc"
