// The water-heating page: absorbers with quantity, the controller and its pictures, the
// solar shower, the heat pump by pool volume, the totals and what "&Weiter -->" hands on.
#include "testsupport.h"

#include "app/daten.h"
#include "app/mainmenu.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

using namespace app;
using namespace testing;

namespace {

const PageId heating = PageId::Tsolar;

QLineEdit *edit(const char *name)
{
    return control<QLineEdit>(heating, name);
}

QString text(const char *name)
{
    return edit(name)->text();
}

// A row chosen from the list as the user does it (Qt reports the choice by "activated").
void pick(const char *comboName, const QString &row)
{
    auto *combo = control<QComboBox>(heating, comboName);
    const int index = combo->findText(row);
    QVERIFY2(index >= 0, qPrintable(row));
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

// A click on the indicator of a check box.
void press(const char *name)
{
    QWidget *box = control(heating, name);
    QVERIFY2(box->isVisible(), name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// A mouse move over a point of the page surface that no control covers.
void moveOverBackground()
{
    testing::moveOverBackground(heating);
}

QStringList memo(const char *name)
{
    return control<QPlainTextEdit>(heating, name)->toPlainText().split(u'\n');
}

QTimer *timer(const char *name)
{
    auto *t = page(heating)->findChild<QTimer *>(QString::fromLatin1(name));
    if (!t)
        qFatal("no timer %s", name);
    return t;
}

void fire(const char *timerName)
{
    QVERIFY(QMetaObject::invokeMethod(timer(timerName), "timeout", Qt::DirectConnection));
}

bool shows(const char *name)
{
    return !control(heating, name)->isHidden();
}

// The program's own error boxes, real ones, each closed by the user with one key.
class ErrorBoxes : public QObject
{
public:
    ErrorBoxes(FakeDialogs *fake, Qt::Key key) : m_fake(fake), m_key(key)
    {
        setDialogs(nullptr);
        qApp->installEventFilter(this);
    }
    ~ErrorBoxes() override { setDialogs(m_fake); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            ++shown;
            QMetaObject::invokeMethod(this, [box, key = m_key] {
                QVERIFY(QTest::qWaitForWindowActive(box));
                QTest::keyClick(box->focusWidget(), key);
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    FakeDialogs *m_fake;
    Qt::Key m_key;
};

} // namespace

class WaterHeatingTest : public QObject
{
    Q_OBJECT

    FreshProgram program;
    FakeDialogs *user = nullptr;

private Q_SLOTS:
    void init()
    {
        user = &program.start();
        goTo(heating);
    }
    void cleanup()
    {
        QCOMPARE(user->errors, QStringList());
        program.end();
    }

    void startsAsTheFormSays()
    {
        auto *sizes = control<QComboBox>(heating, "solar_auswahl");
        QCOMPARE(sizes->currentText(), QStringLiteral("Auswahl der Solarkollektgröße"));
        QCOMPARE(sizes->count(), 7);
        auto *quantity = control<QComboBox>(heating, "anzdd");
        QCOMPARE(quantity->currentText(), QStringLiteral("1"));
        QCOMPARE(quantity->count(), 15);
        QCOMPARE(quantity->itemText(14), QStringLiteral("15"));
        for (const char *price : {"bsp", "psabsorb", "gpabsorb", "ptds", "psolar", "wpp", "gpr"})
            QCOMPARE(text(price), QStringLiteral("0,00"));
        QCOMPARE(text("anz"), QStringLiteral("1"));
        for (const char *hidden : {"tds3", "TDS", "Panel6", "wpinfo", "Panel9", "added", "anz", "ja", "nein"})
            QVERIFY2(!shows(hidden), hidden);
        QVERIFY(control(heating, "Image4")->isHidden());
        for (const char *name : {"Timer1", "Timer2"}) {
            QCOMPARE(timer(name)->interval(), 6000);
            QVERIFY(!timer(name)->isActive());
        }
        QVERIFY(control<QCheckBox>(heating, "ja")->isChecked());
    }

    void descriptions()
    {
        const QStringList controller = memo("TDS"), shower = memo("solar"), pump = memo("wpinfo");
        QCOMPARE(controller.size(), 8);
        QCOMPARE(controller.first(), QStringLiteral("Elektronische Solarsteuerung für Solarabsorber."));
        QCOMPARE(shower.first(), QStringLiteral("Solardusche inkl. Ständer "));
        QCOMPARE(pump.size(), 9);
        QCOMPARE(pump.first(), QStringLiteral("Durch eine Wärmepumpe "));
        QCOMPARE(pump.last(), QStringLiteral("betrieben."));
        QVERIFY(shows("solar"));
    }

    void absorberPriceDecidesTheController_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("price");
        QTest::addColumn<bool>("controller");
        QTest::newRow("none") << "Ich möchte keine Solarabsorber" << "0,00" << false;
        QTest::newRow("2,40") << "2,00 x 1,20 m = 2,40 m²" << "269,95" << true;
        QTest::newRow("3,60") << "3,00 x 1,20 m = 3,60 m²" << "309,95" << true;
        QTest::newRow("4,80") << "4,00 x 1,20 m = 4,80 m²" << "359,95" << true;
        QTest::newRow("6,00") << "5,00 x 1,20 m = 6,00 m²" << "399,95" << true;
        QTest::newRow("7,20") << "6,00 x 1,20 m = 7,20 m²" << "449,95" << true;
        QTest::newRow("8,40") << "7,00 x 1,20 m = 8,40 m²" << "499,95" << true;
    }
    void absorberPriceDecidesTheController()
    {
        QFETCH(QString, row);
        QFETCH(QString, price);
        QFETCH(bool, controller);
        pick("solar_auswahl", "4,00 x 1,20 m = 4,80 m²");
        pick("solar_auswahl", row);
        QCOMPARE(text("psabsorb"), price);
        QCOMPARE(shows("tds3"), controller);
    }

    void choosingTheSameSizeAgainRunsThePriceHandler()
    {
        pick("solar_auswahl", "3,00 x 1,20 m = 3,60 m²");
        control(heating, "tds3")->hide();
        pick("solar_auswahl", "3,00 x 1,20 m = 3,60 m²");
        QVERIFY(shows("tds3"));
        QCOMPARE(text("psabsorb"), QStringLiteral("309,95"));
    }

    void keyboardChoiceAndTypedText()
    {
        auto *sizes = control<QComboBox>(heating, "solar_auswahl");
        sizes->setFocus();
        QTest::keyClick(sizes, Qt::Key_Down);  // the first row: no absorbers
        QTest::keyClick(sizes, Qt::Key_Down);
        QCOMPARE(text("psabsorb"), QStringLiteral("269,95"));
        sizes->lineEdit()->selectAll();
        QTest::keyClicks(sizes->lineEdit(), QStringLiteral("groß"));
        QCOMPARE(text("psabsorb"), QStringLiteral("269,95"));  // no row: nothing changes
        QVERIFY(shows("tds3"));
    }

    // The smallest size brings its total at once; the others at the next recompute.
    void absorbersTotal_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("atOnce");
        QTest::addColumn<QString>("total");
        QTest::newRow("2,40 once") << "2,00 x 1,20 m = 2,40 m²" << "" << "269,95" << "269,95";
        QTest::newRow("6,00 three times") << "5,00 x 1,20 m = 6,00 m²" << "3" << "0,00" << "1199,85";
        QTest::newRow("8,40 fifteen times") << "7,00 x 1,20 m = 8,40 m²" << "15" << "0,00" << "7499,25";
        QTest::newRow("3,60 twice") << "3,00 x 1,20 m = 3,60 m²" << "2" << "0,00" << "619,90";
    }
    void absorbersTotal()
    {
        QFETCH(QString, row);
        QFETCH(QString, quantity);
        QFETCH(QString, atOnce);
        QFETCH(QString, total);
        pick("solar_auswahl", row);
        QCOMPARE(text("gpabsorb"), atOnce);
        if (quantity.isEmpty()) {
            moveOverBackground();
        } else {
            pick("anzdd", quantity);  // the quantity recomputes the absorbers total
            QCOMPARE(text("anz"), quantity);
        }
        QCOMPARE(text("gpabsorb"), total);
        moveOverBackground();
        QCOMPARE(text("gpr"), total);
    }

    void quantityChosenFirst()
    {
        pick("anzdd", "4");
        QCOMPARE(text("gpabsorb"), QStringLiteral("0,00"));
        pick("solar_auswahl", "2,00 x 1,20 m = 2,40 m²");
        QCOMPARE(text("gpabsorb"), QStringLiteral("1079,80"));
    }

    void quantityTypedThatTheListDoesNotHold()
    {
        auto *quantity = control<QComboBox>(heating, "anzdd");
        pick("solar_auswahl", "2,00 x 1,20 m = 2,40 m²");
        quantity->lineEdit()->selectAll();
        QTest::keyClicks(quantity->lineEdit(), QStringLiteral("2"));
        QCOMPARE(text("anz"), QStringLiteral("2"));
        QTest::keyClicks(quantity->lineEdit(), QStringLiteral("0"));
        QCOMPARE(user->errors, QStringList{"'' is not a valid floating point value"});
        QCOMPARE(text("anz"), QStringLiteral("2"));
        QCOMPARE(text("gpabsorb"), QStringLiteral("539,90"));
        user->errors.clear();
    }

    void controllerOnAndOff()
    {
        pick("solar_auswahl", "6,00 x 1,20 m = 7,20 m²");
        press("tds3");
        QVERIFY(shows("Panel6"));
        QVERIFY(shows("TDS"));
        QVERIFY(timer("Timer1")->isActive());
        QCOMPARE(text("ptds"), QStringLiteral("629,00"));
        QCOMPARE(text("gpr"), QStringLiteral("1078,95"));

        press("tds3");
        QVERIFY(!shows("Panel6"));
        QVERIFY(!shows("TDS"));
        QVERIFY(!timer("Timer1")->isActive());
        QCOMPARE(text("ptds"), QStringLiteral("0,00"));
        QCOMPARE(text("gpr"), QStringLiteral("449,95"));
    }

    void controllerKeepsItsPriceWhenNoAbsorberIsChosen()
    {
        pick("solar_auswahl", "2,00 x 1,20 m = 2,40 m²");
        press("tds3");
        pick("solar_auswahl", "Ich möchte keine Solarabsorber");
        QVERIFY(!shows("tds3"));
        QVERIFY(control<QCheckBox>(heating, "tds3")->isChecked());
        moveOverBackground();
        QCOMPARE(text("gpabsorb"), QStringLiteral("0,00"));
        QCOMPARE(text("gpr"), QStringLiteral("629,00"));
    }

    void controllerPicturesTakeTurns()
    {
        pick("solar_auswahl", "2,00 x 1,20 m = 2,40 m²");
        press("tds3");
        QVERIFY(shows("Image3") && !shows("Image4"));
        QVERIFY(timer("Timer1")->isActive() && !timer("Timer2")->isActive());

        fire("Timer1");  // the first turn keeps the first picture
        QVERIFY(shows("Image3") && !shows("Image4"));
        QVERIFY(!timer("Timer1")->isActive() && timer("Timer2")->isActive());

        fire("Timer2");
        QVERIFY(!shows("Image3") && shows("Image4"));
        QVERIFY(timer("Timer1")->isActive() && !timer("Timer2")->isActive());

        fire("Timer1");
        QVERIFY(shows("Image3") && !shows("Image4"));
        QVERIFY(timer("Timer2")->isActive());
    }

    void controllerPicturesAtTheirOwnPace()
    {
        pick("solar_auswahl", "2,00 x 1,20 m = 2,40 m²");
        press("tds3");
        timer("Timer1")->setInterval(1);
        timer("Timer2")->setInterval(1);
        timer("Timer1")->start();
        QVERIFY(QSignalSpy(timer("Timer2"), &QTimer::timeout).wait());
        QVERIFY(shows("Image4") && !shows("Image3"));
        QVERIFY(QSignalSpy(timer("Timer1"), &QTimer::timeout).wait());
        QVERIFY(shows("Image3") && !shows("Image4"));
    }

    void heatPumpByPoolVolume_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("price");
        QTest::newRow("11") << "11" << "1199,00";
        QTest::newRow("20") << "20" << "1199,00";
        QTest::newRow("22") << "22" << "1499,00";
        QTest::newRow("31") << "31" << "1899,00";
        QTest::newRow("56") << "56" << "2299,00";
        QTest::newRow("60") << "60" << "2299,00";
        QTest::newRow("64 keeps the field") << "64" << "0,00";
        QTest::newRow("75 keeps the field") << "75" << "0,00";
    }
    void heatPumpByPoolVolume()
    {
        QFETCH(QString, volume);
        QFETCH(QString, price);
        daten.volumen = volume;
        press("wp");
        QVERIFY(shows("wpinfo"));
        QVERIFY(shows("Panel9"));
        QCOMPARE(text("wpp"), price);
        QCOMPARE(text("gpr"), price);

        press("wp");
        QCOMPARE(text("wpp"), QStringLiteral("0,00"));
        QVERIFY(!shows("wpinfo"));
        QVERIFY(!shows("Panel9"));
        QCOMPARE(text("gpr"), QStringLiteral("0,00"));
    }

    void largePoolKeepsAPriceTypedByTheDealer()
    {
        daten.volumen = QStringLiteral("70");
        edit("wpp")->selectAll();
        QTest::keyClicks(edit("wpp"), QStringLiteral("3450"));
        press("wp");
        QCOMPARE(text("wpp"), QStringLiteral("3450"));  // no price field: as typed
        QCOMPARE(text("gpr"), QStringLiteral("3450,00"));
    }

    void showerOnlyWalk()
    {
        press("solard");
        QCOMPARE(text("psolar"), QStringLiteral("629,00"));
        QCOMPARE(text("gpr"), QStringLiteral("629,00"));
        clickOn(control(heating, "Button3"));
        QVERIFY(becomesActive(page(PageId::TSkimmer)));
        QCOMPARE(daten.heizungspreis, QStringLiteral("629,00"));
        QCOMPARE(daten.waermepumpenpreis, QStringLiteral("0,00"));
        QCOMPARE(daten.summe5, QStringLiteral("629"));
    }

    void nextAddsTheFilterTotal()
    {
        daten.summe4 = QStringLiteral("1000,50");
        daten.volumen = QStringLiteral("14");
        closePage(heating);
        goTo(heating);
        QCOMPARE(text("bsp"), QStringLiteral("1000,50"));
        pick("solar_auswahl", "2,00 x 1,20 m = 2,40 m²");
        press("wp");
        press("solard");
        press("solard");
        clickOn(control(heating, "Button3"));
        QCOMPARE(text("gpr"), QStringLiteral("1468,95"));
        QCOMPARE(daten.heizungspreis, QStringLiteral("1468,95"));
        QCOMPARE(daten.waermepumpenpreis, QStringLiteral("1199,00"));
        QCOMPARE(daten.summe5, QStringLiteral("2469,45"));  // shortest text: "added" is no price field
        QVERIFY(!control<QCheckBox>(heating, "nein")->isChecked());
    }

    void totalOfHalfACentStoredWithOneDecimal()
    {
        daten.summe4 = QStringLiteral("0,5");
        closePage(heating);
        goTo(heating);
        QCOMPARE(text("bsp"), QStringLiteral("0,50"));
        press("solard");
        clickOn(control(heating, "Button3"));
        QCOMPARE(daten.summe5, QStringLiteral("629,5"));
    }

    // A store never walked through reads as no total at all, without an error.
    void emptyFilterTotalShowsAsZero()
    {
        daten.summe4.clear();
        closePage(heating);
        goTo(heating);
        QCOMPARE(text("bsp"), QStringLiteral("0,00"));
    }

    // Raising the open page keeps the old total; "&Weiter -->" reads it afresh.
    void filterTotalReadWhenShownAndOnNext()
    {
        daten.summe4 = QStringLiteral("100,00");
        closePage(heating);
        goTo(heating);
        goTo(PageId::TFip);
        daten.summe4 = QStringLiteral("200,00");
        goTo(heating);
        QCOMPARE(text("bsp"), QStringLiteral("100,00"));
        press("solard");
        QCOMPARE(text("added"), QStringLiteral("729"));
        clickOn(control(heating, "Button3"));
        QCOMPARE(text("bsp"), QStringLiteral("200,00"));
        QCOMPARE(daten.summe5, QStringLiteral("829"));

        // a change after "&Weiter -->" waits for the next one
        goTo(heating);
        press("solard");
        QCOMPARE(daten.heizungspreis, QStringLiteral("629,00"));
        QCOMPARE(daten.summe5, QStringLiteral("829"));
    }

    void navigation()
    {
        clickOn(control(heating, "SpeedButton1"));
        QVERIFY(becomesActive(page(PageId::Tsber)));
        closePage(PageId::Tsber);
        goTo(heating);
        goToEntry(page(heating), GoTo::ZezuraraBerechnung)->trigger();
        QVERIFY(becomesActive(page(PageId::Tsber)));
        goTo(heating);
        clickOn(control(heating, "Button2"));
        QVERIFY(becomesActive(page(PageId::TFip)));
    }

    void ownMenuEntryBringsTheShowerDescriptionBack()
    {
        QAction *self = goToEntry(page(heating), GoTo::Wassererwaermung);
        control(heating, "solar")->hide();
        self->trigger();
        QVERIFY(shows("solar"));
        QVERIFY(self->isChecked());
        QVERIFY(isShowing(heating));
    }

    void picturesZoomAndReturn()
    {
        QWidget *shower = control(heating, "Image1");
        clickOn(shower);
        QCOMPARE(shower->size(), QSize(150, 300));
        doubleClickOn(shower);
        QCOMPARE(shower->size(), QSize(97, 145));

        QWidget *absorberPanel = control(heating, "Panel8");
        const QRect absorberHome = absorberPanel->geometry();
        QCOMPARE(absorberHome.size(), QSize(223, 151));
        QCOMPARE(absorberHome.left(), 512);
        clickOn(control(heating, "Image2"));
        clickOn(control(heating, "Image2"));
        QCOMPARE(absorberPanel->geometry(), QRect(312, absorberHome.top(), 423, 351));
        doubleClickOn(control(heating, "Image2"));
        QCOMPARE(absorberPanel->geometry(), absorberHome);

        pick("solar_auswahl", "2,00 x 1,20 m = 2,40 m²");
        press("tds3");
        QWidget *controllerPanel = control(heating, "Panel6");
        const QPoint controllerAt = controllerPanel->pos();
        clickOn(control(heating, "Image3"));
        QCOMPARE(controllerPanel->size(), QSize(195, 187));
        fire("Timer1");
        fire("Timer2");  // the second picture grows the panel too
        clickOn(control(heating, "Image4"));
        QCOMPARE(controllerPanel->size(), QSize(295, 287));
        doubleClickOn(control(heating, "Image4"));
        QCOMPARE(controllerPanel->geometry(), QRect(controllerAt, QSize(95, 87)));

        press("wp");
        QWidget *pumpPanel = control(heating, "Panel9");
        const QRect pumpHome = pumpPanel->geometry();
        QCOMPARE(pumpHome.size(), QSize(183, 119));
        QCOMPARE(pumpHome.top(), 344);
        clickOn(control(heating, "Image5"));
        QCOMPARE(pumpPanel->geometry(), QRect(pumpHome.left(), 244, 283, 219));
        doubleClickOn(control(heating, "Image5"));
        QCOMPARE(pumpPanel->geometry(), pumpHome);
    }

    void fieldThatHoldsNoNumberStopsTheRecompute()
    {
        press("solard");
        edit("wpp")->selectAll();
        QTest::keyClicks(edit("wpp"), QStringLiteral("viel"));
        settle();
        QCOMPARE(user->errors, QStringList());  // typing is no choice yet
        QTest::keyClick(edit("wpp"), Qt::Key_Tab);  // leaving the field by keyboard is
        settle();
        QCOMPARE(user->errors, QStringList{"'viel' is not a valid floating point value"});
        moveOverBackground();
        QCOMPARE(user->errors, QStringList(2, "'viel' is not a valid floating point value"));
        QCOMPARE(text("gpr"), QStringLiteral("629,00"));
        user->errors.clear();
    }

    // The error box closed by a key stays closed: keys in the box are none of the page's,
    // and only the next key on the page recomputes, and asks, again.
    void aClosedErrorBoxStaysClosed_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void aClosedErrorBoxStaysClosed()
    {
        QFETCH(int, key);
        press("solard");
        edit("wpp")->selectAll();
        QTest::keyClicks(edit("wpp"), QStringLiteral("viel"));
        ErrorBoxes boxes(user, Qt::Key(key));
        QTest::keyClick(edit("wpp"), Qt::Key_Tab);
        QTRY_COMPARE(boxes.shown, 1);
        // The desktop hands the activation back to the page as the box closes.
        QTRY_VERIFY(!QApplication::activeModalWidget());
        page(heating)->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page(heating)));
        QCoreApplication::processEvents();
        QCOMPARE(boxes.shown, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(boxes.shown, 2);
    }
};

NIXARO_TEST_MAIN(WaterHeatingTest)
#include "tst_waterheating.moc"
