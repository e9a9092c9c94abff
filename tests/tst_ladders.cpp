// The ladders page: the installation types and the shape rules, the ladder list by type,
// wall height and shape, prices, pictures and descriptions, the tilt hinge, the page
// total and what "&Weiter -->" hands on.
#include "testsupport.h"

#include "app/daten.h"
#include "app/look.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

using namespace app;
using namespace testing;

namespace {

constexpr PageId ladders = PageId::TLeitern;

QString text(const char *edit)
{
    return control<QLineEdit>(ladders, edit)->text();
}

bool shown(const char *name)
{
    return !control(ladders, name)->isHidden();
}

QComboBox *list()
{
    return control<QComboBox>(ladders, "Leiterauswahl");
}

QStringList rows()
{
    QStringList names;
    for (int i = 0; i < list()->count(); ++i)
        names << list()->itemText(i);
    return names;
}

// A click as the user makes it, on the radio button's or check box's indicator.
void press(const char *name)
{
    QWidget *widget = control(ladders, name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

// The user picks a row of the list, as its popup does.
void choose(const QString &ladder)
{
    const int row = list()->findText(ladder);
    QVERIFY2(row >= 0, qPrintable(ladder));
    list()->setCurrentIndex(row);
    Q_EMIT list()->activated(row);
}

void mouseOverBackground()
{
    testing::moveOverBackground(ladders);
}

void poolStored(const QString &shape, const QString &height, const QString &total = QStringLiteral("1000,00"))
{
    daten.beckenform = shape;
    daten.beckenhoehe = height;
    daten.summe2 = total;
}

// The page shown anew, as the covers page's "&Weiter -->" leads there.
void arrive()
{
    closePage(ladders);
    goTo(ladders);
}

const QStringList pictureNames = {"hbk", "hbk3", "hbg", "hhk", "hhg", "elb", "ebk", "ebtk", "ebh",
                                  "ebg", "ebtg", "rom", "eck", "calsacr", "eckacr", "transacr", "Tieftreppe"};

QStringList shownPictures()
{
    QStringList names;
    for (const QString &name : pictureNames)
        if (shown(qPrintable(name)))
            names << name;
    return names;
}

} // namespace

class LaddersTest : public QObject
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
        QCOMPARE(page(ladders)->windowTitle(), QStringLiteral("Leiterauswahl"));
        QCOMPARE(control<QLabel>(ladders, "Label4")->text(), QStringLiteral("Zuerst Aufbauart, danach Leitertyp auswählen!"));
        QVERIFY(shown("leitergelenk"));
        for (const char *hidden : {"Leiterauswahl", "Memo1", "lp", "Label8", "dmlp", "gp", "Label2", "dmgp", "lg",
                                   "Label3", "Memo2", "gelenk_image", "bh", "form"})
            QVERIFY2(!shown(hidden), hidden);
        QVERIFY(shownPictures().isEmpty());
        QCOMPARE(control<QPlainTextEdit>(ladders, "Memo2")->toPlainText().split(u'\n'),
                 (QStringList{"Leiterkippgelenke zum Ankippen der Leiter.", "Ermöglicht das komplette Verschließen des ",
                              "Schwimmbades mit einer ", "Abdeckfolie,", "ohne dass die Leiter abgebaut werden muss."}));
    }

    void showReadsTheStore()
    {
        poolStored("Rundbecken", "1,20", "1234,50");
        arrive();
        QCOMPARE(text("bh"), QStringLiteral("1,20"));
        QCOMPARE(text("prl"), QStringLiteral("1234,50"));
        QCOMPARE(text("form"), QStringLiteral("Rundbecken"));
    }

    void listsByInstallationHeightAndShape_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("installation");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("hingeOffered");
        QTest::newRow("round 1,20 free-standing") << "Rundbecken" << "1,20" << "neing" << 3
                                                  << "Sicherheitsleiter Stahlrohr DIN EN 16582-1"
                                                  << "Hochbeckenleiter 4-Stufig" << false;
        QTest::newRow("round 1,50 free-standing") << "Rundbecken" << "1,50" << "neing" << 1
                                                  << "Hochbeckenleiter 5-Stufig" << "Hochbeckenleiter 5-Stufig" << false;
        QTest::newRow("eight 1,20 half-sunk") << "Achtformbecken" << "1,20" << "heing" << 1
                                              << "Halbhochbeckenleiter 4-Stufen" << "Halbhochbeckenleiter 4-Stufen" << false;
        QTest::newRow("round 1,50 half-sunk") << "Rundbecken" << "1,50" << "heing" << 1
                                              << "Halbhochbeckenleiter 5-Stufen" << "Halbhochbeckenleiter 5-Stufen" << false;
        QTest::newRow("round 1,20 in-ground") << "Rundbecken" << "1,20" << "eing" << 5
                                              << "Tiefbeckenleiter Engholm 3-Stufig V2A" << "Einbautreppe Typ kurz 3-Stufig"
                                              << true;
        QTest::newRow("eight 1,50 in-ground") << "Achtformbecken" << "1,50" << "eing" << 6
                                              << "Tiefbeckenleiter Engholm 4-Stufig V2A" << "Tiefbeckentreppe Typ lang"
                                              << true;
        QTest::newRow("no pool, free-standing") << "0" << "0" << "neing" << 0 << "" << "" << false;
        QTest::newRow("no pool, in-ground") << "0" << "0" << "eing" << 6 << "Tiefbeckenleiter Engholm 4-Stufig V2A"
                                            << "Tiefbeckentreppe Typ lang" << true;
    }
    void listsByInstallationHeightAndShape()
    {
        QFETCH(QString, shape);
        QFETCH(QString, height);
        QFETCH(QString, installation);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(bool, hingeOffered);
        poolStored(shape, height);
        arrive();
        mouseOverBackground();
        press(qPrintable(installation));
        QCOMPARE(list()->count(), count);
        QCOMPARE(list()->currentIndex(), -1);  // nothing chosen until the user picks
        QCOMPARE(list()->currentText(), QString());
        if (count) {
            QCOMPARE(rows().first(), first);
            QCOMPARE(rows().last(), last);
        }
        QVERIFY(shown("Leiterauswahl") && shown("Memo1"));
        QCOMPARE(shown("leitergelenk"), hingeOffered);
    }

    void steelOvalAndRectangularPoolsAreSunk_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("count");
        QTest::newRow("oval") << "Ovalformbecken" << "Dieses Stahlwandovalbecken ist nicht Aufstellbar oder Halbeinzulassen !"
                              << 6;
        QTest::newRow("rect") << "Rechteckbecken" << "Diese Beckenart ist nicht Aufstellbar oder Halbeinzulassen !" << 10;
    }
    void steelOvalAndRectangularPoolsAreSunk()
    {
        QFETCH(QString, shape);
        QFETCH(QString, message);
        QFETCH(int, count);
        poolStored(shape, "1,50");
        arrive();
        QVERIFY(!control<QRadioButton>(ladders, "eing")->isChecked());
        mouseOverBackground();
        QVERIFY(control<QRadioButton>(ladders, "eing")->isChecked());
        QVERIFY(!control(ladders, "heing")->isEnabled() && !control(ladders, "neing")->isEnabled());
        QCOMPARE(control<QLabel>(ladders, "Label4")->text(), message);
        QCOMPARE(textColour(control(ladders, "Label4")), QColor(Qt::yellow));
        QCOMPARE(list()->count(), count);
        QCOMPARE(rows().at(5), QStringLiteral("Tiefbeckentreppe Typ lang"));
        if (count == 10)
            QCOMPARE(rows().last(), QStringLiteral("Universaltreppe / weiß mit blauen Stufen"));

        // Further moves leave the list and a chosen ladder alone.
        choose(rows().first());
        mouseOverBackground();
        QCOMPARE(list()->count(), count);
        QCOMPARE(list()->currentIndex(), 0);

        // A round pool offers every installation again.
        daten.beckenform = QStringLiteral("Rundbecken");
        mouseOverBackground();
        QVERIFY(control(ladders, "heing")->isEnabled() && control(ladders, "neing")->isEnabled());
        QCOMPARE(control<QLabel>(ladders, "Label4")->text(), QStringLiteral("Zuerst Aufbauart, danach Leitertyp auswählen !"));
        QCOMPARE(textColour(control(ladders, "Label4")), QColor(128, 0, 0));
    }

    void ladderEntry_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("installation");
        QTest::addColumn<QString>("ladder");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<bool>("hinge");
        QTest::newRow("safety ladder") << "Rundbecken" << "1,20" << "neing" << "Sicherheitsleiter Edelstahl DIN EN 16582-1"
                                       << "429,95" << QStringList{"hbk3"} << false;
        QTest::newRow("half-sunk") << "Rundbecken" << "1,50" << "heing" << "Halbhochbeckenleiter 5-Stufen" << "369,95"
                                   << QStringList{"hhg"} << false;
        QTest::newRow("Engholm") << "Rundbecken" << "1,20" << "eing" << "Tiefbeckenleiter Engholm 3-Stufig V4A" << "349,95"
                                 << QStringList{"elb"} << true;
        QTest::newRow("long stair takes no hinge") << "Ovalformbecken" << "1,50" << "eing" << "Tiefbeckentreppe Typ lang"
                                                   << "1959,00" << QStringList{"Tieftreppe"} << false;
        QTest::newRow("acrylic stair, three pictures")
            << "Rechteckbecken" << "1,50" << "eing" << "Acryltreppe / 2,50 x 1,50m römische Treppe" << "2099,00"
            << QStringList{"calsacr", "eckacr", "transacr"} << false;
        QTest::newRow("universal stair without picture")
            << "Rechteckbecken" << "1,50" << "eing" << "Universaltreppe / weiß mit blauen Stufen" << "17959,00"
            << QStringList{} << true;
    }
    void ladderEntry()
    {
        QFETCH(QString, shape);
        QFETCH(QString, height);
        QFETCH(QString, installation);
        QFETCH(QString, ladder);
        QFETCH(QString, price);
        QFETCH(QStringList, pictures);
        QFETCH(bool, hinge);
        poolStored(shape, height);
        arrive();
        mouseOverBackground();
        press(qPrintable(installation));
        choose(rows().first());  // another ladder first: its pictures give way
        choose(ladder);
        QCOMPARE(text("lp"), price);
        QCOMPARE(shownPictures(), pictures);
        QCOMPARE(shown("leitergelenk"), hinge);
        QVERIFY(!control<QCheckBox>(ladders, "leitergelenk")->isChecked());
        auto *memo = control<QPlainTextEdit>(ladders, "Memo1");
        QVERIFY(!memo->toPlainText().isEmpty());
        QCOMPARE(memo->verticalScrollBar()->value(), 0);
        QCOMPARE(memo->textCursor().position(), 0);
    }

    void hingeUntilTheNextLadder()
    {
        poolStored("Rundbecken", "1,20");
        arrive();
        press("eing");
        choose("Tiefbeckenleiter Engholm 3-Stufig V2A");
        press("leitergelenk");
        QCOMPARE(text("lg"), QStringLiteral("199,95"));
        for (const char *name : {"lg", "Label3", "Memo2", "gelenk_image"})
            QVERIFY2(shown(name), name);

        choose("Tiefbeckenleiter Weitholm 3-Stufig V2A");
        QVERIFY(!control<QCheckBox>(ladders, "leitergelenk")->isChecked());
        QVERIFY(shown("leitergelenk"));
        QCOMPARE(text("lg"), QStringLiteral("0,00"));
        for (const char *name : {"lg", "Label3", "Memo2", "gelenk_image"})
            QVERIFY2(!shown(name), name);

        // A stair that takes no hinge: the box goes.
        press("leitergelenk");
        daten.beckenform = QStringLiteral("Rechteckbecken");
        daten.beckenhoehe = QStringLiteral("1,50");
        arrive();
        QVERIFY(control<QCheckBox>(ladders, "leitergelenk")->isChecked());  // survives the visit
        QCOMPARE(text("lg"), QStringLiteral("199,95"));
        mouseOverBackground();  // checks the in-ground type, which starts over without the hinge
        QVERIFY(!control<QCheckBox>(ladders, "leitergelenk")->isChecked());
        QCOMPARE(text("lg"), QStringLiteral("0,00"));
        choose("Römertreppe 2,25x 1,20x 1,50m / weiß mit blauen Stufen");
        QVERIFY(!shown("leitergelenk"));
    }

    void pricesAppearOnceAPricedLadderIsChosen()
    {
        poolStored("Rundbecken", "1,20");
        arrive();
        press("neing");
        mouseOverBackground();
        for (const char *name : {"lp", "Label8", "dmlp", "gp", "Label2", "dmgp"})
            QVERIFY2(!shown(name), name);
        choose("Sicherheitsleiter Stahlrohr DIN EN 16582-1");
        QVERIFY(!shown("gp"));  // until the mouse moves
        mouseOverBackground();
        for (const char *name : {"lp", "Label8", "dmlp", "gp", "Label2", "dmgp"})
            QVERIFY2(shown(name), name);
        QCOMPARE(text("gp"), QStringLiteral("1129,95"));

        arrive();  // they stay
        mouseOverBackground();
        QVERIFY(shown("gp") && shown("lp"));
        QCOMPARE(text("lp"), QStringLiteral("0,00"));
    }

    void totalAndWeiter()
    {
        poolStored("Rundbecken", "1,20", "1000,00");
        arrive();
        press("eing");
        choose("Tiefbeckenleiter Engholm 3-Stufig V2A");
        press("leitergelenk");
        QCOMPARE(text("gp"), QStringLiteral("0,00"));  // the choice alone does not recompute
        mouseOverBackground();
        QCOMPARE(text("gp"), QStringLiteral("1429,90"));
        QCOMPARE(daten.leitertyp, QStringLiteral("Tiefbeckenleiter Engholm 3-Stufig V2A"));
        QCOMPARE(daten.summe3, QStringLiteral("0"));

        daten.summe2 = QStringLiteral("2000,00");  // read again first thing
        clickOn(control<QAbstractButton>(ladders, "Button1"));
        QVERIFY(becomesActive(page(PageId::TFip)));
        QCOMPARE(daten.summe3, QStringLiteral("2429,90"));
        QCOMPARE(text("gp"), QStringLiteral("2429,90"));
        QCOMPARE(daten.leitertyp, QStringLiteral("Tiefbeckenleiter Engholm 3-Stufig V2A"));
    }

    void activationStartsTheChoiceOver()
    {
        poolStored("Rundbecken", "1,20");
        arrive();
        press("heing");
        choose("Halbhochbeckenleiter 4-Stufen");
        mouseOverBackground();
        QCOMPARE(daten.leitertyp, QStringLiteral("Halbhochbeckenleiter 4-Stufen"));

        goTo(PageId::TFip);
        goTo(ladders);
        for (const char *name : {"eing", "heing", "neing"})
            QVERIFY2(!control<QRadioButton>(ladders, name)->isChecked(), name);
        QVERIFY(!shown("Leiterauswahl") && !shown("Memo1"));
        QCOMPARE(text("lp"), QStringLiteral("0,00"));
        QVERIFY(shownPictures().isEmpty());
        // No ladder stays chosen whose price has left the total.
        QCOMPARE(list()->currentIndex(), -1);
        QCOMPARE(list()->currentText(), QString());
        mouseOverBackground();
        QCOMPARE(daten.leitertyp, QString());
        QCOMPARE(text("gp"), QStringLiteral("1000,00"));
        clickOn(control<QAbstractButton>(ladders, "Button1"));
        QCOMPARE(daten.leitertyp, QString());
        QCOMPARE(daten.summe3, QStringLiteral("1000,00"));
    }

    void anInstallationClickStartsOver()
    {
        poolStored("Rundbecken", "1,20");
        arrive();
        press("eing");
        choose("Einbautreppe Typ kurz 3-Stufig");
        press("leitergelenk");
        press("neing");
        QCOMPARE(list()->count(), 3);
        QCOMPARE(list()->currentIndex(), -1);
        QCOMPARE(text("lp"), QStringLiteral("0,00"));
        QCOMPARE(text("lg"), QStringLiteral("0,00"));
        QVERIFY(!shown("leitergelenk"));
        QVERIFY(control<QPlainTextEdit>(ladders, "Memo1")->toPlainText().isEmpty());
        QVERIFY(shownPictures().isEmpty());
    }

    // Covers and ladders by keyboard alone: Tab to a control, Space or the arrow keys to
    // choose, Alt+W for "&Weiter -->".
    void byKeyboardFromCoversToFilters()
    {
        daten.beckenform = QStringLiteral("Achtformbecken");
        daten.beckengroesse = QStringLiteral("3,60 x 6,25 m");
        daten.beckenhoehe = QStringLiteral("1,20");
        daten.summe1 = QStringLiteral("1000,00");
        goTo(PageId::Tabdeckung);
        control(PageId::Tabdeckung, "cabrio")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cabrio_preis"));  // its price is heard
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Lupo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(control<QLineEdit>(PageId::Tabdeckung, "Lupo_Preis")->text(), QStringLiteral("259,95"));
        QTest::keyClick(page(PageId::Tabdeckung), Qt::Key_W, Qt::AltModifier);
        QVERIFY(becomesActive(page(ladders)));  // an accelerator clicks after a moment
        QCOMPARE(daten.summe2, QStringLiteral("1259,95"));
        QCOMPARE(daten.abdeckung2, QStringLiteral("Schwimmbad Solarabdeckung Lupo 259,95"));

        settle();
        control(ladders, "neing")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(control<QRadioButton>(ladders, "neing")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list());
        QTest::keyClick(list(), Qt::Key_Down);
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(list()->currentText(), QStringLiteral("Sicherheitsleiter Edelstahl DIN EN 16582-1"));
        QCOMPARE(text("lp"), QStringLiteral("429,95"));
        // On by Tab: the description, the ladder's price and the page's total are heard.
        for (const char *heard : {"Memo1", "lp", "gp"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            settle();
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(heard));
        }
        QCOMPARE(text("gp"), QStringLiteral("1689,90"));
        QTest::keyClick(page(ladders), Qt::Key_W, Qt::AltModifier);
        QVERIFY(becomesActive(page(PageId::TFip)));
        QCOMPARE(daten.summe3, QStringLiteral("1689,90"));
        QCOMPARE(daten.leitertyp, QStringLiteral("Sicherheitsleiter Edelstahl DIN EN 16582-1"));
    }

    void everyLadderPictureIsOnThePage()
    {
        for (const QString &name : pictureNames)
            QCOMPARE(control(ladders, qPrintable(name))->parentWidget(), page(ladders)->client());
        QVERIFY(control(ladders, "gelenk_image")->parentWidget() != page(ladders)->client());
    }

    void checkedHingeShowsItsCheckMark()
    {
        poolStored("Rundbecken", "1,20");
        arrive();
        press("eing");
        auto *hinge = control<QCheckBox>(ladders, "leitergelenk");
        QVERIFY(!checkMarkShows(hinge));
        press("leitergelenk");
        QVERIFY(hinge->isChecked());
        QVERIFY(checkMarkShows(hinge));
    }

    void backShowsTheCoversPage()
    {
        goTo(ladders);
        clickOn(control<QAbstractButton>(ladders, "Button2"));
        QVERIFY(becomesActive(page(PageId::Tabdeckung)));
    }

    void fontStepsWithoutBound()
    {
        goTo(ladders);
        QWidget *client = page(ladders)->client();
        QAction *larger = page(ladders)->findChild<QAction *>("N1"), *smaller = page(ladders)->findChild<QAction *>("N2");
        const int own = client->font().pointSize();
        const char *texts[] = {"Label1", "eing", "Label4", "Leiterauswahl", "Memo1", "lp", "leitergelenk", "Memo2",
                               "Label2", "prl", "Button1"};
        QList<int> sizes;
        for (const char *name : texts)
            sizes << control(ladders, name)->font().pointSize();
        QCOMPARE(control(ladders, "Memo1")->font().pointSize(), own);  // the texts take the page's font
        for (int i = 0; i < 10; ++i)
            larger->trigger();
        QCOMPARE(client->font().pointSize(), own + 10);
        for (int i = 0; i < int(std::size(texts)); ++i)
            QCOMPARE(control(ladders, texts[i])->font().pointSize(), sizes[i] + 10);
        // The colour of the instruction changes its style sheet; its size stays.
        daten.beckenform = QStringLiteral("Rechteckbecken");
        mouseOverBackground();
        QCOMPARE(control(ladders, "Label4")->font().pointSize(), sizes[2] + 10);
        for (int i = 0; i < 20 + 2 * own; ++i)
            smaller->trigger();
        QCOMPARE(client->font().pointSize(), 1);
        for (int i = 0; i < 10 + 2 * own; ++i)
            larger->trigger();
        QCOMPARE(client->font().pointSize(), own);
    }
};

NIXARO_TEST_MAIN(LaddersTest)
#include "tst_ladders.moc"
