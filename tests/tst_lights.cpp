// The underwater lights page: the look-up of the chosen light, the line and page totals,
// the running total read when the page is shown, and what "&Weiter -->" hands on.
#include "testsupport.h"

#include "app/daten.h"
#include "app/handlers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace app;
using namespace testing;

namespace {

constexpr PageId lightsPage = PageId::TLight;
const QString halogen = QStringLiteral("Einhänge-Halogen-Scheinwerfer");

template<typename T = QWidget>
T *on(const char *name)
{
    return control<T>(lightsPage, name);
}

QString text(const char *edit)
{
    return on<QLineEdit>(edit)->text();
}

// A row chosen in the combo box's list as the user does it: opened, row marked, Enter.
void pick(const char *combo, const QString &row)
{
    auto *box = on<QComboBox>(combo);
    box->showPopup();
    // The list opens below its box, not over it.
    QVERIFY(box->view()->window()->y() >= box->mapToGlobal(QPoint(0, box->height() - 1)).y());
    box->view()->setCurrentIndex(box->model()->index(box->findText(row, Qt::MatchExactly), 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
}

const char *const allPictures[] = {"einhHalo",   "led_uw_1",   "led_uw_2",   "led_flach_weiss_abs",
                                   "led_magnet", "uw_einfa_1", "uw_einfa_2", "uw_einfa_3",
                                   "led_UW_252", "aqua_slime_line", "aqua_delight_compact"};

QStringList shownPictures()
{
    QStringList shown;
    for (const char *name : allPictures)
        if (!on(name)->isHidden())
            shown << QString::fromLatin1(name);
    return shown;
}

} // namespace

class LightsTest : public QObject
{
    Q_OBJECT

    FreshProgram program;
    FakeDialogs *user = nullptr;

    void walkIn(const QString &previousTotal)
    {
        daten.summe6 = previousTotal;
        goTo(lightsPage);
    }

    void next()
    {
        clickOn(on("Button2"));
        QVERIFY(becomesActive(page(PageId::Tbrs)));
    }

private Q_SLOTS:
    void init()
    {
        user = &program.start();
    }
    void cleanup()
    {
        program.end();
    }

    void listsAsTheWalkFindsThem()
    {
        walkIn(QStringLiteral("0"));
        auto *lights = on<QComboBox>("licht_auswahl");
        QCOMPARE(lights->count(), 6);
        QCOMPARE(lights->currentIndex(), -1);
        QCOMPARE(lights->itemText(0), QStringLiteral("Wählen Sie einen Unterwasserscheinwerfer aus dieser Liste"));
        QCOMPARE(lights->itemText(5), QString());
        QVERIFY(!lights->isEditable());
        auto *count = on<QComboBox>("anz");
        QCOMPARE(count->count(), 10);
        QCOMPARE(count->currentText(), QStringLiteral("1"));
        QCOMPARE(count->itemText(9), QStringLiteral("10"));
        QVERIFY(shownPictures().isEmpty());
    }

    void lookUpAndTotals_data()
    {
        QTest::addColumn<QString>("light");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("prices");  // unit, line total, page total
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<QString>("description");
        QTest::newRow("three halogen lights")
            << halogen << "3" << QStringList{"149,95", "449,85", "2449,85"} << QStringList{"einhHalo"}
            << "aus Kunststoff inkl. 4 Farbscheiben rot, gelb, grün, blau, zum Nachrüsten für Stahlwandbecken ohne "
               "HP-Handlauf, steckerfertig montiert, inkl. Trafo, Kabellänge 7 m, 75 W/12 V";
        QTest::newRow("ABS light, two pictures")
            << "LED-Unterwasserscheinwerfer aus ABS für Aufstellbecken" << "1"
            << QStringList{"209,95", "209,95", "2209,95"} << QStringList{"led_uw_1", "led_uw_2"}
            << "Befestigung an einer Einlaufdüse. RGB Farblicht 180 LED, 7 Farben und 3 verschiedenen Programme. "
               "Farbwahl durch schnelles Ein-/Ausschalten oder per Fernbedienung.6 m Kabel; Trafo 230/12 V";
        QTest::newRow("white flat light, added lines")
            << "LED-Flachscheinwerfer aus ABS, Licht: weiß 24,2 Watt" << "10"
            << QStringList{"229,95", "2299,50", "4299,50"} << QStringList{"led_flach_weiss_abs"}
            << "Betriebsdauer ca. 10.000 Std. 1½\" AG zum Einbau in bauseitige Durchführung oder Düsengrundelement, "
               "39 LEDS . Leistung: 24,2 W, 1.860 Lumen. \ninkl.  Kabel";
        QTest::newRow("RGB flat light, line and empty line")
            << "LED-Flachscheinwerfer aus ABS, Licht: RGB" << "2" << QStringList{"279,95", "559,90", "2559,90"}
            << QStringList{"led_flach_weiss_abs"}
            << "Licht: RGB 11 Farben und 5 Programme, inkl. Fernedienung Betriebsdauer ca. 15.000 Std. 1½\" AG zum "
               "Einbau in bauseitige Durchführung oder Düsengrundelement, mit Kabel, 270 LEDS. Leistung: 510 Lumen.\n";
        QTest::newRow("the prompt") << "Wählen Sie einen Unterwasserscheinwerfer aus dieser Liste" << "4"
                                    << QStringList{"0,00", "0,00", "2000,00"} << QStringList{} << "";
        QTest::newRow("the empty item") << "" << "1" << QStringList{"0,00", "0,00", "2000,00"} << QStringList{} << "";
    }
    void lookUpAndTotals()
    {
        QFETCH(QString, light);
        QFETCH(QString, count);
        QFETCH(QStringList, prices);
        QFETCH(QStringList, pictures);
        QFETCH(QString, description);
        walkIn(QStringLiteral("2000,00"));
        pick("licht_auswahl", halogen);  // a light before: its memo, pictures and price go
        pick("licht_auswahl", light);
        pick("anz", count);
        QCOMPARE((QStringList{text("Licht_preis_einzel"), text("licht_preis_gesamt"), text("gpr")}), prices);
        QCOMPARE(shownPictures(), pictures);
        auto *memo = on<QPlainTextEdit>("Licht_info");
        QCOMPARE(memo->toPlainText(), description);
        QCOMPARE(memo->textCursor().position(), 0);
        QVERIFY(user->errors.isEmpty());
    }

    void nextStoresGeneralNumberTexts_data()
    {
        QTest::addColumn<QString>("previousTotal");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("lightsPrice");
        QTest::addColumn<QString>("total");
        QTest::newRow("three halogen lights") << "2131,85" << "3" << "449,85" << "2581,7";
        QTest::newRow("trailing zero dropped") << "0" << "2" << "299,9" << "299,9";
        QTest::newRow("whole number without comma") << "100,05" << "1" << "149,95" << "250";
    }
    void nextStoresGeneralNumberTexts()
    {
        QFETCH(QString, previousTotal);
        QFETCH(QString, count);
        QFETCH(QString, lightsPrice);
        QFETCH(QString, total);
        walkIn(previousTotal);
        pick("licht_auswahl", halogen);
        pick("anz", count);
        next();
        QCOMPARE(daten.lichtpreis, lightsPrice);
        QCOMPARE(daten.lichtzeile, halogen);
        QCOMPARE(daten.summe7, total);
    }

    void nextWithoutAChoice()
    {
        walkIn(QStringLiteral("2131,80"));
        next();
        QCOMPARE(daten.lichtpreis, QStringLiteral("0"));
        QCOMPARE(daten.lichtzeile, QString());
        QCOMPARE(daten.summe7, QStringLiteral("2131,8"));
    }

    // "&Weiter -->" reads the running total again and takes a unit price typed by hand.
    void nextRereadsTheTotalAndTakesATypedPrice()
    {
        walkIn(QStringLiteral("1000"));
        pick("licht_auswahl", halogen);
        pick("anz", QStringLiteral("2"));
        setText(on<QLineEdit>("Licht_preis_einzel"), QStringLiteral("100"));
        QCOMPARE(text("Licht_preis_einzel"), QStringLiteral("100,00"));
        daten.summe6 = QStringLiteral("500");
        next();
        QCOMPARE(daten.lichtpreis, QStringLiteral("200"));
        QCOMPARE(daten.summe7, QStringLiteral("700"));
    }

    void quantityRepickLooksTheLightUpAgain()
    {
        walkIn(QStringLiteral("0"));
        pick("licht_auswahl", halogen);
        setText(on<QLineEdit>("Licht_preis_einzel"), QStringLiteral("100"));
        on<QPlainTextEdit>("Licht_info")->clear();
        on("einhHalo")->hide();
        pick("anz", QStringLiteral("1"));  // the row already chosen
        QCOMPARE(text("Licht_preis_einzel"), QStringLiteral("149,95"));
        QCOMPARE(text("licht_preis_gesamt"), QStringLiteral("149,95"));
        QVERIFY(on<QPlainTextEdit>("Licht_info")->toPlainText().startsWith(u"aus Kunststoff"));
        QCOMPARE(shownPictures(), QStringList{"einhHalo"});
    }

    // The running total is read when the page becomes visible, not when it is raised again.
    void totalReadWhenShownAndOnEveryChoice()
    {
        walkIn(QStringLiteral("100"));
        QCOMPARE(text("Beckenpreis"), QStringLiteral("100,00"));
        daten.summe6 = QStringLiteral("200");
        goTo(PageId::TSkimmer);
        goTo(lightsPage);
        QCOMPARE(text("Beckenpreis"), QStringLiteral("100,00"));
        pick("anz", QStringLiteral("2"));
        QCOMPARE(text("Beckenpreis"), QStringLiteral("200,00"));
        QCOMPARE(text("gpr"), QStringLiteral("200,00"));
    }

    void typedTextThatIsNoPriceStoresNothing()
    {
        walkIn(QStringLiteral("0"));
        pick("licht_auswahl", halogen);
        QLineEdit *unit = on<QLineEdit>("Licht_preis_einzel");
        unit->selectAll();
        QTest::keyClicks(unit, QStringLiteral("x"));
        QCOMPARE(user->errors, QStringList{"'x' is not a valid floating point value"});
        daten.lichtpreis = QStringLiteral("vorher");
        clickOn(on("Button2"));
        QCOMPARE(user->errors.size(), 2);
        QCOMPARE(daten.lichtpreis, QStringLiteral("vorher"));
        QVERIFY(page(PageId::Tbrs)->isHidden());
    }
};

NIXARO_TEST_MAIN(LightsTest)
#include "tst_lights.moc"
