// The pool covers page: prices and refusals by the pool's size, repricing on every
// activation, the running total, the cover lines, the caption and the font steps.
#include "testsupport.h"

#include "app/daten.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QPlainTextEdit>

using namespace app;
using namespace testing;

namespace {

constexpr PageId covers = PageId::Tabdeckung;

QString text(const char *edit)
{
    return control<QLineEdit>(covers, edit)->text();
}

QCheckBox *box(const char *name)
{
    return control<QCheckBox>(covers, name);
}

// A click as the user makes it, on the check box's indicator.
void press(const char *name)
{
    QWidget *widget = control(covers, name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

bool shown(const char *name)
{
    return !control(covers, name)->isHidden();
}

void mouseOverBackground()
{
    testing::moveOverBackground(covers);
}

// The pool page's store, as its "&Weiter -->" leaves it.
void poolStored(const QString &shape, const QString &size, const QString &total = QStringLiteral("1000,00"))
{
    daten.beckenform = shape;
    daten.beckengroesse = size;
    daten.summe1 = total;
}

// The covers page activated anew, as after a visit to another page.
void activateAgain()
{
    goTo(PageId::TLeitern);
    goTo(covers);
}

} // namespace

class CoversTest : public QObject
{
    Q_OBJECT

    FreshProgram program;
    FakeDialogs *user = nullptr;

private Q_SLOTS:
    void init()
    {
        user = &program.start();
    }
    void cleanup()
    {
        program.end();
    }

    void formAsCreated()
    {
        QCOMPARE(page(covers)->windowTitle(), QStringLiteral("Schwimmbadabdeckungen"));
        QCOMPARE(text("form"), QStringLiteral("0"));
        QCOMPARE(text("beckengroesse"), QStringLiteral("0"));
        for (const char *price : {"Preisvonbecken", "safetoppreis", "cabrio_preis", "Lupo_Preis", "gpabdeck"})
            QCOMPARE(text(price), QStringLiteral("0,00"));
        QCOMPARE(box("safetop")->text(), QStringLiteral("SafeTop®"));
        QCOMPARE(box("Lupo")->text(), QStringLiteral("Schwimmbad Solarabdeckung Lupo"));
        QCOMPARE(control<QLabel>(covers, "safetop_info")->text(),
                 QStringLiteral("Sicherheits-Schwimmbadabdeckung  SafeTop® ist für Rechteckbecken nicht verfügbar !"));
        QCOMPARE(control<QLabel>(covers, "Cabrio_Info")->text(),
                 QStringLiteral("Für diese Beckengröße steht der Cabrio Dome nicht nur Verfügung ! "));
        for (const char *hidden : {"safetop_txt", "safetopBMP", "safetopBMP_2", "safetop_info", "cabrio_txt",
                                   "cabrioBMP", "cabriobmp_2", "Cabrio_Info", "lupo_txt", "LupoBMP", "LupoBMP_2"})
            QVERIFY2(!shown(hidden), hidden);
        QVERIFY(control<QLineEdit>(covers, "Preisvonbecken")->isReadOnly());
        QVERIFY(!control<QLineEdit>(covers, "gpabdeck")->isReadOnly());
    }

    void descriptions()
    {
        const QStringList safeTop = control<QPlainTextEdit>(covers, "safetop_txt")->toPlainText().split(u'\n');
        QCOMPARE(safeTop.size(), 12);
        QCOMPARE(safeTop.first(), QStringLiteral("Sicherheits-Schwimmbadabdeckung SafeTop®"));
        QCOMPARE(safeTop.at(2), QStringLiteral("Praktisch, sicher, einfache Handhabung."));
        QCOMPARE(safeTop.mid(10), (QStringList{"(abhängig von Beckenart, Handlauf und", "Beckenform)"}));
        const QStringList cabrio = control<QPlainTextEdit>(covers, "cabrio_txt")->toPlainText().split(u'\n');
        QCOMPARE(cabrio.first(), QStringLiteral("Cabrio Dome"));
        QCOMPARE(cabrio.mid(cabrio.size() - 2), (QStringList{"Der Cabrio Dome ist nicht als Winterabdeckung ", "geeignet."}));
        QVERIFY(cabrio.join(u' ').contains(u"Rund- und Ovalbecken entwickelt"));
        const QStringList lupo = control<QPlainTextEdit>(covers, "lupo_txt")->toPlainText().split(u'\n');
        QCOMPARE(lupo.first(), QStringLiteral("Schwimmbadabdeckung aus hochwertigen "));
    }

    void captionNamesThePool()
    {
        poolStored("Rundbecken", "5,00 m");
        goTo(covers);
        QCOMPARE(page(covers)->windowTitle(), QStringLiteral("Schwimmbadabdeckung für Rundbecken 5,00 m"));
        QCOMPARE(text("Preisvonbecken"), QStringLiteral("1000,00"));
        QCOMPARE(text("form"), QStringLiteral("Rundbecken"));
        QCOMPARE(text("beckengroesse"), QStringLiteral("5,00 m"));
    }

    void pricesAndRefusals_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("prices");     // SafeTop®, Cabrio Dome, Lupo after a click on each
        QTest::addColumn<QStringList>("refused");   // boxes unchecked, disabled, label shown
        QTest::newRow("round 5,00 m") << "Rundbecken" << "5,00 m" << QStringList{"529,95", "1289,00", "249,95"}
                                      << QStringList{};
        QTest::newRow("round 7,00 m") << "Rundbecken" << "7,00 m" << QStringList{"759,95", "0,00", "469,95"}
                                      << QStringList{"cabrio"};
        QTest::newRow("eight") << "Achtformbecken" << "3,60 x 6,25 m" << QStringList{"569,00", "0,00", "259,95"}
                               << QStringList{"cabrio"};
        QTest::newRow("oval with Cabrio Dome") << "Ovalformbecken" << "3,50 m x 7,00 m"
                                               << QStringList{"569,00", "1499,00", "269,95"} << QStringList{};
        QTest::newRow("oval smallest") << "Ovalformbecken" << "3,20 m x 5,25 m" << QStringList{"479,95", "0,00", "0,00"}
                                       << QStringList{"cabrio"};
        QTest::newRow("no pool configured") << "0" << "0" << QStringList{"0,00", "0,00", "0,00"}
                                            << QStringList{"safetop", "cabrio"};
    }
    void pricesAndRefusals()
    {
        QFETCH(QString, shape);
        QFETCH(QString, size);
        QFETCH(QStringList, prices);
        QFETCH(QStringList, refused);
        poolStored(shape, size);
        goTo(covers);
        press("safetop");
        press("cabrio");
        press("Lupo");
        QCOMPARE((QStringList{text("safetoppreis"), text("cabrio_preis"), text("Lupo_Preis")}), prices);

        struct Cover { const char *box, *info, *memo, *picture; };
        for (const Cover c : {Cover{"safetop", "safetop_info", "safetop_txt", "safetopBMP"},
                              Cover{"cabrio", "Cabrio_Info", "cabrio_txt", "cabrioBMP"}}) {
            const bool isRefused = refused.contains(QLatin1String(c.box));
            QCOMPARE(box(c.box)->isChecked(), !isRefused);
            QCOMPARE(box(c.box)->isEnabled(), !isRefused);
            QCOMPARE(shown(c.info), isRefused);
            QCOMPARE(shown(c.memo), !isRefused);
            QCOMPARE(shown(c.picture), !isRefused);
        }
        // The Lupo is never refused: without a price it stays chosen at nothing.
        QVERIFY(box("Lupo")->isChecked());
        QVERIFY(shown("lupo_txt") && shown("LupoBMP") && shown("LupoBMP_2"));
    }

    void uncheckingHidesAndZeroes()
    {
        poolStored("Rundbecken", "4,16 m");
        goTo(covers);
        press("safetop");
        QCOMPARE(text("safetoppreis"), QStringLiteral("419,95"));
        QVERIFY(shown("safetopBMP_2"));
        press("safetop");
        QCOMPARE(text("safetoppreis"), QStringLiteral("0,00"));
        QVERIFY(!shown("safetopBMP") && !shown("safetopBMP_2") && !shown("safetop_txt"));
    }

    void rectangularPoolsRefuseOnActivation()
    {
        poolStored("Rundbecken", "5,00 m");
        goTo(covers);
        press("safetop");
        press("cabrio");
        press("Lupo");

        poolStored("Rechteckbecken", "4,50 x 9,00 m");
        activateAgain();
        for (const char *name : {"safetop", "cabrio"}) {
            QVERIFY(!box(name)->isChecked());
            QVERIFY(!box(name)->isEnabled());
        }
        QVERIFY(shown("safetop_info") && shown("Cabrio_Info"));
        QVERIFY(!shown("safetopBMP") && !shown("cabrio_txt") && !shown("cabriobmp_2"));
        QCOMPARE(text("safetoppreis"), QStringLiteral("0,00"));
        QCOMPARE(text("cabrio_preis"), QStringLiteral("0,00"));
        QVERIFY(box("Lupo")->isChecked());
        QCOMPARE(text("Lupo_Preis"), QStringLiteral("0,00"));

        poolStored("Rechteckbecken", "3,50 x 7,00 m");
        activateAgain();
        QCOMPARE(text("Lupo_Preis"), QStringLiteral("259,95"));

        // Another shape makes them available again.
        poolStored("Ovalformbecken", "3,20 m x 6,00 m");
        activateAgain();
        QVERIFY(box("safetop")->isEnabled() && box("cabrio")->isEnabled());
        QVERIFY(!shown("safetop_info") && !shown("Cabrio_Info"));
        press("cabrio");
        QCOMPARE(text("cabrio_preis"), QStringLiteral("1339,00"));
    }

    void repricedOnEveryActivation()
    {
        poolStored("Rundbecken", "5,00 m");
        goTo(covers);
        press("safetop");
        press("cabrio");
        press("Lupo");

        poolStored("Rundbecken", "6,00 m");
        activateAgain();
        QCOMPARE((QStringList{text("safetoppreis"), text("cabrio_preis"), text("Lupo_Preis")}),
                 (QStringList{"629,95", "1499,00", "339,95"}));
        QVERIFY(box("safetop")->isChecked() && box("cabrio")->isChecked() && box("Lupo")->isChecked());
        QVERIFY(!shown("Cabrio_Info"));

        // A size the Cabrio Dome is not made for refuses it on activation.
        poolStored("Rundbecken", "7,00 m");
        activateAgain();
        QVERIFY(!box("cabrio")->isChecked());
        QVERIFY(!box("cabrio")->isEnabled());
        QVERIFY(shown("Cabrio_Info") && !shown("cabrio_txt") && !shown("cabrioBMP"));
        QCOMPARE(text("cabrio_preis"), QStringLiteral("0,00"));
        QCOMPARE(text("safetoppreis"), QStringLiteral("759,95"));

        // Back to a size with a Cabrio Dome: enabled again, but no longer chosen.
        poolStored("Rundbecken", "3,50 m");
        activateAgain();
        QVERIFY(box("cabrio")->isEnabled() && !box("cabrio")->isChecked());
        QVERIFY(!shown("Cabrio_Info"));
        QCOMPARE(text("safetoppreis"), QStringLiteral("359,95"));
    }

    void runningTotalAndWeiterForAllThreeCovers()
    {
        poolStored("Rundbecken", "5,00 m", "2038,90");
        goTo(covers);
        press("safetop");
        press("Lupo");
        press("cabrio");
        QCOMPARE(text("gpabdeck"), QStringLiteral("0,00"));  // stale until the mouse moves
        mouseOverBackground();
        QCOMPARE(text("gpabdeck"), QStringLiteral("4107,80"));
        QCOMPARE(daten.summe2, QStringLiteral("0"));

        clickOn(control<QAbstractButton>(covers, "Button1"));
        QVERIFY(becomesActive(page(PageId::TLeitern)));
        QCOMPARE(daten.summe2, QStringLiteral("4107,80"));
        QCOMPARE(daten.abdeckung1, QStringLiteral("Sicherheits-Schwimmbadabdeckung SafeTop 529,95"));
        QCOMPARE(daten.abdeckung2, QStringLiteral("Schwimmbad Solarabdeckung Lupo 249,95"));
        QCOMPARE(daten.abdeckung3, QStringLiteral("Cabrio Dome 1289,00"));
        QCOMPARE(control<QLineEdit>(PageId::TLeitern, "prl")->text(), QStringLiteral("4107,80"));
    }

    void weiterRecomputesTheTotalAndClearsUnchosenLines()
    {
        poolStored("Ovalformbecken", "3,20 m x 5,25 m", "1648,95");
        daten.abdeckung1 = daten.abdeckung3 = QStringLiteral("alt");
        goTo(covers);
        press("Lupo");
        clickOn(control<QAbstractButton>(covers, "Button1"));
        QCOMPARE(daten.summe2, QStringLiteral("1648,95"));
        QCOMPARE(daten.abdeckung1, QString());
        QCOMPARE(daten.abdeckung2, QStringLiteral("Schwimmbad Solarabdeckung Lupo 0,00"));
        QCOMPARE(daten.abdeckung3, QString());
    }

    void mouseOverWeiterStoresOnlyTheCoverLines()
    {
        poolStored("Achtformbecken", "3,20 x 5,25 m");
        daten.summe2 = QStringLiteral("vorher");
        goTo(covers);
        press("safetop");
        moveMouseOver(control(covers, "Button1"));
        QCOMPARE(daten.abdeckung1, QStringLiteral("Sicherheits-Schwimmbadabdeckung SafeTop 469,95"));
        QCOMPARE(daten.abdeckung2, QString());
        QCOMPARE(daten.summe2, QStringLiteral("vorher"));
        QCOMPARE(text("gpabdeck"), QStringLiteral("0,00"));

        // Leaving by the menu keeps what was last written.
        press("safetop");
        goTo(PageId::TFip);
        QCOMPARE(daten.abdeckung1, QStringLiteral("Sicherheits-Schwimmbadabdeckung SafeTop 469,95"));
    }

    void typedTotalThatIsNoNumber()
    {
        poolStored("Rundbecken", "3,50 m");
        goTo(covers);
        auto *total = control<QLineEdit>(covers, "gpabdeck");
        total->selectAll();
        QTest::keyClick(total, Qt::Key_Delete);
        QCOMPARE(user->errors, QStringList{"'' is not a valid floating point value"});
        mouseOverBackground();  // the total is computed anew
        QCOMPARE(total->text(), QStringLiteral("1000,00"));
    }

    void checkedCoversShowTheirCheckMark()
    {
        poolStored("Rundbecken", "5,00 m");
        goTo(covers);
        for (const char *name : {"safetop", "cabrio", "Lupo"}) {
            QVERIFY2(!checkMarkShows(box(name)), name);
            press(name);
            QVERIFY(box(name)->isChecked());
            QVERIFY2(checkMarkShows(box(name)), name);
        }
    }

    void backShowsTheOpenPoolPage()
    {
        goTo(PageId::Tol);
        goTo(covers);
        clickOn(control<QAbstractButton>(covers, "Button2"));
        QVERIFY(becomesActive(page(PageId::Tol)));
    }

    void fontStepsWithoutBound()
    {
        goTo(covers);
        QAction *larger = page(covers)->findChild<QAction *>("N1"), *smaller = page(covers)->findChild<QAction *>("N2");
        struct Home { const char *name; int points; QRect geometry; };
        QList<Home> homes;
        for (const char *name : {"safetop", "cabrio", "Lupo", "safetop_txt", "cabrio_txt", "lupo_txt", "safetopBMP",
                                 "safetopBMP_2", "cabrioBMP", "cabriobmp_2", "LupoBMP", "LupoBMP_2"})
            homes << Home{name, control(covers, name)->font().pointSize(), control(covers, name)->geometry()};
        for (int i = 0; i < 10; ++i)
            larger->trigger();
        for (const Home &h : homes) {
            QWidget *w = control(covers, h.name);
            const QString name = QLatin1String(h.name);
            if (name.endsWith(u"_txt")) {
                QCOMPARE(w->font().pointSize(), h.points + 10);
                QCOMPARE(w->geometry(), h.geometry.adjusted(0, 0, 50, 0));
            } else if (name.contains(u"BMP", Qt::CaseInsensitive)) {
                QCOMPARE(w->geometry(), h.geometry.translated(50, 0));
            } else {
                QCOMPARE(w->font().pointSize(), h.points + 10);
                QCOMPARE(w->geometry(), h.geometry);
            }
        }
        // Far below what can be shown, and back again step by step.
        const int far = 10 + 2 * homes.first().points + 80;
        for (int i = 0; i < far; ++i)
            smaller->trigger();
        QCOMPARE(control(covers, "safetop_txt")->width(), 0);
        QCOMPARE(control(covers, "safetop")->font().pointSize(), 1);
        for (int i = 0; i < far - 10; ++i)
            larger->trigger();
        for (const Home &h : homes) {
            QCOMPARE(control(covers, h.name)->geometry(), h.geometry);
            QCOMPARE(control(covers, h.name)->font().pointSize(), h.points);
        }
    }
};

NIXARO_TEST_MAIN(CoversTest)
#include "tst_covers.moc"
