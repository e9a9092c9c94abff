// The filter systems page: recommendations by volume, the list of the volume's band,
// the chosen filter and electrolysis unit, the page total and what "&Weiter -->" hands
// on, walked by mouse and by keyboard.
#include "testsupport.h"

#include "app/daten.h"
#include "app/look.h"
#include "app/picturebox.h"
#include "pages/equipment/filtertables.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace app;
using namespace testing;

namespace {

const PageId filterPage = PageId::TFip;

template<typename T = QWidget>
T *filterControl(const char *name)
{
    return control<T>(filterPage, name);
}

QString text(const char *edit)
{
    return filterControl<QLineEdit>(edit)->text();
}

QString label(const char *name)
{
    return filterControl<QLabel>(name)->text();
}

QComboBox *filterList()
{
    return filterControl<QComboBox>("Filterauswahl");
}

QComboBox *electrolysis()
{
    return filterControl<QComboBox>("elektro");
}

QStringList rows(QComboBox *combo)
{
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << combo->itemText(i);
    return names;
}

QString catalogueName(int row)
{
    return filter::catalogue[row - 1].name.toString();
}

// A user's pick: a click on the box's arrow opens the list, the row is chosen in it.
void openList(QComboBox *combo)
{
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 8, combo->height() / 2));
    QTRY_VERIFY(combo->view()->isVisible());
}

void chooseInList(QComboBox *combo, int index)
{
    QVERIFY(index >= 0 && index < combo->count());
    combo->view()->setCurrentIndex(combo->model()->index(index, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
    settle();
}

// A row of the catalogue; the list holds the catalogue's tail.
void pickFilter(int row)
{
    openList(filterList());
    chooseInList(filterList(), row - (int(filter::catalogue.size()) - filterList()->count() + 1));
}

// The text typed over what the edit holds.
void type(QLineEdit *edit, const QString &typed)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
}

void typeVolume(const QString &typed)
{
    type(filterControl<QLineEdit>("vm"), typed);
}

void tabInto(QWidget *before)
{
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    settle();
}

void moveOverBackground()
{
    testing::moveOverBackground(filterPage);
}

bool shown(const char *name)
{
    return !filterControl(name)->isHidden();
}

QStringList shownPictures(const char *panel)
{
    QStringList names;
    for (const PictureBox *picture : filterControl(panel)->findChildren<PictureBox *>())
        if (!picture->isHidden())
            names << picture->objectName();
    return names;
}

QStringList memoLines(const char *memo)
{
    return filterControl<QPlainTextEdit>(memo)->toPlainText().split(u'\n');
}

// The walk as the ladders page leaves it: its total stored, the pool's volume from step 1.
void arriveFromTheLadders(const QString &volume, const QString &total)
{
    daten.volumen = volume;
    daten.summe3 = total;
    goTo(filterPage);
}

} // namespace

class FilterPageTest : public QObject
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

    void recommendationOnArrival_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("firstRow");
        QTest::newRow("8,5") << "8,5" << "Für dieses Becken ist der Einhängekartuschenfilter ausreichend." << " " << 1;
        QTest::newRow("12") << "12" << "Für dieses Becken ist eine Sandfilteranlage mit 320mm Ø ausreichend." << " " << 1;
        QTest::newRow("15") << "15" << "Für dieses Becken ist eine Sandfilteranlage mit 400mm Ø und 6m³/h ausreichend."
                            << " " << 1;
        QTest::newRow("20") << "20" << " " << "Wir empfehlen eine Sandfilteranlage mit 400 mm Ø und 8m³/h." << 1;
        QTest::newRow("25") << "25" << " " << "Wir empfehlen eine Sandfilteranlage mit 500 mm Ø." << 3;
        QTest::newRow("45") << "45" << " " << "Wir empfehlen eine Sandfilteranlage mit 600 mm Ø." << 24;
        QTest::newRow("0") << "0" << " " << " " << 1;
    }
    void recommendationOnArrival()
    {
        QFETCH(QString, volume);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, firstRow);
        arriveFromTheLadders(volume, "1000,00");
        QCOMPARE(text("vm"), volume);
        QCOMPARE(label("pmp1"), first);
        QCOMPARE(label("pmp2"), second);
        tabInto(filterControl("bele"));  // the list is the volume's whether or not it changed
        QCOMPARE(rows(filterList()), filter::namesFrom(firstRow));
        QCOMPARE(filterList()->currentIndex(), -1);
    }

    // A typed volume changes only the second line; the list follows at once.
    void typedVolume_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("firstRow");
        const QString sand400 = "Wir empfehlen eine Sandfilteranlage mit 400 mm Ø und 8m³/h.";
        const QString sand500 = "Wir empfehlen eine Sandfilteranlage mit 500 mm Ø.";
        const QString sand600 = "Wir empfehlen eine Sandfilteranlage mit 600 mm Ø.";
        QTest::newRow("0") << "0" << sand400 << 1;
        QTest::newRow("24") << "24" << sand400 << 1;
        QTest::newRow("24,5") << "24,5" << sand400 << 3;
        QTest::newRow("25") << "25" << sand500 << 3;
        QTest::newRow("39,9") << "39,9" << sand500 << 17;
        QTest::newRow("40") << "40" << sand600 << 17;
        QTest::newRow("64") << "64" << sand600 << 45;
        QTest::newRow("64,1") << "64,1" << sand600 << 47;
        QTest::newRow("120") << "120" << sand600 << 47;
    }
    void typedVolume()
    {
        QFETCH(QString, volume);
        QFETCH(QString, second);
        QFETCH(int, firstRow);
        arriveFromTheLadders("8,5", "1000,00");
        typeVolume(volume);
        QCOMPARE(label("pmp1"), QStringLiteral("Für dieses Becken ist der Einhängekartuschenfilter ausreichend."));
        QCOMPARE(label("pmp2"), second);
        QCOMPARE(rows(filterList()), filter::namesFrom(firstRow));
        QVERIFY(user->errors.isEmpty());
    }

    // Deleting the whole volume is undone: the box gets back what it held before, whether
    // the user typed it or the arrival set it.
    void emptiedVolumeGetsItsTextBack_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("restored");
        QTest::addColumn<int>("firstRow");
        QTest::newRow("typed before") << "30" << "30" << 6;
        QTest::newRow("set on arrival") << "" << "8,5" << 1;
    }
    void emptiedVolumeGetsItsTextBack()
    {
        QFETCH(QString, typed);
        QFETCH(QString, restored);
        QFETCH(int, firstRow);
        arriveFromTheLadders("8,5", "1000,00");
        auto *vm = filterControl<QLineEdit>("vm");
        if (!typed.isEmpty())
            typeVolume(typed);
        vm->setFocus();
        vm->selectAll();
        QTest::keyClick(vm, Qt::Key_Delete);
        QCOMPARE(vm->text(), restored);
        QCOMPARE(label("pmp2"), QString());
        QCOMPARE(rows(filterList()), filter::namesFrom(firstRow));
        QVERIFY(user->errors.isEmpty());
    }

    void nonNumericVolumeIsAConversionError()
    {
        arriveFromTheLadders("8,5", "1000,00");
        typeVolume("x");
        QCOMPARE(user->errors, QStringList{"'x' is not a valid floating point value"});
        QCOMPARE(rows(filterList()), filter::namesFrom(1));  // the list of the volume before
    }

    void chosenFilter_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("picture");
        QTest::newRow("cartridge") << 1 << "599,95" << "ef21";
        QTest::newRow("2") << 2 << "349,95" << "hp30";
        QTest::newRow("13, two blanks") << 13 << "899,00" << "gfkIplus";
        QTest::newRow("30 finds 29") << 30 << "499,95" << "hp30prem";
        QTest::newRow("34") << 34 << "2349,00" << "infh";
        QTest::newRow("56") << 56 << "1799,00" << "kessel";
    }
    void chosenFilter()
    {
        QFETCH(int, row);
        QFETCH(QString, price);
        QFETCH(QString, picture);
        arriveFromTheLadders("8,5", "1000,00");
        pickFilter(row);
        QCOMPARE(filterList()->currentText(), catalogueName(row));
        QCOMPARE(text("prpmp"), price);
        QCOMPARE(shownPictures("Panel1"), QStringList{picture});
        QCOMPARE(memoLines("Memo1"), filter::catalogue[row == 30 ? 28 : row - 1].description());
        QCOMPARE(filterControl<QPlainTextEdit>("Memo1")->verticalScrollBar()->value(), 0);
        QCOMPARE(text("bpg"), QStringLiteral("0,00"));  // the total waits for the electrolysis price or "&Weiter -->"
    }

    void cartridgeWarningOnlyForTheCartridgeFilter()
    {
        arriveFromTheLadders("8,5", "1000,00");
        QVERIFY(!shown("ks"));
        pickFilter(1);
        QVERIFY(shown("ks"));
        QCOMPARE(label("ks"), QStringLiteral("Für diesen Pumpentyp ist kein Skimmer und keine Einlaufdüse vorgesehen !"));
        QCOMPARE(textColour(filterControl("ks")), QColor(0x80, 0, 0));
        // ef21 keeps its own size inside the picture panel; the others fill it.
        QVERIFY(filterControl("ef21")->width() < filterControl("Panel1")->width() - 2);
        QCOMPARE(filterControl("hp30")->width(), filterControl("Panel1")->width() - 2);

        pickFilter(2);
        QVERIFY(!shown("ks"));
        QCOMPARE(shownPictures("Panel1"), QStringList{"hp30"});
    }

    void electrolysisUnit_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("price");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<QString>("total");
        // 1000,00 brought along, the filter of row 2 at 349,95
        QTest::newRow("Hydrolife") << "Salzwasserelektrolyse Hydrolife" << "1399,00" << 8 << QStringList{"hydro"}
                                   << "2748,95";
        QTest::newRow("Oxilife") << "Salzwasserelektrolyse Oxilife" << "1549,00" << 5 << QStringList{"hydro"}
                                 << "2898,95";
        QTest::newRow("Hydrolife WiFi") << "Salzwasserelektrolyse Hydrolife mit WiFi Modul" << "1998,00" << 11
                                        << QStringList{"hydro", "wifi"} << "3347,95";
        QTest::newRow("Oxilife WiFi") << "Salzwasserelektrolyse Oxilife mit WiFi Modul" << "2148,00" << 8
                                      << QStringList{"hydro", "wifi"} << "3497,95";
    }
    void electrolysisUnit()
    {
        QFETCH(QString, unit);
        QFETCH(QString, price);
        QFETCH(int, lineCount);
        QFETCH(QStringList, pictures);
        QFETCH(QString, total);
        arriveFromTheLadders("8,5", "1000,00");
        QCOMPARE(electrolysis()->currentText(), QStringLiteral("Auswahl für Elektrolyseanlage"));
        pickFilter(2);
        pick(electrolysis(), unit);
        QCOMPARE(text("wasseraufb"), price);
        QCOMPARE(memoLines("elektrotxt").size(), lineCount);
        QCOMPARE(memoLines("elektrotxt").last(), QStringLiteral("Größere Anlagen auf Anfrage erhältlich!"));
        QCOMPARE(shownPictures("Panel2"), pictures);
        QCOMPARE(text("bpg"), total);

        // The empty row takes the unit away again.
        pick(electrolysis(), QString());
        QCOMPARE(text("wasseraufb"), QStringLiteral("0,00"));
        QCOMPARE(filterControl<QPlainTextEdit>("elektrotxt")->toPlainText(), QString());
        QCOMPARE(shownPictures("Panel2"), QStringList());
        QCOMPARE(text("bpg"), QStringLiteral("1349,95"));
    }

    void longElectrolysisTextShowsItsFirstLine()
    {
        arriveFromTheLadders("8,5", "1000,00");
        auto *memo = filterControl<QPlainTextEdit>("elektrotxt");
        pick(electrolysis(), "Salzwasserelektrolyse Hydrolife mit WiFi Modul");
        QVERIFY(memo->verticalScrollBar()->maximum() > 0);
        QCOMPARE(memo->verticalScrollBar()->value(), 0);
        memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
        pick(electrolysis(), "Salzwasserelektrolyse Oxilife mit WiFi Modul");
        QCOMPARE(memo->verticalScrollBar()->value(), 0);
    }

    void typedElectrolysisTextIsNoRow()
    {
        arriveFromTheLadders("8,5", "1000,00");
        pick(electrolysis(), "Salzwasserelektrolyse Hydrolife");
        QCOMPARE(text("wasseraufb"), QStringLiteral("1399,00"));
        QLineEdit *edit = electrolysis()->lineEdit();
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, " X");
        QCOMPARE(electrolysis()->currentText(), QStringLiteral("Salzwasserelektrolyse Hydrolife X"));
        QCOMPARE(text("wasseraufb"), QStringLiteral("0,00"));
        QCOMPARE(filterControl<QPlainTextEdit>("elektrotxt")->toPlainText(), QString());
        QCOMPARE(shownPictures("Panel2"), QStringList());
        // Typing the start of a row's name chooses nothing, nor does leaving the box.
        type(edit, "Salzw");
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(electrolysis()->currentText(), QStringLiteral("Salzw"));
        QCOMPARE(text("wasseraufb"), QStringLiteral("0,00"));

        pick(electrolysis(), "Salzwasserelektrolyse Oxilife");
        QCOMPARE(text("wasseraufb"), QStringLiteral("1549,00"));
    }

    // The electrolysis price takes what is typed as it is typed; the total follows.
    void typedElectrolysisPrice()
    {
        arriveFromTheLadders("8,5", "1000,00");
        pickFilter(2);
        type(filterControl<QLineEdit>("wasseraufb"), "250");
        QCOMPARE(text("wasseraufb"), QStringLiteral("250"));
        QCOMPARE(text("bpg"), QStringLiteral("1599,95"));

        type(filterControl<QLineEdit>("wasseraufb"), "x");
        QCOMPARE(user->errors, QStringList{"'x' is not a valid floating point value"});
        QCOMPARE(text("bpg"), QStringLiteral("1599,95"));
    }

    void missingRunningTotalInRed()
    {
        arriveFromTheLadders("8,5", "0");
        moveOverBackground();
        QCOMPARE(text("bele"), QStringLiteral("0,00"));
        QCOMPARE(label("GP"), QStringLiteral("Die Zwischensumme 1 fehlt."));
        QCOMPARE(label("gp2"), QStringLiteral(" Ermittlung der Zwischensumme 2 nicht möglich."));
        QCOMPARE(backgroundColour(filterControl("GP")), QColor(Qt::red));
        QCOMPARE(backgroundColour(filterControl("gp2")), QColor(Qt::red));

        daten.summe3 = QStringLiteral("1234,5");
        moveOverBackground();
        QCOMPARE(text("bele"), QStringLiteral("1234,50"));
        QCOMPARE(label("GP"), QStringLiteral("Bisheriger Gesamtpreis"));
        QCOMPARE(label("gp2"), QStringLiteral(" "));
        QCOMPARE(backgroundColour(filterControl("GP")), Page::pageBlue);
        QCOMPARE(backgroundColour(filterControl("gp2")), Page::pageBlue);
    }

    void nextHandsTheFilterOn()
    {
        arriveFromTheLadders("8,5", "1234,5");
        QCOMPARE(text("bele"), QStringLiteral("1234,50"));
        pickFilter(1);
        clickOn(filterControl<QAbstractButton>("skim"));
        QVERIFY(becomesActive(page(PageId::Tsolar)));
        QCOMPARE(daten.summe4, QStringLiteral("1834,45"));
        QCOMPARE(daten.filtertyp, catalogueName(1));
        QCOMPARE(daten.elektrolyse, QStringLiteral("Auswahl für Elektrolyseanlage"));
        QCOMPARE(daten.wasseraufbereitungspreis, QStringLiteral("0,00"));
        QVERIFY(page(filterPage)->isVisible());  // stays open behind with its state
    }

    void nextWithElectrolysisAndTheEmptyRow()
    {
        arriveFromTheLadders("30", "2000");
        pickFilter(7);
        pick(electrolysis(), "Salzwasserelektrolyse Oxilife mit WiFi Modul");
        clickOn(filterControl<QAbstractButton>("skim"));
        QCOMPARE(daten.summe4, QStringLiteral("4667,00"));
        QCOMPARE(daten.elektrolyse, QStringLiteral("Salzwasserelektrolyse Oxilife mit WiFi Modul"));
        QCOMPARE(daten.wasseraufbereitungspreis, QStringLiteral("2148,00"));

        goTo(filterPage);
        pick(electrolysis(), QString());
        clickOn(filterControl<QAbstractButton>("skim"));
        QCOMPARE(daten.elektrolyse, QString());
        QCOMPARE(daten.wasseraufbereitungspreis, QStringLiteral("0,00"));
        QCOMPARE(daten.summe4, QStringLiteral("2519,00"));
    }

    // A new list has no choice: nothing is described, shown or charged until the user
    // chooses again, and the skimmer page does not see the cartridge filter.
    void newListChargesForNoFilter()
    {
        arriveFromTheLadders("8,5", "1000,00");
        pickFilter(1);
        QCOMPARE(text("prpmp"), QStringLiteral("599,95"));
        typeVolume("30");
        QCOMPARE(filterList()->currentIndex(), -1);
        QCOMPARE(text("prpmp"), QStringLiteral("0,00"));
        QCOMPARE(filterControl<QPlainTextEdit>("Memo1")->toPlainText(), QString());
        QCOMPARE(shownPictures("Panel1"), QStringList());
        QVERIFY(!shown("ks"));
        clickOn(filterControl<QAbstractButton>("skim"));
        QCOMPARE(daten.summe4, QStringLiteral("1000,00"));
        QCOMPARE(daten.filtertyp, QString());
    }

    // Brought to the front from behind with Alt+W on the ladders page and left with Alt+W
    // again, without a mouse move: the total stored is that of the ladders page now.
    void nextReadsTheTotalOfTheLaddersPageAgain()
    {
        arriveFromTheLadders("8,5", "100");
        pickFilter(2);
        goTo(PageId::TLeitern);
        daten.summe3 = QStringLiteral("200,00");
        goTo(filterPage);
        QCOMPARE(text("bele"), QStringLiteral("100,00"));  // raised, not shown anew
        QTest::keyClick(page(filterPage), Qt::Key_W, Qt::AltModifier);
        QVERIFY(becomesActive(page(PageId::Tsolar)));  // an accelerator clicks after a moment
        QCOMPARE(daten.summe4, QStringLiteral("549,95"));
    }

    // Only the user's move to the list rebuilds it: not the focus Qt hands back when the
    // list's popup closes, the page becomes active again or a dialog over it closes.
    void focusReturningToTheListKeepsTheChoice()
    {
        arriveFromTheLadders("8,5", "1000,00");
        pickFilter(4);
        QCOMPARE(filterList()->currentText(), catalogueName(4));
        // (The offscreen platform leaves the closed popup the active window until another
        // page is activated; a desktop hands the focus back to the list at once.)
        goTo(PageId::TLeitern);
        goTo(filterPage);
        QCOMPARE(QApplication::focusWidget(), filterList());
        QCOMPARE(filterList()->currentText(), catalogueName(4));

        daten.volumen = QStringLiteral("25");  // a dialog closing over the page is no arrival
        QDialog dialog(page(filterPage));
        dialog.show();
        QVERIFY(becomesActive(&dialog));
        dialog.close();
        page(filterPage)->activateWindow();  // as the desktop does when the dialog closes
        QVERIFY(becomesActive(page(filterPage)));
        QCOMPARE(text("vm"), QStringLiteral("8,5"));
        QCOMPARE(QApplication::focusWidget(), filterList());
        QCOMPARE(filterList()->currentText(), catalogueName(4));
        QCOMPARE(text("prpmp"), QStringLiteral("399,95"));

        filterControl("vm")->setFocus();
        filterList()->setFocus(Qt::PopupFocusReason);
        QCOMPARE(QApplication::focusWidget(), filterList());
        QCOMPARE(filterList()->currentText(), catalogueName(4));

        // Moving away and back by keyboard builds the list anew, without a choice.
        QTest::keyClick(filterList(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), filterList());
        QCOMPARE(filterList()->currentIndex(), -1);
        QCOMPARE(text("prpmp"), QStringLiteral("0,00"));
    }

    void arrivalWithAnotherVolumeBuildsTheListAnew()
    {
        arriveFromTheLadders("8,5", "1000,00");
        pickFilter(4);
        daten.volumen = QStringLiteral("50");
        goTo(PageId::TLeitern);
        goTo(filterPage);
        QCOMPARE(text("vm"), QStringLiteral("50"));
        QCOMPARE(rows(filterList()), filter::namesFrom(33));
        QCOMPARE(filterList()->currentIndex(), -1);
        QCOMPARE(text("prpmp"), QStringLiteral("0,00"));

        // A click from another control builds it too, before its popup opens.
        filterControl("vm")->setFocus();
        pickFilter(40);
        QCOMPARE(filterList()->currentText(), catalogueName(40));
        QCOMPARE(text("prpmp"), QStringLiteral("999,00"));
    }

    void walkFromTheLaddersPage_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("mouse") << false;
        QTest::newRow("keyboard") << true;
    }
    void walkFromTheLaddersPage()
    {
        QFETCH(bool, byKeyboard);
        daten.volumen = QStringLiteral("8,5");
        daten.summe2 = QStringLiteral("1234,5");  // the ladders page adds no ladder to it
        daten.summe3 = QStringLiteral("1234,50");
        goTo(PageId::TLeitern);
        if (byKeyboard)
            QTest::keyClick(page(PageId::TLeitern), Qt::Key_W, Qt::AltModifier);
        else
            clickOn(control<QAbstractButton>(PageId::TLeitern, "Button1"));
        QVERIFY(becomesActive(page(filterPage)));
        QCOMPARE(text("bele"), QStringLiteral("1234,50"));
        QCOMPARE(label("pmp1"), QStringLiteral("Für dieses Becken ist der Einhängekartuschenfilter ausreichend."));

        if (byKeyboard) {
            QCOMPARE(QApplication::focusWidget(), filterControl("vm"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), filterControl("bele"));  // the total so far is heard
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), filterList());
            QTest::keyClick(filterList(), Qt::Key_Down);  // the first row
            // Its description, its price and the line under it are heard on the way.
            for (const char *heard : {"Memo1", "prpmp", "Memo2"}) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(heard));
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(electrolysis()->hasFocus());
            QTest::keyClick(electrolysis(), Qt::Key_Down);  // the empty row
            QTest::keyClick(electrolysis(), Qt::Key_Down);
            QTest::keyClick(page(filterPage), Qt::Key_W, Qt::AltModifier);
        } else {
            pickFilter(1);
            pick(electrolysis(), "Salzwasserelektrolyse Hydrolife");
            clickOn(filterControl<QAbstractButton>("skim"));
        }
        QVERIFY(becomesActive(page(PageId::Tsolar)));
        QCOMPARE(daten.filtertyp, catalogueName(1));
        QCOMPARE(daten.elektrolyse, QStringLiteral("Salzwasserelektrolyse Hydrolife"));
        QCOMPARE(daten.wasseraufbereitungspreis, QStringLiteral("1399,00"));
        QCOMPARE(daten.summe4, QStringLiteral("3233,45"));
        QVERIFY(user->errors.isEmpty());
    }

    void backShowsTheLaddersPageAndStoresNothing()
    {
        arriveFromTheLadders("8,5", "1000,00");
        pickFilter(2);
        daten.summe4 = QStringLiteral("vorher");
        clickOn(filterControl<QAbstractButton>("Button2"));
        QVERIFY(becomesActive(page(PageId::TLeitern)));
        QCOMPARE(daten.summe4, QStringLiteral("vorher"));
        QCOMPARE(daten.filtertyp, QStringLiteral("0"));
    }
};

NIXARO_TEST_MAIN(FilterPageTest)
#include "tst_filter.moc"
