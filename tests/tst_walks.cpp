// One whole walk per pool shape, as a customer makes it: from the welcome page through
// every catalogue page with "&Weiter -->" to the options page, whose summary block is
// checked line by line; then saved, reopened and printed to PDF.
#include "testsupport.h"

#include "app/codepage.h"
#include "app/daten.h"
#include "pages/quote/quoteprinter.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace app;
using namespace testing;

namespace {

// The customer at the file and print dialogs: a quote file and a PDF in a folder of ours.
class Customer : public FakeDialogs
{
public:
    QString saveFileName(QWidget *, const FileDialogSetup &) override { return quoteFile; }
    QString openFileName(QWidget *, const FileDialogSetup &) override { return quoteFile; }
    bool choosePrinter(QWidget *, QPrinter &printer, const QString &) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    QString quoteFile, pdf;
};

// How the customer works the controls: with the mouse, or with the keyboard alone.
enum class Hands { Mouse, Keyboard };

// Mouse presses anywhere in the program: a keyboard walk makes none.
class MousePresses : public QObject
{
public:
    MousePresses() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            ++count;
        return false;
    }
};

// The page the customer is on, and what they do there.
class Walk
{
public:
    Walk(PageId start, Hands hands) : m_page(start), m_hands(hands) {}

    PageId page() const { return m_page; }
    Hands hands() const { return m_hands; }
    template<typename T = QWidget>
    T *at(const char *name) const { return control<T>(m_page, name); }
    QString text(const char *edit) const { return at<QLineEdit>(edit)->text(); }

    Walk &press(std::initializer_list<const char *> names)
    {
        for (const char *name : names)
            pressOne(at(name));
        return *this;
    }
    Walk &pick(const char *combo, const QString &row)
    {
        choose(at<QComboBox>(combo), row);
        return *this;
    }
    // The mouse crosses the page background; a keyboard user's pointer stands still, and
    // the next key on the page does what the crossing does (keys in a list's popup don't).
    Walk &moveOver()
    {
        if (m_hands == Hands::Mouse) {
            moveOverBackground(m_page);
        } else {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : app::page(m_page), Qt::Key_Tab);
            settle();
        }
        return *this;
    }
    // A button or label that leads on; the page it shows becomes the active one.
    void next(const char *name, PageId to)
    {
        QWidget *target = at(name);
        if (m_hands == Hands::Mouse) {
            clickOn(target);
        } else {
            // Tab to it, so that the walk hears every stop on the way (Alt+W, whose click
            // Qt delays by a tenth of a second, is tried by the pages' own tests).
            reach(target);
            QTest::keyClick(target, qobject_cast<QAbstractButton *>(target) ? Qt::Key_Space : Qt::Key_Return);
        }
        m_page = to;
        QVERIFY2(becomesActive(app::page(to)), qPrintable(app::page(to)->objectName()));
    }

private:
    void pressOne(QWidget *control)
    {
        if (m_hands == Hands::Mouse) {
            testing::press(control);
            return;
        }
        reach(control);
        QTest::keyClick(control, Qt::Key_Space);
        settle();
    }

    void choose(QComboBox *combo, const QString &row)
    {
        if (m_hands == Hands::Mouse) {
            testing::pick(combo, row);
            return;
        }
        // Alt+Down opens the list, the arrows go to the row, Enter chooses it.
        const int index = combo->findText(row, Qt::MatchExactly);
        QVERIFY2(index >= 0, qPrintable(row));
        reach(combo);
        QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(combo->view()->isVisible());
        QAbstractItemView *view = combo->view();
        for (int guard = 0; view->currentIndex().row() != index && guard < 200; ++guard)
            QTest::keyClick(view, view->currentIndex().row() < index ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(view->currentIndex().row(), index);
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!combo->view()->isVisible());
        // The offscreen platform leaves the closed list the active window, where a desktop
        // hands the activation back to the page.
        app::page(m_page)->activateWindow();
        QVERIFY(becomesActive(app::page(m_page)));
    }

    // Tab, and the arrows within a group of radio buttons, until the control has the focus.
    void reach(QWidget *target)
    {
        for (int guard = 0; QApplication::focusWidget() != target && guard < 100; ++guard) {
            QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : app::page(m_page);
            auto *radio = qobject_cast<QRadioButton *>(focus);
            Qt::Key key = Qt::Key_Tab;
            if (radio && qobject_cast<QRadioButton *>(target) && radio->parentWidget() == target->parentWidget()) {
                const QPoint from = radio->geometry().center(), to = target->geometry().center();
                key = to.y() > from.y() + 2 ? Qt::Key_Down
                    : to.y() < from.y() - 2 ? Qt::Key_Up
                    : to.x() > from.x()     ? Qt::Key_Right
                                            : Qt::Key_Left;
            }
            QTest::keyClick(focus, key);
            settle();
        }
        QVERIFY2(QApplication::focusWidget() == target, qPrintable(target->objectName()));
    }

    PageId m_page;
    Hands m_hands;
};

QStringList listLines()
{
    auto *list = control<QListWidget>(PageId::Tsave, "ur");
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// The lines with text in them without their blanks: pdftotext places words by their
// position on the page and does not give runs of blanks back as they were printed.
QStringList reading(const QStringList &lines)
{
    QStringList read;
    for (const QString &line : lines)
        if (!line.trimmed().isEmpty())
            read << line.simplified().remove(u' ');
    return read;
}

QStringList readPdf(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished(20000);
    return reading(QString::fromUtf8(p.readAllStandardOutput()).split(QRegularExpression("[\n\f]")));
}

} // namespace

class WalksTest;
using Script = void (WalksTest::*)(Walk &);
Q_DECLARE_METATYPE(Script)
Q_DECLARE_METATYPE(Hands)

class WalksTest : public QObject
{
    Q_OBJECT

    Customer *customer = nullptr;
    QTemporaryDir *folder = nullptr;


    // The walk's end on the options page: the summary block, saved, reopened, printed.
    void finish(Walk &walk, const QString &grandTotal, const QStringList &summary)
    {
        QCOMPARE(walk.page(), PageId::Tsave);
        QCOMPARE(walk.text("beck_end"), grandTotal);
        walk.next("Button3", PageId::Tsave);  // "Daten &Anzeigen"
        const QStringList shown = listLines();
        QCOMPARE(shown.size(), summary.size());
        for (int i = 0; i < summary.size(); ++i)
            QCOMPARE(shown[i], summary[i]);

        app::page(PageId::Tsave)->findChild<QAction *>("Speichern1")->trigger();
        QFile saved(customer->quoteFile);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), toCodePage(summary.join("\r\n") + "\r\n"));
        control<QListWidget>(PageId::Tsave, "ur")->clear();
        app::page(PageId::Tsave)->findChild<QAction *>("ffnen1")->trigger();
        QCOMPARE(listLines(), summary);
        app::page(PageId::Tsave)->findChild<QAction *>("Drucken1")->trigger();
        QCOMPARE(customer->errors + customer->messages, QStringList());
        QStringList document;
        for (const quote::PrintLine &line : quote::quoteDocument(summary))
            document << line.text;
        QCOMPARE(readPdf(customer->pdf), reading(document));
    }

    void roundPoolWithEverything(Walk &walk)
    {
        walk.next("Label1", PageId::Trd);  // "Rundformbecken"
        walk.press({"b500", "f06", "h12", "beckenrand", "conzero"});
        QCOMPARE(walk.text("sbges"), QStringLiteral("4126,85"));  // 1029,00 + 149,95 + 909,00 + 2038,90
        walk.next("Button2", PageId::Tabdeckung);

        QCOMPARE(walk.text("Preisvonbecken"), QStringLiteral("4126,85"));
        walk.press({"safetop", "Lupo", "cabrio"}).moveOver();
        QCOMPARE(walk.text("gpabdeck"), QStringLiteral("6195,75"));
        walk.next("Button1", PageId::TLeitern);

        walk.moveOver().press({"neing"}).pick("Leiterauswahl", "Sicherheitsleiter Stahlrohr DIN EN 16582-1").moveOver();
        QCOMPARE(walk.text("gp"), QStringLiteral("6325,70"));
        walk.next("Button1", PageId::TFip);

        QCOMPARE(walk.text("vm"), QStringLiteral("22"));
        walk.pick("Filterauswahl", "Kunststoffkessel 300 / Top mount /Aqua Plus 4")
            .pick("elektro", "Salzwasserelektrolyse Hydrolife");
        QCOMPARE(walk.text("bpg"), QStringLiteral("8074,65"));
        walk.next("skim", PageId::Tsolar);

        walk.pick("solar_auswahl", QStringLiteral("3,00 x 1,20 m = 3,60 m²")).pick("anzdd", "2");
        walk.press({"solard", "wp"});
        QCOMPARE(walk.text("wpp"), QStringLiteral("1499,00"));  // 22 m³
        walk.next("Button3", PageId::TSkimmer);
        QCOMPARE(daten.summe5, QStringLiteral("10822,55"));

        walk.press({"ebsk1", "zed", "ked"}).pick("anzed", "2").moveOver();
        QCOMPARE(walk.text("gpr"), QStringLiteral("10954,40"));  // 69,95 + 2 x 30,95
        walk.next("Button2", PageId::TLight);

        walk.pick("licht_auswahl", "LED-Flachscheinwerfer aus ABS, Licht: RGB").pick("anz", "2");
        QCOMPARE(walk.text("gpr"), QStringLiteral("11514,30"));
        walk.next("Button2", PageId::Tbrs);
        QCOMPARE(daten.summe7, QStringLiteral("11514,3"));

        walk.press({"bdab"}).press({"brab", "bslxs"}).moveOver();
        QCOMPARE(walk.text("brg"), QStringLiteral("11849,25"));
        walk.next("Button3", PageId::Tureiniger);

        walk.pick("urein_auswahl", QStringLiteral("Automatischer Unterwasserreiniger \"Buggy\""));
        walk.next("Button3", PageId::Tsave);
        QCOMPARE(daten.gesamtpreis, QStringLiteral("12109,25"));

        finish(walk, "12109,25",
               {" ", QString(26, ' ') + "Rundbecken", " ", "Beckenhöhe: 1,20 m", "Volumen: 22m³",
                "Beckenrandsteine: 909,00 €", "Betonfreier Beckenaufbau: 2038,90 €", "Gesamtbeckenpreis: 12109,25",
                "Folienstärke: 0,6 mm", "Beckengröße: 5,00 m", "", "Schwimmbadabdeckungen:",
                "Safetop Sicherheits-Schwimmbadabdeckung SafeTop 529,95",
                "Schwimmbadabdeckung Lupo Schwimmbad Solarabdeckung Lupo 249,95", "Cabrio Dome 1289,00",
                "Leitertyp: Sicherheitsleiter Stahlrohr DIN EN 16582-1", "Kunststoffkessel 300 / Top mount /Aqua Plus 4",
                "Salzwasserelektrolyse Hydrolife1399,00", "Wassererwärmung: 2747,90 inkl. Wärmepumpe",
                "zusätzliche Kunststoff Einlaufdüse     2 x", "Einbauskimmerset",
                "Unterwasserbeleutung: LED-Flachscheinwerfer aus ABS, Licht: RGB", "559,9", "Bodenablauf aus Rotguss",
                "Bodenreingerset \"Luxus\":  99,95 €", "Automatischer Unterwasserreiniger \"Buggy\"",
                "Schwimmbeckengesamtpreis: 12109,25"});
    }

    void ovalPoolSunkInTheGround(Walk &walk)
    {
        walk.next("Label6", PageId::Tol);  // "Ovalformbecken"
        walk.press({"b320x600", "f08", "h15", "beckenrand"});
        QCOMPARE(walk.text("sbges"), QStringLiteral("2667,95"));
        walk.next("Button2", PageId::Tabdeckung);

        walk.press({"safetop"}).moveOver();
        QCOMPARE(walk.text("gpabdeck"), QStringLiteral("3186,95"));  // SafeTop® 519,00
        walk.next("Button1", PageId::TLeitern);

        // An oval pool is sunk: the first move over the page chooses the in-ground list.
        walk.moveOver();
        QVERIFY(walk.at<QRadioButton>("eing")->isChecked());
        QVERIFY(!walk.at("neing")->isEnabled());
        walk.pick("Leiterauswahl", "Tiefbeckenleiter Engholm 4-Stufig V4A").press({"leitergelenk"}).moveOver();
        QCOMPARE(walk.text("gp"), QStringLiteral("3766,85"));  // 379,95 + hinge 199,95
        walk.next("Button1", PageId::TFip);

        walk.pick("Filterauswahl", "Kunststoffkessel 390 / Top mount /WP 4000");
        walk.next("skim", PageId::Tsolar);
        QCOMPARE(daten.summe4, QStringLiteral("4166,80"));

        walk.next("Button3", PageId::TSkimmer);  // no water heating
        QCOMPARE(daten.summe5, QStringLiteral("4166,8"));

        walk.press({"Bronzeskim"});
        walk.next("Button2", PageId::TLight);
        QCOMPARE(daten.summe6, QStringLiteral("5366,80"));

        walk.next("Button2", PageId::Tbrs);  // no light
        walk.press({"bdab"}).press({"kab"});
        walk.next("Button3", PageId::Tureiniger);
        QCOMPARE(daten.summe8, QStringLiteral("5428,80"));

        walk.pick("urein_auswahl", QStringLiteral("Vollautomatischer Unterwasserreingiger \"Deluxe ACTIVE Cleaner\""));
        walk.next("Button3", PageId::Tsave);

        finish(walk, "7778,80",
               {" ", QString(26, ' ') + "Ovalformbecken", " ", "Beckenhöhe: 1,50 m", "Volumen: 24m³",
                "Beckenrandsteine: 899,00 €", "", "Gesamtbeckenpreis: 7778,8", "Folienstärke: 0,8 mm",
                "Beckengröße: 3,20 m x 6,00 m", "", "Schwimmbadabdeckungen:",
                "Safetop Sicherheits-Schwimmbadabdeckung SafeTop 519,00", "Schwimmbadabdeckung Lupo ", "",
                "Leitertyp: Tiefbeckenleiter Engholm 4-Stufig V4A", "Kunststoffkessel 390 / Top mount /WP 4000",
                "Keine Elektrolyseanlage ausgewählt", "Wassererwärmung: 0,00 ohne Wärmepumpe",
                "Keine zusätzliche Einlaufdüse ausgewählt !!!", "Oberflächenabsauger/Skimmer aus Rotguss",
                "Unterwasserbeleutung: ", "0", "Bodenablauf mit Rost", "Kein Bodenreinigungsset ausgewählt !!!:  0,00 €",
                "Vollautomatischer Unterwasserreingiger \"Deluxe ACTIVE Cleaner\"", "Schwimmbeckengesamtpreis: 7778,8"});
    }

    void figureEightPoolWithTheCartridgeFilter(Walk &walk)
    {
        walk.next("Label7", PageId::Tat);  // "Achtformbecken"
        walk.press({"b320x525", "f10"});   // 1 mm: the 1,50 m wall and the combined handrail
        QCOMPARE(walk.text("sbges"), QStringLiteral("2848,95"));
        walk.next("Button2", PageId::Tabdeckung);

        walk.press({"cabrio"});  // not made for a figure-eight pool
        QVERIFY(!walk.at("cabrio")->isEnabled());
        QVERIFY(walk.at("Cabrio_Info")->isVisible());
        walk.press({"Lupo"}).moveOver();
        QCOMPARE(walk.text("gpabdeck"), QStringLiteral("3043,90"));
        walk.next("Button1", PageId::TLeitern);

        walk.press({"heing"}).pick("Leiterauswahl", "Halbhochbeckenleiter 5-Stufen");
        walk.next("Button1", PageId::TFip);
        QCOMPARE(daten.summe3, QStringLiteral("3413,85"));

        walk.pick("Filterauswahl", "Einhängekartuschenfilter Pumpenleistung 5 m³/h")
            .pick("elektro", "Salzwasserelektrolyse Oxilife mit WiFi Modul");
        QVERIFY(walk.at("ks")->isVisible());
        walk.next("skim", PageId::Tsolar);
        QCOMPARE(daten.summe4, QStringLiteral("6161,80"));

        walk.pick("solar_auswahl", "Ich möchte keine Solarabsorber").press({"solard"});
        walk.next("Button3", PageId::TSkimmer);

        // No skimmer and no nozzle with the cartridge filter.
        walk.moveOver();
        QVERIFY(walk.at("Memo1")->isVisible());
        QVERIFY(!walk.at("ebsk1")->isEnabled());
        walk.next("Button2", PageId::TLight);
        QCOMPARE(daten.summe6, QStringLiteral("6790,80"));

        walk.pick("licht_auswahl", "Einhänge-Halogen-Scheinwerfer").pick("anz", "3");
        walk.next("Button2", PageId::Tbrs);

        walk.press({"bslxs"});
        walk.next("Button3", PageId::Tureiniger);
        walk.pick("urein_auswahl", "Ich möchte keinen Unterwasserreiniger auswählen");
        walk.next("Button3", PageId::Tsave);
        QCOMPARE(daten.handlauf, QStringLiteral("Kombi Handlauf"));

        finish(walk, "7340,60",
               {" ", QString(26, ' ') + "Achtformbecken", " ", "Beckenhöhe: 1,50 m", "Volumen: 21m³",
                "Beckenrandsteine: 0,00 €", "", "Gesamtbeckenpreis: 7340,6", "Folienstärke: 1 mm",
                "Beckengröße: 3,20 x 5,25 m", "", "Schwimmbadabdeckungen:", "Safetop ",
                "Schwimmbadabdeckung Lupo Schwimmbad Solarabdeckung Lupo 194,95", "",
                "Leitertyp: Halbhochbeckenleiter 5-Stufen", "Einhängekartuschenfilter Pumpenleistung 5 m³/h",
                "Salzwasserelektrolyse Oxilife mit WiFi Modul2148,00", "Wassererwärmung: 629,00 ohne Wärmepumpe",
                "Keine zusätzliche Einlaufdüse ausgewählt !!!", "Kein Einbauskimmerset ausgewählt !!!",
                "Unterwasserbeleutung: Einhänge-Halogen-Scheinwerfer", "449,85", "Kein Bodenablauf ausgewählt !!!",
                "Bodenreingerset \"Luxus\":  99,95 €", "Ich möchte keinen Unterwasserreiniger auswählen",
                "Schwimmbeckengesamtpreis: 7340,6"});
    }

    void rectangularPoolWithStairsAndHeatPump(Walk &walk)
    {
        walk.next("Label2", PageId::Tre);  // "Rechteckbecken"
        walk.press({"b40x80", "f10", "beckenrand"});
        QCOMPARE(walk.text("sbges"), QStringLiteral("6078,00"));
        walk.next("Button2", PageId::Tabdeckung);

        // SafeTop® and the Cabrio Dome are not made for rectangular pools.
        QVERIFY(!walk.at("safetop")->isEnabled());
        QVERIFY(!walk.at("cabrio")->isEnabled());
        walk.press({"Lupo"}).moveOver();
        QCOMPARE(walk.text("gpabdeck"), QStringLiteral("6397,95"));
        walk.next("Button1", PageId::TLeitern);

        walk.moveOver();
        QCOMPARE(walk.at<QComboBox>("Leiterauswahl")->count(), 10);  // the stairs of a rectangular pool too
        walk.pick("Leiterauswahl", "Römertreppe 2,25x 1,20x 1,50m / weiß mit blauen Stufen");
        QVERIFY(walk.at("leitergelenk")->isHidden());
        walk.next("Button1", PageId::TFip);
        QCOMPARE(daten.summe3, QStringLiteral("9096,95"));

        QCOMPARE(walk.at<QComboBox>("Filterauswahl")->count(), 56 - 23);  // from row 24 for 45 m³
        walk.pick("Filterauswahl", "Glasfaser- Kunststoffkessel 450 / Side mount /i-plus 90")
            .pick("elektro", "Salzwasserelektrolyse Oxilife");
        walk.next("skim", PageId::Tsolar);
        QCOMPARE(daten.summe4, QStringLiteral("11644,95"));

        walk.pick("solar_auswahl", QStringLiteral("7,00 x 1,20 m = 8,40 m²")).pick("anzdd", "4");
        walk.press({"tds3", "wp"});
        walk.next("Button3", PageId::TSkimmer);
        QCOMPARE(daten.heizungspreis, QStringLiteral("4527,80"));  // 4 x 499,95 + 629,00 + 1899,00
        QCOMPARE(daten.summe5, QStringLiteral("16172,75"));

        walk.press({"ebsk1", "zed", "bed"}).pick("anzed", "3").moveOver();
        QVERIFY(walk.at("Wand_info")->isVisible());
        QVERIFY(walk.at<QCheckBox>("wanddurch")->isChecked());
        walk.next("Button2", PageId::TLight);
        QCOMPARE(daten.summe6, QStringLiteral("16802,60"));  // 90,00 + 3 x 179,95

        walk.pick("licht_auswahl", "LED-Unterwasserscheinwerfer aus ABS für Aufstellbecken");
        walk.next("Button2", PageId::Tbrs);
        walk.press({"bdab"}).press({"kab", "bslxs"});
        walk.next("Button3", PageId::Tureiniger);
        QCOMPARE(daten.summe8, QStringLiteral("17174,50"));
        walk.pick("urein_auswahl", QStringLiteral("Vollautomatischer Unterwasserreingiger \"I-Top CL\""));
        walk.next("Button3", PageId::Tsave);

        finish(walk, "18573,50",
               {" ", QString(26, ' ') + "Rechteckbecken", " ", "Beckenhöhe: 1,50 m", "Volumen: 45m³",
                "Beckenrandsteine: 1429,00 €", "", "Gesamtbeckenpreis: 18573,5", "Folienstärke: 1 mm",
                "Beckengröße: 4,00 x 8,00 m", "", "Schwimmbadabdeckungen:", "Safetop ",
                "Schwimmbadabdeckung Lupo Schwimmbad Solarabdeckung Lupo 319,95", "",
                "Leitertyp: Römertreppe 2,25x 1,20x 1,50m / weiß mit blauen Stufen",
                "Glasfaser- Kunststoffkessel 450 / Side mount /i-plus 90", "Salzwasserelektrolyse Oxilife1549,00",
                "Wassererwärmung: 4527,80 inkl. Wärmepumpe",
                "zusätzliche Wanddurchführung inkl. Einlaufdüse aus Rotguss     3 x", "Einbauskimmerset",
                "Unterwasserbeleutung: LED-Unterwasserscheinwerfer aus ABS für Aufstellbecken", "209,95",
                "Bodenablauf mit Rost", "Bodenreingerset \"Luxus\":  99,95 €",
                "Vollautomatischer Unterwasserreingiger \"I-Top CL\"", "Schwimmbeckengesamtpreis: 18573,5"});
    }

private Q_SLOTS:
    void init()
    {
        customer = new Customer;
        folder = new QTemporaryDir;
        customer->quoteFile = folder->filePath("angebot.nxr");
        customer->pdf = folder->filePath("angebot.pdf");
        startProgram();
    }
    void cleanup()
    {
        destroyPages();
        delete folder;
        delete customer;
    }

    // Each customer once with the mouse and once with the keyboard alone: the same
    // choices give the same totals on the way, the same quote list, file and print-out.
    void walk_data()
    {
        QTest::addColumn<Script>("script");
        QTest::addColumn<Hands>("hands");
        const std::pair<const char *, Script> walks[] = {
            {"round pool with everything", &WalksTest::roundPoolWithEverything},
            {"oval pool sunk in the ground", &WalksTest::ovalPoolSunkInTheGround},
            {"figure-eight pool with the cartridge filter", &WalksTest::figureEightPoolWithTheCartridgeFilter},
            {"rectangular pool with stairs and heat pump", &WalksTest::rectangularPoolWithStairsAndHeatPump},
        };
        for (const auto &[name, script] : walks) {
            QTest::addRow("%s, mouse", name) << script << Hands::Mouse;
            QTest::addRow("%s, keyboard", name) << script << Hands::Keyboard;
        }
    }
    void walk()
    {
        QFETCH(Script, script);
        QFETCH(Hands, hands);
        MousePresses presses;
        Walk walk(PageId::Tbg, hands);
        (this->*script)(walk);
        if (hands == Hands::Keyboard)
            QCOMPARE(presses.count, 0);
    }




};

NIXARO_TEST_MAIN(WalksTest)
#include "tst_walks.moc"
