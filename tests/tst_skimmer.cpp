// The skimmer page: skimmer and nozzle prices for the pool's shape, the wall feed-through,
// the count, the refusal with the cartridge filter, what activation keeps, the pictures
// and what "&Weiter -->" hands on.
#include "testsupport.h"

#include "app/daten.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace app;
using namespace testing;

namespace {

constexpr PageId skimmerPage = PageId::TSkimmer;
const QString cartridge = QStringLiteral("Einhängekartuschenfilter Pumpenleistung 5 m³/h");
const QString sandFilter = QStringLiteral("Kunststoffkessel 300 / Top mount /Aqua Plus 4");

template<typename T = QWidget>
T *on(const char *name)
{
    return control<T>(skimmerPage, name);
}

QString text(const char *edit)
{
    return on<QLineEdit>(edit)->text();
}

QStringList lines(const char *list)
{
    QStringList texts;
    auto *box = on<QListWidget>(list);
    for (int i = 0; i < box->count(); ++i)
        texts << box->item(i)->text();
    return texts;
}

// A click as the user makes it, on the radio button's or check box's indicator.
void press(const char *name)
{
    QWidget *widget = on(name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

QPoint background()
{
    return testing::backgroundPoint(skimmerPage);
}

void mouseOnBackground(QEvent::Type type)
{
    QWidget *client = page(skimmerPage)->client();
    const QPoint pos = background();
    QMouseEvent e(type, pos, client->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(client, &e);
}

void moveOverPage()
{
    mouseOnBackground(QEvent::MouseMove);
}

// Leaves the page for the lights page and comes back: an activation of the skimmer page.
void comeBack()
{
    goTo(PageId::TLight);
    goTo(skimmerPage);
}

bool shown(const char *name)
{
    return !on(name)->isHidden();
}

} // namespace

class SkimmerTest : public QObject
{
    Q_OBJECT

    FreshProgram program;
    FakeDialogs *user = nullptr;

    void walkIn(const QString &shape, const QString &previousTotal = QStringLiteral("2000,00"),
                const QString &filter = QStringLiteral("Kunststoffkessel 300 / Top mount /Aqua Plus 4"))
    {
        daten.beckenform = shape;
        daten.summe5 = previousTotal;
        daten.filtertyp = filter;
        goTo(skimmerPage);
    }

    void next()
    {
        clickOn(on("Button2"));
        QVERIFY(becomesActive(page(PageId::TLight)));
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

    void pricesAndLines_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("count");  // row of anzed; empty: none chosen
        QTest::addColumn<QStringList>("prices");  // prsk, ped, gesed, gpr after a mouse move
        QTest::addColumn<QString>("skimmerLine");
        QTest::addColumn<QString>("nozzleLine");

        QTest::newRow("round, plastic, two plastic nozzles")
            << "Rundbecken" << QStringList{"ebsk1", "zed", "ked"} << "2"
            << QStringList{"69,95", "30,95", "61,90", "2131,85"} << "Einbauskimmerset"
            << "zusätzliche Kunststoff Einlaufdüse     2 x";
        QTest::newRow("rectangular, plastic with wall feed-through")
            << "Rechteckbecken" << QStringList{"ebsk1", "zed", "ked"} << ""
            << QStringList{"90,00", "49,95", "49,95", "2139,95"} << "Einbauskimmerset"
            << "zusätzliche Wanddurchführung inkl. Einlaufdüse aus Kunststoff     1 x";
        QTest::newRow("rectangular, bronze nozzle")
            << "Rechteckbecken" << QStringList{"Bronzeskim", "zed", "bed"} << ""
            << QStringList{"1310,00", "179,95", "179,95", "3489,95"} << "Oberflächenabsauger/Skimmer aus Rotguss"
            << "zusätzliche Wanddurchführung inkl. Einlaufdüse aus Rotguss     1 x";
        QTest::newRow("oval, bronze, three bronze nozzles")
            << "Ovalformbecken" << QStringList{"Bronzeskim", "zed", "bed"} << "3"
            << QStringList{"1200,00", "105,00", "315,00", "3515,00"} << "Oberflächenabsauger/Skimmer aus Rotguss"
            << "zusätzliche Einlaufdüse aus Rotguss     3 x";
        QTest::newRow("figure-eight, nozzles only")
            << "Achtformbecken" << QStringList{"zed", "ked"} << "6"
            << QStringList{"0,00", "30,95", "185,70", "2185,70"} << "Kein Einbauskimmerset ausgewählt !!!"
            << "zusätzliche Kunststoff Einlaufdüse     6 x";
        QTest::newRow("nothing chosen") << "Rundbecken" << QStringList{} << ""
                                        << QStringList{"0,00", "0,00", "0,00", "2000,00"}
                                        << "Kein Einbauskimmerset ausgewählt !!!"
                                        << "Keine zusätzliche Einlaufdüse ausgewählt !!!";
        QTest::newRow("type chosen, box left unchecked")
            << "Rundbecken" << QStringList{"ked"} << "" << QStringList{"0,00", "0,00", "0,00", "2000,00"}
            << "Kein Einbauskimmerset ausgewählt !!!" << "Keine zusätzliche Einlaufdüse ausgewählt !!!";
    }
    void pricesAndLines()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, clicks);
        QFETCH(QString, count);
        QFETCH(QStringList, prices);
        QFETCH(QString, skimmerLine);
        QFETCH(QString, nozzleLine);
        walkIn(shape);
        for (const QString &name : clicks)
            press(qPrintable(name));
        if (!count.isEmpty())
            pick(on<QComboBox>("anzed"), count);
        moveOverPage();
        QCOMPARE((QStringList{text("prsk"), text("ped"), text("gesed"), text("gpr")}), prices);
        QCOMPARE(daten.summe6, prices.last());
        next();
        QCOMPARE(daten.skimmerzeile, skimmerLine);
        QCOMPARE(daten.duesenzeile, nozzleLine);
        QCOMPARE(daten.summe6, prices.last());
        QVERIFY(user->errors.isEmpty());
    }

    void skimmerDescriptionAndPicturePage_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tabPage");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<bool>("wallLine");  // "Mauerdruchführung" or "Wanddurchführung:" listed
        QTest::newRow("plastic, rectangular") << "Rechteckbecken" << "ebsk1" << "TabSheet1" << 2 << true;
        QTest::newRow("plastic, round") << "Rundbecken" << "ebsk1" << "TabSheet1" << 2 << false;
        QTest::newRow("bronze, rectangular") << "Rechteckbecken" << "Bronzeskim" << "TabSheet2" << 8 << true;
        QTest::newRow("bronze, oval") << "Ovalformbecken" << "Bronzeskim" << "TabSheet2" << 7 << false;
    }
    void skimmerDescriptionAndPicturePage()
    {
        QFETCH(QString, shape);
        QFETCH(QString, button);
        QFETCH(QString, tabPage);
        QFETCH(int, lineCount);
        QFETCH(bool, wallLine);
        walkIn(shape);
        press(qPrintable(button));
        const QStringList listed = lines("sk1");
        QCOMPARE(listed.size(), lineCount);
        const bool hasWallLine = listed.join(u'\n').contains(u"Mauerdruchführung")
            || listed.contains(QStringLiteral("Wanddurchführung:"));
        QCOMPARE(hasWallLine, wallLine);
        QCOMPARE(on<QTabWidget>("tab")->currentWidget()->objectName(), tabPage);
    }

    void skimmersExcludeEachOtherAndPopupClearsThem()
    {
        walkIn(QStringLiteral("Rundbecken"));
        press("Bronzeskim");
        press("ebsk1");
        QVERIFY(!on<QRadioButton>("Bronzeskim")->isChecked());
        QCOMPARE(lines("sk1").last(), QStringLiteral("Skimmeröffnung 151 x141 mm"));
        QVERIFY(shown("skim1") && !shown("bsk2"));

        auto *menu = page(skimmerPage)->findChild<QMenu *>(QStringLiteral("PopupMenu1"));
        QAction *none = menu->findChild<QAction *>(QStringLiteral("KeinSkim"));
        QCOMPARE(none->text(), QStringLiteral("Keinen Skimmer auswählen"));
        QCOMPARE(on("ebsk1")->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(on("Bronzeskim")->contextMenuPolicy(), Qt::CustomContextMenu);
        none->trigger();
        QVERIFY(!on<QRadioButton>("ebsk1")->isChecked() && !on<QRadioButton>("Bronzeskim")->isChecked());
        QVERIFY(lines("sk1").isEmpty());
        QCOMPARE(text("prsk"), QStringLiteral("0,00"));
        next();
        QCOMPARE(daten.skimmerzeile, QStringLiteral("Kein Einbauskimmerset ausgewählt !!!"));
    }

    void rectangularPoolKeepsTheWallFeedThrough()
    {
        walkIn(QStringLiteral("Rechteckbecken"));
        QVERIFY(!shown("Wand_info"));
        press("zed");
        press("bed");
        auto *wall = on<QCheckBox>("wanddurch");
        QVERIFY(wall->isChecked() && !wall->isEnabled());
        QCOMPARE(text("ped"), QStringLiteral("179,95"));
        QCOMPARE(lines("eed"), (QStringList{"Wanddurchführung:,",
                                            "Aus Rotguss, V4A Blende Bronziert, Polierter Oberfläche. 1,5\" IG."}));
        QVERIFY(shown("tabein"));
        QCOMPARE(on<QTabWidget>("tabein")->currentWidget()->objectName(), QStringLiteral("TabSheet4"));
        QCOMPARE(on<QTabWidget>("tabein")->tabText(1), QStringLiteral("Bronzeeinlaufdüse"));
        moveOverPage();
        QVERIFY(shown("Wand_info"));
    }

    void otherPoolsTakeNoWallFeedThrough()
    {
        walkIn(QStringLiteral("Rundbecken"));
        press("zed");
        press("ked");
        auto *wall = on<QCheckBox>("wanddurch");
        QVERIFY(!wall->isChecked() && wall->isEnabled());
        press("wanddurch");  // unchecked again at once
        QVERIFY(!wall->isChecked());
        QCOMPARE(text("ped"), QStringLiteral("30,95"));
        QCOMPARE(lines("eed"), (QStringList{"komplett mit Dichtungen und Schrauben,", "R2\" außen und d-50 innen."}));
        QVERIFY(shown("zed2"));
        QCOMPARE(on<QTabWidget>("tabein")->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
    }

    void switchingTypesListsOnlyTheCurrentNozzle()
    {
        walkIn(QStringLiteral("Rundbecken"));
        press("zed");
        for (const char *type : {"ked", "bed", "ked", "bed"})
            press(type);
        QCOMPARE(lines("eed"), (QStringList{"Einlaufdüse:",
                                            "Aus Rotguss, V4A Blende Bronziert, Polierter Oberfläche. 1,5\" IG.",
                                            "Kugel aus V4A 20mm, inkl. Folienflanschsatz."}));
        QCOMPARE(text("ped"), QStringLiteral("105,00"));
    }

    void uncheckingTheNozzlesClearsThem()
    {
        walkIn(QStringLiteral("Rundbecken"));
        press("zed");
        press("ked");
        pick(on<QComboBox>("anzed"), QStringLiteral("4"));
        QCOMPARE(text("gesed"), QStringLiteral("123,80"));
        press("zed");
        QVERIFY(lines("eed").isEmpty());
        QVERIFY(!shown("tabein") && !shown("zed2"));
        QCOMPARE(text("ped"), QStringLiteral("0,00"));
        QCOMPARE(text("anz"), QStringLiteral("0"));
        QCOMPARE(on<QComboBox>("anzed")->currentText(), QStringLiteral("0"));
        QCOMPARE(text("gesed"), QStringLiteral("0,00"));
    }

    // A new choice of type starts again with one nozzle; choosing the row shown again
    // still counts as a choice.
    void newTypeStartsWithOneNozzle()
    {
        walkIn(QStringLiteral("Rundbecken"));
        auto *count = on<QComboBox>("anzed");
        QCOMPARE(count->currentText(), QStringLiteral("0"));
        press("zed");
        press("ked");
        pick(count, QStringLiteral("2"));
        press("bed");
        QCOMPARE(count->currentText(), QStringLiteral("1"));
        QCOMPARE(text("anz"), QStringLiteral("1"));
        pick(count, QStringLiteral("2"));  // the row the list still holds as current
        QCOMPARE(count->currentText(), QStringLiteral("2"));
        QCOMPARE(text("anz"), QStringLiteral("2"));
        QCOMPARE(text("gesed"), QStringLiteral("210,00"));
    }

    // The count that prices the nozzles is the one their line states.
    void typedCountThatIsNoRowPricesNothing()
    {
        walkIn(QStringLiteral("Rundbecken"));
        press("zed");
        press("ked");
        QLineEdit *typed = on<QComboBox>("anzed")->lineEdit();
        typed->selectAll();
        QTest::keyClicks(typed, QStringLiteral("7"));
        QCOMPARE(user->errors, QStringList{"'7' is not a valid floating point value"});
        QCOMPARE(text("anz"), QStringLiteral("1"));
        moveOverPage();
        QCOMPARE(text("gesed"), QStringLiteral("30,95"));
        QCOMPARE(text("gpr"), QStringLiteral("2030,95"));
        next();
        QCOMPARE(daten.duesenzeile, QStringLiteral("zusätzliche Kunststoff Einlaufdüse     1 x"));
        QCOMPARE(daten.summe6, QStringLiteral("2030,95"));
        user->errors.clear();
    }

    void typedRowCounts()
    {
        walkIn(QStringLiteral("Rundbecken"));
        press("zed");
        press("bed");
        QLineEdit *typed = on<QComboBox>("anzed")->lineEdit();
        typed->selectAll();
        QTest::keyClicks(typed, QStringLiteral("3"));
        QVERIFY(user->errors.isEmpty());
        QCOMPARE(text("anz"), QStringLiteral("3"));
        QCOMPARE(text("gesed"), QStringLiteral("315,00"));
    }

    void activationClearsTheSkimmerAndKeepsTheNozzles()
    {
        walkIn(QStringLiteral("Rechteckbecken"));
        press("Bronzeskim");
        press("zed");
        press("ked");
        pick(on<QComboBox>("anzed"), QStringLiteral("3"));
        comeBack();
        QVERIFY(!on<QRadioButton>("Bronzeskim")->isChecked());
        QVERIFY(lines("sk1").isEmpty());
        QCOMPARE(text("prsk"), QStringLiteral("0,00"));
        auto *wall = on<QCheckBox>("wanddurch");
        QVERIFY(wall->isChecked() && !wall->isEnabled());  // checked again for the rectangular pool
        QVERIFY(on<QCheckBox>("zed")->isChecked() && on<QRadioButton>("ked")->isChecked());
        QCOMPARE(on<QComboBox>("anzed")->currentText(), QStringLiteral("3"));
        QCOMPARE(text("anz"), QStringLiteral("3"));
        QCOMPARE(text("gesed"), QStringLiteral("149,85"));
        next();
        QCOMPARE(daten.duesenzeile, QStringLiteral("zusätzliche Wanddurchführung inkl. Einlaufdüse aus Kunststoff     3 x"));
        QCOMPARE(daten.summe6, QStringLiteral("2149,85"));
    }

    void activationFollowsAChangedPoolShape()
    {
        walkIn(QStringLiteral("Rechteckbecken"));
        press("zed");
        press("ked");
        pick(on<QComboBox>("anzed"), QStringLiteral("3"));
        daten.beckenform = QStringLiteral("Rundbecken");
        comeBack();
        auto *wall = on<QCheckBox>("wanddurch");
        QVERIFY(!wall->isChecked() && !wall->isEnabled());
        QCOMPARE(text("ped"), QStringLiteral("30,95"));
        QCOMPARE(text("anz"), QStringLiteral("3"));
        moveOverPage();
        QCOMPARE(text("gesed"), QStringLiteral("92,85"));
        next();
        QCOMPARE(daten.duesenzeile, QStringLiteral("zusätzliche Kunststoff Einlaufdüse     3 x"));
    }

    void comboListIsNoActivation()
    {
        walkIn(QStringLiteral("Rundbecken"));
        press("ebsk1");
        press("zed");
        press("ked");
        pick(on<QComboBox>("anzed"), QStringLiteral("2"));
        settle();
        QVERIFY(on<QRadioButton>("ebsk1")->isChecked());
        QCOMPARE(text("prsk"), QStringLiteral("69,95"));
    }

    // With the cartridge filter neither skimmer nor nozzles are fitted: the choice stays on
    // the page, but the total and the quote leave it out until a sand filter is chosen.
    void cartridgeFilterRefusesSkimmerAndNozzles()
    {
        walkIn(QStringLiteral("Rundbecken"), QStringLiteral("2000,00"), sandFilter);
        press("zed");
        press("ked");
        pick(on<QComboBox>("anzed"), QStringLiteral("2"));
        daten.filtertyp = cartridge;
        press("ebsk1");
        daten.summe6 = QStringLiteral("vorher");
        moveOverPage();
        QVERIFY(shown("Memo1"));
        QCOMPARE(on<QPlainTextEdit>("Memo1")->toPlainText(),
                 QStringLiteral("Für den Einhängekartuschenfilter ist kein Skimmer und keine \n"
                                "Einlaufdüse vorgesehen !\nIn diesem Fall bitte weiter zum Bodenreiniger!"));
        QCOMPARE(text("gpr"), QStringLiteral("2000,00"));
        QCOMPARE(daten.summe6, QStringLiteral("vorher"));  // not written on the move
        for (const char *choice : {"ebsk1", "Bronzeskim", "zed"})
            QVERIFY(!on(choice)->isEnabled());
        QVERIFY(on<QRadioButton>("ebsk1")->isChecked() && on<QCheckBox>("zed")->isChecked());
        next();
        QCOMPARE(daten.skimmerzeile, QStringLiteral("Kein Einbauskimmerset ausgewählt !!!"));
        QCOMPARE(daten.duesenzeile, QStringLiteral("Keine zusätzliche Einlaufdüse ausgewählt !!!"));
        QCOMPARE(daten.summe6, QStringLiteral("2000,00"));

        daten.filtertyp = sandFilter;
        goTo(skimmerPage);
        moveOverPage();
        QVERIFY(!shown("Memo1"));
        QVERIFY(on("zed")->isEnabled() && on("ebsk1")->isEnabled());
        QCOMPARE(text("gpr"), QStringLiteral("2061,90"));
        next();
        QCOMPARE(daten.duesenzeile, QStringLiteral("zusätzliche Kunststoff Einlaufdüse     2 x"));
        QCOMPARE(daten.summe6, QStringLiteral("2061,90"));
    }

    void cartridgeFilterWithoutEarlierChoice()
    {
        walkIn(QStringLiteral("Rundbecken"), QStringLiteral("0"), cartridge);
        next();
        QCOMPARE(daten.skimmerzeile, QStringLiteral("Kein Einbauskimmerset ausgewählt !!!"));
        QCOMPARE(daten.summe6, QStringLiteral("0,00"));
    }

    void totalFollowsEveryMouseMove()
    {
        walkIn(QStringLiteral("Rundbecken"), QStringLiteral("0"));
        press("ebsk1");
        moveOverPage();
        QCOMPARE(text("prbele"), QStringLiteral("0,00"));
        QCOMPARE(daten.summe6, QStringLiteral("69,95"));
        daten.summe5 = QStringLiteral("1000,5");
        moveOverPage();
        QCOMPARE(text("prbele"), QStringLiteral("1000,50"));
        QCOMPARE(daten.summe6, QStringLiteral("1070,45"));
        QCOMPARE(daten.skimmerzeile, QStringLiteral("0"));  // only "&Weiter -->" writes the lines
    }

    void picturesChangeWhileTheButtonIsHeld()
    {
        walkIn(QStringLiteral("Rundbecken"));
        press("zed");
        press("ked");
        QVERIFY(shown("skim1") && shown("zed2") && !shown("bsk2") && !shown("ed1"));
        mouseOnBackground(QEvent::MouseButtonPress);
        QVERIFY(!shown("skim1") && !shown("zed2") && shown("bsk2") && shown("ed1") && !shown("bsk1"));
        mouseOnBackground(QEvent::MouseButtonRelease);
        QVERIFY(shown("skim1") && shown("zed2") && !shown("bsk2") && !shown("ed1") && !shown("bsk1"));
    }

    // Skimmer and lights walked through in order, each total handed on exactly.
    void walkOnThroughTheLights()
    {
        walkIn(QStringLiteral("Rundbecken"), QStringLiteral("2000"));
        press("ebsk1");
        press("zed");
        press("ked");
        pick(on<QComboBox>("anzed"), QStringLiteral("2"));
        next();
        QCOMPARE(daten.summe6, QStringLiteral("2131,85"));
        QCOMPARE(control<QLineEdit>(PageId::TLight, "Beckenpreis")->text(), QStringLiteral("2131,85"));
        pick(control<QComboBox>(PageId::TLight, "licht_auswahl"), QStringLiteral("Einhänge-Halogen-Scheinwerfer"));
        pick(control<QComboBox>(PageId::TLight, "anz"), QStringLiteral("3"));
        QCOMPARE(control<QLineEdit>(PageId::TLight, "gpr")->text(), QStringLiteral("2581,70"));
        clickOn(control(PageId::TLight, "Button2"));
        QVERIFY(becomesActive(page(PageId::Tbrs)));
        QCOMPARE(daten.lichtpreis, QStringLiteral("449,85"));
        QCOMPARE(daten.summe7, QStringLiteral("2581,7"));
    }
};

NIXARO_TEST_MAIN(SkimmerTest)
#include "tst_skimmer.moc"
