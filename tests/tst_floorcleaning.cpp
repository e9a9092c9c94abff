// The floor-cleaning page: its catalogue, the floor drain and its picture cycle, the
// cleaning set, the summary and total on mouse moves, what activation and
// "&Weiter -->" hand on.
#include "testsupport.h"

#include "app/catalogue.h"
#include "app/daten.h"
#include "pages/equipment/floorcleaningtables.h"

#include <QCheckBox>
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

using namespace app;
using namespace testing;
using namespace floorcleaning;

namespace {

constexpr PageId floorPage = PageId::Tbrs;

QString text(const char *edit)
{
    return control<QLineEdit>(floorPage, edit)->text();
}

QStringList lines(const char *list)
{
    QStringList all;
    auto *box = control<QListWidget>(floorPage, list);
    for (int i = 0; i < box->count(); ++i)
        all << box->item(i)->text();
    return all;
}

QTimer *timer(const char *name)
{
    return control<QTimer>(floorPage, name);
}

// Which of Timer1, Timer2, Timer3 run, as "1", "13", "" ...
QString runningTimers()
{
    QString running;
    for (const char *name : {"Timer1", "Timer2", "Timer3"})
        if (timer(name)->isActive())
            running += QChar(name[5]);
    return running;
}

void fire(const char *name)
{
    QVERIFY(QMetaObject::invokeMethod(timer(name), "timeout"));
}

QTabWidget *drainPictures() { return control<QTabWidget>(floorPage, "abl"); }

// A click as the user makes it, on the radio button's or check box's indicator.
void press(const char *name)
{
    QWidget *widget = control(floorPage, name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

// A mouse move over a point of the page surface that no control covers.
void moveOverPage()
{
    QWidget *client = page(floorPage)->client();
    for (int y = client->height() - 1; y > 0; y -= 7)
        for (int x = 1; x < client->width(); x += 7)
            if (!client->childAt(x, y)) {
                moveMouseOver(client, {x, y});
                return;
            }
    QFAIL("no free background");
}

} // namespace

class FloorCleaningTest : public QObject
{
    Q_OBJECT

    FreshProgram program;
    FakeDialogs *user = nullptr;

    // The program as it starts, the lights page's total in the store, the page shown.
    void open(const QString &summe7 = QStringLiteral("3000"))
    {
        user = &program.start();
        daten.summe7 = summe7;
        goTo(floorPage);
    }

private Q_SLOTS:
    void cleanup()
    {
        program.end();
        user = nullptr;
    }

    // ---- the catalogue, without windows

    void drainTable_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QStringList>("description");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("summary");
        const QString fitted = "Wird im Beckenboden zum Ablassen vom Beckenwasser eingebaut!";
        const QString notPriced = "Die Kosten für den Einbau müssen individuell berechnet werden.";
        // After "R 2" the inch sign, a comma and two blanks.
        QTest::newRow("plastic") << 0 << QStringList{"Kunststoffbodenablauf mit Rost, rund R 2\",  Ø 270 mm", fitted, notPriced}
                                 << "62,00" << "Bodenablauf mit Rost" << "Kunststoffbodenablauf 62,00 € +";
        QTest::newRow("bronze") << 1 << QStringList{"", fitted, notPriced} << "235,00" << "Bodenablauf aus Rotguss"
                                << "Bronzebodenablauf 235,00 € +";
    }
    void drainTable()
    {
        QFETCH(int, which);
        QFETCH(QStringList, description);
        QFETCH(QString, price);
        QFETCH(QString, stored);
        QFETCH(QString, summary);
        const Drain &drain = which ? bronzeDrain : plasticDrain;
        QCOMPARE(linesOf(drain.lines), description);
        QCOMPARE(drain.price.toString(), price);
        QCOMPARE(drain.stored.toString(), stored);
        QCOMPARE(addedLine(drain.summaryName, drain.price.toString()), summary);
    }

    void theSetIsSpeltThreeWays()
    {
        QCOMPARE(luxusSet.caption.toString(), QString("Bodenreiniger-Set \"Luxus\""));
        QCOMPARE(addedLine(luxusSet.summaryName, "99,95"), QString("Bodenreiniger-Set \"Luxus\" 99,95 € +"));
        QCOMPARE(luxusSet.stored.toString(), QString("Bodenreingerset \"Luxus\""));
        QCOMPARE(luxusSet.price.toString(), QString("99,95"));
        QCOMPARE(linesOf(luxusSet.lines), (QStringList{"3teilig, bestehend aus Bodenabsaugbürste mit Seitenbürsten,",
                                                      "Alu-Teleskopstange 1,80 m bis 4,80 m Länge.",
                                                      "Flexschlauch 7,50 m lang; Ø 38 mm."}));
        QCOMPARE(previousTotalLine("3000,00"), QString("Bisheriger Schwimmbeckenpreis: 3000,00 €"));
    }

    // ---- the page

    void formAsCreated()
    {
        open();
        for (const char *hidden : {"kab", "brab", "abl", "saug", "prex", "bad", "sex"})
            QVERIFY2(control(floorPage, hidden)->isHidden(), hidden);
        QCOMPARE(control<QCheckBox>(floorPage, "bslxs")->text(), QString("Bodenreiniger-Set \"Luxus\""));
        QCOMPARE(text("bad"), QString("Kein Bodenablauf ausgewählt !!!"));
        QCOMPARE(text("sex"), QString("Kein Bodenreinigungsset ausgewählt !!!"));
        QStringList tabs;
        for (QTabWidget *book : {drainPictures(), control<QTabWidget>(floorPage, "saug")})
            for (int i = 0; i < book->count(); ++i)
                tabs << book->tabText(i);
        QCOMPARE(tabs, (QStringList{"Kunststoff", "Bronze", "Bronze", "Bronze", "Luxus"}));
        QCOMPARE(timer("Timer1")->interval(), 3000);
        QCOMPARE(timer("Timer2")->interval(), 2000);
        QCOMPARE(timer("Timer3")->interval(), 1000);
        // The last timer runs from the start (unless it has turned the first picture already).
        QCOMPARE(runningTimers(), QString(drainPictures()->currentIndex() == 0 ? "3" : "1"));
        // Every picture stands whole on its notebook page.
        for (QTabWidget *book : {drainPictures(), control<QTabWidget>(floorPage, "saug")})
            for (int i = 0; i < book->count(); ++i)
                for (QWidget *picture : book->widget(i)->findChildren<QWidget *>())
                    QVERIFY(QRect(QPoint(), book->widget(i)->size()).contains(picture->geometry()));
    }

    void drainBoxWithoutType()
    {
        open();
        press("bdab");
        QVERIFY(control(floorPage, "kab")->isVisible() && control(floorPage, "brab")->isVisible());
        QVERIFY(!control<QRadioButton>(floorPage, "kab")->isChecked());
        QVERIFY(!control<QRadioButton>(floorPage, "brab")->isChecked());
        QCOMPARE(text("prbd"), QString("0,00"));
        QCOMPARE(text("bad"), QString("Kein Bodenablauf ausgewählt !!!"));
        QVERIFY(control(floorPage, "boden")->isHidden());
        QVERIFY(drainPictures()->isHidden());
        QCOMPARE(runningTimers(), QString());  // the first click stops the cycle
    }

    void drainTypes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("description");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("timers");
        QTest::newRow("plastic") << "kab" << linesOf(plasticDrain.lines) << "62,00" << "Bodenablauf mit Rost" << 0 << "";
        QTest::newRow("bronze") << "brab" << linesOf(bronzeDrain.lines) << "235,00" << "Bodenablauf aus Rotguss" << 1 << "1";
    }
    void drainTypes()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, description);
        QFETCH(QString, price);
        QFETCH(QString, stored);
        QFETCH(int, picture);
        QFETCH(QString, timers);
        open();
        press("bdab");
        press(qPrintable(type));
        QCOMPARE(lines("boden"), description);
        QVERIFY(control(floorPage, "boden")->isVisible());
        QCOMPARE(text("prbd"), price);
        QCOMPARE(text("bad"), stored);
        QVERIFY(drainPictures()->isVisible());
        QCOMPARE(drainPictures()->currentIndex(), picture);
        QCOMPARE(runningTimers(), timers);
    }

    void plasticAfterBronzeStopsTheCycle()
    {
        open();
        press("bdab");
        press("brab");
        fire("Timer1");
        press("kab");
        QCOMPARE(runningTimers(), QString());
        QCOMPARE(drainPictures()->currentIndex(), 0);
        QCOMPARE(lines("boden").first(), linesOf(plasticDrain.lines).first());
        QCOMPARE(text("prbd"), QString("62,00"));
    }

    void uncheckingTheDrainResetsIt()
    {
        open();
        press("bdab");
        press("brab");
        fire("Timer1");
        QCOMPARE(runningTimers(), QString("2"));
        press("bdab");
        QCOMPARE(runningTimers(), QString());
        for (const char *hidden : {"kab", "brab", "boden", "abl"})
            QVERIFY2(control(floorPage, hidden)->isHidden(), hidden);
        QVERIFY(!control<QRadioButton>(floorPage, "brab")->isChecked());
        QCOMPARE(text("prbd"), QString("0,00"));
        QCOMPARE(text("bad"), QString("Kein Bodenablauf ausgewählt !!!"));
        moveOverPage();
        QCOMPARE(lines("zus").first(), QString("Kein Bodenablauf !"));
        QCOMPARE(text("brg"), QString("3000,00"));

        // Offered again, nothing is chosen until a type is.
        press("bdab");
        QVERIFY(!control<QRadioButton>(floorPage, "brab")->isChecked());
        QCOMPARE(text("prbd"), QString("0,00"));
    }

    // Each timer hands on to the next and stops itself: the second notebook page for
    // 3 s, the third for 2 s, the fourth for 1 s.
    void bronzePictureCycle()
    {
        open();
        press("bdab");
        press("brab");
        const QList<std::pair<const char *, int>> steps = {
            {"Timer1", 2}, {"Timer2", 3}, {"Timer3", 1}, {"Timer1", 2}, {"Timer2", 3}};
        const QStringList next = {"2", "3", "1", "2", "3"};
        for (qsizetype i = 0; i < steps.size(); ++i) {
            fire(steps[i].first);
            QCOMPARE(drainPictures()->currentIndex(), steps[i].second);
            QCOMPARE(runningTimers(), next[i]);
        }
    }

    // From the start the hidden pictures turn by themselves until the drain box is clicked.
    void cycleTurnsOnTheHiddenNotebook()
    {
        open();
        QVERIFY(drainPictures()->isHidden());
        for (auto [name, picture, next] : {std::tuple("Timer3", 1, "1"), std::tuple("Timer1", 2, "2")}) {
            timer(name)->setInterval(1);  // its turn comes at once
            QVERIFY(QSignalSpy(timer(name), &QTimer::timeout).wait());
            QCOMPARE(drainPictures()->currentIndex(), picture);
            QCOMPARE(runningTimers(), QString(next));
        }
        press("bdab");
        QCOMPARE(runningTimers(), QString());
    }

    void summaryAndTotal_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("summary");
        QTest::addColumn<QString>("total");
        QTest::newRow("nothing") << QStringList{}
                                 << QStringList{"Kein Bodenablauf !", "Kein Bodenreiniger Set!",
                                                "Bisheriger Schwimmbeckenpreis: 3000,00 €", ""}
                                 << "3000,00";
        QTest::newRow("bronze and set") << QStringList{"bdab", "brab", "bslxs"}
                                        << QStringList{"Bronzebodenablauf 235,00 € +", "Bodenreiniger-Set \"Luxus\" 99,95 € +",
                                                       "Bisheriger Schwimmbeckenpreis: 3000,00 €", ""}
                                        << "3334,95";
        QTest::newRow("plastic") << QStringList{"bdab", "kab"}
                                 << QStringList{"Kunststoffbodenablauf 62,00 € +", "Kein Bodenreiniger Set!",
                                                "Bisheriger Schwimmbeckenpreis: 3000,00 €", ""}
                                 << "3062,00";
        QTest::newRow("drain box alone") << QStringList{"bdab"}
                                         << QStringList{"Kein Bodenablauf !", "Kein Bodenreiniger Set!",
                                                        "Bisheriger Schwimmbeckenpreis: 3000,00 €", ""}
                                         << "3000,00";
    }
    void summaryAndTotal()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, summary);
        QFETCH(QString, total);
        open();
        for (const QString &name : clicks)
            press(qPrintable(name));
        QCOMPARE(text("brg"), QString("0,00"));  // until the mouse moves
        moveOverPage();
        QCOMPARE(lines("zus"), summary);
        QCOMPARE(text("brg"), total);
        moveOverPage();
        QCOMPARE(lines("zus"), summary);
    }

    void nextStoresAndGoesOn()
    {
        open();
        for (const char *name : {"bdab", "brab", "bslxs"})
            press(name);
        moveOverPage();
        clickOn(control(floorPage, "Button3"));
        QCOMPARE(daten.summe8, QString("3334,95"));
        QCOMPARE(daten.bodenablauf, QString("Bodenablauf aus Rotguss"));
        QCOMPARE(daten.bodenset, QString("Bodenreingerset \"Luxus\""));
        QCOMPARE(daten.bodensetpreis, QString("99,95"));
        QVERIFY(becomesActive(page(PageId::Tureiniger)));
    }

    // "&Weiter -->" prices the choices itself, whether the mouse moved or not.
    void nextWithoutMouseMove()
    {
        open(QStringLiteral("1000,5"));
        press("bdab");
        press("kab");
        clickOn(control(floorPage, "Button3"));
        QCOMPARE(daten.summe8, QString("1062,50"));
        QCOMPARE(daten.bodenset, QString("Kein Bodenreinigungsset ausgewählt !!!"));
        QCOMPARE(daten.bodensetpreis, QString("0,00"));
    }

    // Ticked and left by keyboard, without a mouse move: the quote names the set whose
    // price is in the total.
    void theSetIsNamedAsSoonAsItIsTicked()
    {
        open();
        // The mouse stays away: a picture shown under it would move it over the page.
        QCursor::setPos(page(floorPage)->mapToGlobal(QPoint(-300, -300)));
        auto *set = control<QCheckBox>(floorPage, "bslxs");
        set->setFocus();
        QTest::keyClick(set, Qt::Key_Space);
        QVERIFY(set->isChecked());
        QCOMPARE(text("sex"), QString("Bodenreingerset \"Luxus\""));
        QTest::keyClick(page(floorPage), Qt::Key_W, Qt::AltModifier);
        QVERIFY(becomesActive(page(PageId::Tureiniger)));  // an accelerator clicks after a moment
        QCOMPARE(daten.summe8, QString("3099,95"));
        QCOMPARE(daten.bodenset, QString("Bodenreingerset \"Luxus\""));
        QCOMPARE(daten.bodensetpreis, QString("99,95"));
    }

    void setTickedUntickedTicked()
    {
        open();
        press("bslxs");
        QVERIFY(control(floorPage, "saug")->isVisible());
        press("bslxs");
        QCOMPARE(text("prex"), QString("0,00"));
        QVERIFY(control(floorPage, "saug")->isHidden());
        QCOMPARE(text("sex"), QString("Kein Bodenreinigungsset ausgewählt"));
        moveOverPage();
        QCOMPARE(lines("zus").at(1), QString("Kein Bodenreiniger Set!"));
        QCOMPARE(text("sex"), QString("Kein Bodenreinigungsset ausgewählt"));
        press("bslxs");
        QCOMPARE(lines("brs"), linesOf(luxusSet.lines));
        QCOMPARE(text("prex"), QString("99,95"));
        QCOMPARE(control<QTabWidget>(floorPage, "saug")->currentIndex(), 0);
    }

    // Every activation shows the lights page's total anew and hands the page's choices
    // on, its total as last computed as the grand total.
    void activationWritesTheQuote()
    {
        open(QStringLiteral("1500"));
        QCOMPARE(text("sbgb"), QString("1500,00"));
        QCOMPARE(daten.gesamtpreis, QString("0,00"));
        QCOMPARE(daten.bodenablauf, QString("Kein Bodenablauf ausgewählt !!!"));
        QCOMPARE(daten.bodenset, QString("Kein Bodenreinigungsset ausgewählt !!!"));
        QCOMPARE(daten.bodensetpreis, QString("0,00"));

        press("bdab");
        press("brab");
        press("bslxs");
        moveOverPage();
        QCOMPARE(text("brg"), QString("1834,95"));
        goTo(PageId::TLight);
        daten.summe7 = QStringLiteral("2000");
        daten.gesamtpreis = daten.bodenablauf = daten.bodenset = daten.bodensetpreis = QStringLiteral("vorher");
        goTo(floorPage);
        QCOMPARE(text("sbgb"), QString("2000,00"));
        QCOMPARE(daten.gesamtpreis, QString("1834,95"));  // not recomputed until the mouse moves
        QCOMPARE(daten.bodenablauf, QString("Bodenablauf aus Rotguss"));
        QCOMPARE(daten.bodenset, QString("Bodenreingerset \"Luxus\""));
        QCOMPARE(daten.bodensetpreis, QString("99,95"));
        QCOMPARE(daten.summe8, QString("0"));  // only "&Weiter -->" hands the step on
    }

    void backToTheLights()
    {
        open();
        clickOn(control(floorPage, "Button1"));
        QVERIFY(becomesActive(page(PageId::TLight)));
    }

    // A total that is no number stops "&Weiter -->" before anything is stored.
    void previousTotalThatIsNoNumber()
    {
        open();
        daten.summe7 = QStringLiteral("abc");
        clickOn(control(floorPage, "Button3"));
        QCOMPARE(user->errors, QStringList{"'abc' is not a valid floating point value"});
        QCOMPARE(daten.summe8, QString("0"));
        QVERIFY(!page(PageId::Tureiniger)->isVisible());
    }
};

NIXARO_TEST_MAIN(FloorCleaningTest)
#include "tst_floorcleaning.moc"
