// The page set, navigation, page events, the shared main menu and the exit.
#include "testsupport.h"

#include "app/daten.h"
#include "app/mainmenu.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>

using namespace app;
using namespace testing;

namespace {

// Counts the page events of a page without changing it.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QWidget *page) { page->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Show && !e->spontaneous())
            ++shows;
        return false;
    }
};

QStringList entryCaptions(Page *page, const char *menu)
{
    QStringList captions;
    for (QAction *a : page->findChild<QMenu *>(QString::fromLatin1(menu))->actions())
        captions << a->text();
    return captions;
}

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void cleanupTestCase() { destroyPages(); }

    // In the pauses after start-up the other pages are made and drawn off screen,
    // unseen: none shows or becomes active and no page handler runs (the store keeps
    // every text). Destroying the pages midway stops the work.
    void idleMakingIsUnseen()
    {
        makePagesWhenIdle();
        QTRY_VERIFY(isMade(PageId::Tol));
        destroyPages();
        startProgram();
        for (int id = 1; id < pageCount; ++id)  // the old work made none of the new pages
            QVERIFY2(!isMade(PageId(id)), QByteArray::number(id).constData());
        QWidget *active = QApplication::activeWindow();
        const QStringList names = QuoteStore::slotNames();
        for (const QString &name : names)
            daten.setValue(name, name + u'?');
        makePagesWhenIdle();
        QTRY_VERIFY(allPagesMade());
        settle();
        QCOMPARE(idleSlice(), -1);  // the last page prepared too
        QVERIFY(!isMade(PageId::Tdatenspeicher));  // never shown, so never made for nothing
        for (int id = 1; id < pageCount; ++id)
            QVERIFY2(!isShowing(PageId(id)), qPrintable(page(PageId(id))->objectName()));
        QCOMPARE(QApplication::activeWindow(), active);
        for (const QString &name : names)
            QCOMPARE(daten.value(name), name + u'?');
        daten = QuoteStore();
        daten.reset();
    }

    void createsTheTwentyOnePagesInOrder_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        const struct { const char *name, *caption; QSize size; } pages[] = {
            {"Tbg", "Nixaro", {784, 531}},
            {"Trd", "Schwimmbeckenauswahl  - Rundbecken", {784, 531}},
            {"TLight", "Unterwasserscheinwerfer", {790, 516}},
            {"Tendpr", "Abschlußseite", {784, 531}},
            {"TFip", "", {790, 514}},
            {"Tdatenspeicher", "datenspeicher", {320, 240}},
            {"Tsave", "Optionen", {792, 514}},
            {"Tat", "Schwimmbeckenauswahl  - Achtformbecken", {790, 516}},
            {"Tol", "Schwimmbeckenauswahl  - Ovalformbecken", {784, 531}},
            {"Tsolar", "Geräte zur Wassererwärmung", {786, 531}},
            {"Tartikel", "Weitere Artikel der Marvasten Reinigungs- und Pooltechnik", {990, 611}},
            {"Tmss", "Mehr Schwimmbad", {1366, 712}},
            {"Tmzs", "Mehr Zubehör", {790, 534}},
            {"Tmezs", "Mehr Zubehör", {790, 514}},
            {"Tre", "Schwimmbeckenauswahl - Rechteckbecken", {790, 516}},
            {"Tsber", "Zezurara Berechnung", {790, 514}},
            {"TLeitern", "Leiterauswahl", {792, 514}},
            {"Tabdeckung", "Schwimmbadabdeckungen", {790, 514}},
            {"TSkimmer", "Skimmer", {790, 514}},
            {"Tbrs", "Bodenreinigungsset", {792, 516}},
            {"Tureiniger", "Unterwasserreiniger", {792, 516}},
        };
        int id = 0;
        for (const auto &p : pages)
            QTest::newRow(p.name) << id++ << QString::fromLatin1(p.name) << QString::fromUtf8(p.caption) << p.size;
    }
    void createsTheTwentyOnePagesInOrder()
    {
        QFETCH(int, id);
        QFETCH(QString, className);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        Page *p = page(PageId(id));
        QCOMPARE(p->objectName(), className);
        QCOMPARE(p->metaObject()->className(), className);
        QCOMPARE(p->windowTitle(), caption);
        QCOMPARE(p->client()->size(), client);
        QVERIFY(p->isWindow());
        QCOMPARE(p->client()->palette().color(QPalette::Window),
                 className == u"Tartikel" ? QColor(0, 0, 128) : QColor(5, 168, 216));
    }

    void bordersFollowThePage()
    {
        QVERIFY(page(PageId::Tbg)->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(page(PageId::TFip)->windowFlags() & Qt::FramelessWindowHint);
        const Qt::WindowFlags wizard = page(PageId::TLeitern)->windowFlags();
        QVERIFY(wizard & Qt::WindowCloseButtonHint);
        QVERIFY(!(wizard & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::FramelessWindowHint)));
        goTo(PageId::TLeitern);
        QCOMPARE(page(PageId::TLeitern)->minimumSize(), page(PageId::TLeitern)->maximumSize());
        closePage(PageId::TLeitern);
        QVERIFY(page(PageId::Tartikel)->windowFlags() & Qt::WindowMaximizeButtonHint);
    }

    void afterStartOnlyTheWelcomePageShowsAndTheStoreIsReset()
    {
        for (int id = 1; id < pageCount; ++id)
            QVERIFY2(!isShowing(PageId(id)), qPrintable(page(PageId(id))->objectName()));
        QVERIFY(isShowing(PageId::Tbg));
        QCOMPARE(daten.summe1, QStringLiteral("0"));
        QCOMPARE(daten.beckenform, QStringLiteral("0"));
        QCOMPARE(daten.aufbaupreis, QString());
    }

    void storeResetKeepsFourSlots()
    {
        for (const QString &name : QuoteStore::slotNames())
            daten.setValue(name, QStringLiteral("x"));
        daten.reset();
        const QStringList kept = {QStringLiteral("aufbaupreis"), QStringLiteral("elektrolyse"),
                                  QStringLiteral("wasseraufbereitungspreis"), QStringLiteral("waermepumpenpreis")};
        QCOMPARE(QuoteStore::slotNames().size(), 35);
        for (const QString &name : QuoteStore::slotNames())
            QCOMPARE(daten.value(name), kept.contains(name) ? QStringLiteral("x") : QStringLiteral("0"));
        daten.summe3 = QStringLiteral("12,50");
        QCOMPARE(daten.value(u"summe3"), QStringLiteral("12,50"));
    }

    void pagesPileUpAndCloseOnlyHides()
    {
        goTo(PageId::TLeitern);
        goTo(PageId::TFip);
        QVERIFY(isShowing(PageId::Tbg));
        QVERIFY(isShowing(PageId::TLeitern));
        QVERIFY(isShowing(PageId::TFip));
        QCOMPARE(QApplication::activeWindow(), page(PageId::TFip));

        page(PageId::TLeitern)->close();  // the window's close button
        QVERIFY(!isShowing(PageId::TLeitern));
        QVERIFY(isShowing(PageId::Tbg));
        closePage(PageId::TFip);
    }

    void showRunsOnceActivationOnEveryReturn()
    {
        Page *ladders = page(PageId::TLeitern);
        EventCounter shows(ladders);

        goTo(PageId::TLeitern);
        goTo(PageId::TFip);
        goTo(PageId::TLeitern);  // already visible: brought to the front, not shown again
        QCOMPARE(shows.shows, 1);
        QCOMPARE(QApplication::activeWindow(), ladders);
        closePage(PageId::TLeitern);
        closePage(PageId::TFip);
    }

    void returningToTheWelcomePageResetsTheStore()
    {
        goTo(PageId::TLeitern);
        daten.summe2 = QStringLiteral("1234,00");
        daten.aufbaupreis = QStringLiteral("1658,90");
        goTo(PageId::Tbg);
        QCOMPARE(daten.summe2, QStringLiteral("0"));
        QCOMPARE(daten.aufbaupreis, QStringLiteral("1658,90"));
        closePage(PageId::TLeitern);
    }

    // The taskbar lists the main window alone. The window manager activating it for that
    // entry or the window switcher brings back the page in front, minimised or not, and
    // leaves the store alone; a click on the welcome page itself returns to it.
    void theTaskbarEntryBringsBackThePageInFront()
    {
        goTo(PageId::TLeitern);
        Page *ladders = page(PageId::TLeitern);
        Page *welcome = page(PageId::Tbg);
        daten.summe2 = QStringLiteral("1234,00");
        ladders->showMinimized();
        welcome->activateWindow();
        QTRY_VERIFY(!ladders->isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), ladders);
        QCOMPARE(daten.summe2, QStringLiteral("1234,00"));

        auto *background = control<QWidget>(PageId::Tbg, "Image2");
        const QPoint corner(3, background->height() - 3);
        QTest::mousePress(background, Qt::LeftButton, {}, corner);
        welcome->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), welcome);
        QTest::mouseRelease(background, Qt::LeftButton, {}, corner);
        QCOMPARE(daten.summe2, QStringLiteral("0"));
        closePage(PageId::TLeitern);
    }

    void aMessageBoxOverAPageIsNoNewActivation()
    {
        goTo(PageId::Tbg);
        daten.summe2 = QStringLiteral("99,00");
        // A real message box over the welcome page, closed by the user once it is active.
        const auto closing = connect(qApp, &QGuiApplication::focusWindowChanged, this, [](QWindow *now) {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && box->windowHandle() == now)
                box->accept();
        });
        QMessageBox::information(page(PageId::Tbg), applicationTitle(), QStringLiteral("Hinweis"));
        disconnect(closing);
        settle();
        QCOMPARE(daten.summe2, QStringLiteral("99,00"));
    }

    void menuEntriesLeadToTheirPages_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("target");
        QTest::newRow("Schwimmbadabdeckungen - 2") << "Schwimmbadabdeckungen21" << int(PageId::Tabdeckung);
        QTest::newRow("Leiterauswahl - 3") << "Leiterauswahl31" << int(PageId::TLeitern);
        QTest::newRow("Filterauswahl - 4") << "Filterauswahl41" << int(PageId::TFip);
        QTest::newRow("Wassererwärmung - 5") << "GertezurWassererwrmung51" << int(PageId::Tsolar);
        QTest::newRow("Skimmer - 6") << "Skimmer61" << int(PageId::TSkimmer);
        QTest::newRow("Unterwasserscheinwerfer - 7") << "Unterwasserscheinwerfer71" << int(PageId::TLight);
        QTest::newRow("Bodenreinigungsset - 8") << "Bodenreinigungsset81" << int(PageId::Tbrs);
        QTest::newRow("Unterwasserreiniger - 9") << "Unterwasserreiniger91" << int(PageId::Tureiniger);
        QTest::newRow("Optionen - 10") << "Optionen101" << int(PageId::Tsave);
        QTest::newRow("Abschlußseite - 11") << "Abschluseite111" << int(PageId::Tendpr);
        QTest::newRow("Zezurara Berechnung") << "ZezuraraBerechnung1" << int(PageId::Tsber);
        QTest::newRow("Weitere Artikel...") << "WeitereArtikel1" << int(PageId::Tartikel);
    }
    void menuEntriesLeadToTheirPages()
    {
        QFETCH(QString, entry);
        QFETCH(int, target);
        goTo(PageId::TLeitern);
        page(PageId::TLeitern)->findChild<QAction *>(entry)->trigger();
        settle();
        QVERIFY(isShowing(PageId(target)));
        QCOMPARE(QApplication::activeWindow(), page(PageId(target)));
        QVERIFY(isShowing(PageId::TLeitern));  // the page the user came from stays open
        closePage(PageId(target));
        closePage(PageId::TLeitern);
    }

    void poolEntryShowsTheOpenPoolPageOrNothing()
    {
        goTo(PageId::TSkimmer);
        goToEntry(page(PageId::TSkimmer), GoTo::Schwimmbeckenauswahl)->trigger();
        settle();
        QCOMPARE(QApplication::activeWindow(), page(PageId::TSkimmer));  // no pool page open

        goTo(PageId::Tre);
        goTo(PageId::Tsave);
        goToEntry(page(PageId::Tsave), GoTo::Schwimmbeckenauswahl)->trigger();
        QVERIFY(becomesActive(page(PageId::Tre)));
        for (PageId id : {PageId::TSkimmer, PageId::Tre, PageId::Tsave})
            closePage(id);
    }

    // The open pool page comes to the front from every page with the entry; the final
    // page closes itself on the way.
    void poolEntryFromEveryPage_data()
    {
        QTest::addColumn<int>("from");
        for (PageId id : {PageId::Tbg, PageId::Tabdeckung, PageId::TLeitern, PageId::TFip, PageId::Tsolar,
                          PageId::TSkimmer, PageId::TLight, PageId::Tbrs, PageId::Tureiniger, PageId::Tsave,
                          PageId::Tendpr, PageId::Tsber})
            QTest::newRow(qPrintable(page(id)->objectName())) << int(id);
    }
    void poolEntryFromEveryPage()
    {
        QFETCH(int, from);
        const PageId id = PageId(from);
        FakeDialogs user;  // whatever a page says about the reset store
        goTo(PageId::Tre);
        goTo(id);
        goToEntry(page(id), GoTo::Schwimmbeckenauswahl)->trigger();
        QVERIFY(becomesActive(page(PageId::Tre)));
        QCOMPARE(isShowing(id), id != PageId::Tendpr);
        closePage(PageId::Tre);
        if (id != PageId::Tbg)
            closePage(id);
    }

    // Tab walks each page in the order its form declares, the reading order: rows from
    // the top, left to right in a row, a column beside a tall picture before the picture;
    // every price, total and summary shown is a stop, and so is every control a click acts
    // on; a radio group is one stop; hidden and disabled controls are passed by. And it
    // comes round again.
    void tabFollowsTheReadingOrder_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("Tbg") << int(PageId::Tbg) << QStringList{"Image1", "Label3", "Label1", "Label6", "Label7", "Label2", "Label4"};
        QTest::newRow("Trd") << int(PageId::Trd) << QStringList{"conzero", "b35", "beckenrand", "f06", "h12", "zus", "sbges", "Button3", "Image2"};
        QTest::newRow("TLight") << int(PageId::TLight) << QStringList{"licht_auswahl", "Licht_info", "Licht_preis_einzel", "anz", "licht_preis_gesamt", "Beckenpreis", "gpr", "Button1", "Button2"};
        QTest::newRow("Tendpr") << int(PageId::Tendpr) << QStringList{"dt", "TabbedNotebook1.tabs", "TabbedNotebook2.tabs", "Panel2"};
        QTest::newRow("TFip") << int(PageId::TFip) << QStringList{"vm", "bele", "Filterauswahl", "Memo1", "prpmp", "Memo2", "elektro", "wasseraufb", "elektrotxt", "bpg", "Button2", "skim"};
        QTest::newRow("Tsave") << int(PageId::Tsave) << QStringList{"beck_end", "ur", "Image1", "Button3", "Button5", "Button4", "Button7", "Button2", "Button6"};
        QTest::newRow("Tat") << int(PageId::Tat) << QStringList{"b320x525", "f06", "h12", "beckenrand", "zus", "sbges", "Button3", "Image2"};
        QTest::newRow("Tol") << int(PageId::Tol) << QStringList{"conzero", "b320x525", "beckenrand", "f06", "h12", "zus", "sbges", "Button3", "Memo1", "Image2"};
        QTest::newRow("Tsolar") << int(PageId::Tsolar) << QStringList{"solar_auswahl", "psabsorb", "anzdd", "gpabsorb", "ptds", "SpeedButton1", "solard", "psolar", "solar", "Image1", "Image2", "wp", "wpp", "bsp", "gpr", "Button2", "Button3"};
        QTest::newRow("Tartikel") << int(PageId::Tartikel) << QStringList{"themen", "Auswahl", "Auswahl_info", "SpeedButton2", "SpeedButton1"};
        QTest::newRow("Tmss") << int(PageId::Tmss) << QStringList{"as1", "as2", "as3", "as4", "as5", "Button1", "scroller"};
        QTest::newRow("Tmzs") << int(PageId::Tmzs) << QStringList{"ms1", "ms2", "ms4", "ms5", "ms3", "Button1"};
        QTest::newRow("Tmezs") << int(PageId::Tmezs) << QStringList{"TabbedNotebook1.tabs"};
        QTest::newRow("Tre") << int(PageId::Tre) << QStringList{"b3x6", "f08", "Memo1", "zus", "sbges", "Button3", "beckenrand", "rechtpic"};
        QTest::newRow("Tsber") << int(PageId::Tsber) << QStringList{"becken", "r", "o", "a", "rb", "s2", "anzdd", "l", "b", "h", "f", "bof", "ab", "v", "Memo2", "Panel4", "Panel3"};
        QTest::newRow("TLeitern") << int(PageId::TLeitern) << QStringList{"prl", "eing", "leitergelenk", "Button2", "Button1"};
        QTest::newRow("Tabdeckung") << int(PageId::Tabdeckung) << QStringList{"Preisvonbecken", "safetop", "safetoppreis", "cabrio", "cabrio_preis", "Lupo", "Lupo_Preis", "gpabdeck", "Button2", "Button1"};
        QTest::newRow("TSkimmer") << int(PageId::TSkimmer) << QStringList{"ebsk1", "sk1", "tab.tabs", "prsk", "zed", "ked", "eed", "anzed", "ped", "gesed", "prbele", "gpr", "Button1", "Button2"};
        QTest::newRow("Tbrs") << int(PageId::Tbrs) << QStringList{"sbgb", "bdab", "boden", "prbd", "bslxs", "brs", "zus", "brg", "Button1", "Button3"};
        QTest::newRow("Tureiniger") << int(PageId::Tureiniger) << QStringList{"bodenurein", "urein_auswahl", "urein_info", "upr", "Button1", "Button3"};
    }
    void tabFollowsTheReadingOrder()
    {
        QFETCH(int, id);
        QFETCH(QStringList, chain);
        goTo(PageId(id));
        QWidget *client = page(PageId(id))->client();
        // A notebook's tab row is named after its notebook.
        auto name = [](QWidget *w) {
            return qobject_cast<QTabBar *>(w) ? w->parentWidget()->objectName() + QStringLiteral(".tabs") : w->objectName();
        };
        QWidget *first = nullptr;
        for (QWidget *w : client->findChildren<QWidget *>())
            if (!first && w->isVisible() && name(w) == chain.value(0))
                first = w;
        QVERIFY(first);
        first->setFocus(Qt::TabFocusReason);
        QList<QWidget *> visited;
        while (!visited.contains(QApplication::focusWidget()) && visited.size() < 60) {
            visited << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QStringList names;
        for (QWidget *w : visited)
            names << name(w);
        QCOMPARE(names, chain);
        QCOMPARE(QApplication::focusWidget(), first);  // round to the first again
    }

    void menuCaptionsPerPage()
    {
        const QStringList standard = {
            "Begrüßung ", "Schwimmbeckenauswahl - 1", "Schwimmbadabdeckungen - 2", "Leiterauswahl - 3",
            "Filterauswahl - 4", "Geräte zur Wassererwärmung - 5", "Skimmer - 6", "Unterwasserscheinwerfer - 7",
            "Bodenreinigungsset - 8", "Unterwasserreiniger - 9", "Optionen - 10", "Abschlußseite - 11",
            "Zezurara Berechnung", "Weitere Artikel..."};
        QCOMPARE(entryCaptions(page(PageId::Trd), "Gehezu1"), standard);
        QCOMPARE(entryCaptions(page(PageId::Trd), "Datei1"), QStringList{"&Beenden"});
        QCOMPARE(entryCaptions(page(PageId::Tsber), "Datei1"), QStringList{"Zurück"});

        QStringList eight = standard;
        eight.removeAll("Unterwasserscheinwerfer - 7");
        eight.replaceInStrings("Bodenreinigungsset - 8", "Bodenreinigungsset - 7");
        eight.replaceInStrings("Unterwasserreiniger - 9", "Unterwasserreiniger -8");
        eight.replaceInStrings("Optionen - 10", "Optionen - 9");
        eight.replaceInStrings("Abschlußseite - 11", "Abschlußseite - 10");
        QCOMPARE(entryCaptions(page(PageId::Tat), "Gehezu1"), eight);

        QStringList options = standard;
        options[0] = "Begrüßung";
        options[8] = "Unterwasserreiniger - 8";
        options[9] = "Bodenreinigungsset - 9";
        QCOMPARE(entryCaptions(page(PageId::Tsave), "Gehezu1"), options);

        for (auto *bar : {page(PageId::Trd)->menuBar(), page(PageId::Tbg)->menuBar()}) {
            QStringList visible;
            for (QAction *a : bar->actions())
                if (a->isVisible())
                    visible << a->text();
            QCOMPARE(visible, (QStringList{"&Datei", "&Gehe zu"}));
        }
    }

    void eachPageChecksItsOwnEntry_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("caption");
        QTest::newRow("welcome") << int(PageId::Tbg) << "Begrüßung ";
        QTest::newRow("round") << int(PageId::Trd) << "Schwimmbeckenauswahl - 1";
        QTest::newRow("covers") << int(PageId::Tabdeckung) << "Schwimmbadabdeckungen - 2";
        QTest::newRow("figure-eight cleaner") << int(PageId::Tat) << "Schwimmbeckenauswahl - 1";
        QTest::newRow("options") << int(PageId::Tsave) << "Optionen - 10";
        QTest::newRow("sizing") << int(PageId::Tsber) << "Zezurara Berechnung";
    }
    void eachPageChecksItsOwnEntry()
    {
        QFETCH(int, id);
        QFETCH(QString, caption);
        QMenu *menu = page(PageId(id))->findChild<QMenu *>("Gehezu1");
        QStringList checked;
        for (QAction *a : menu->actions())
            if (a->isChecked())
                checked << a->text();
        QCOMPARE(checked, QStringList{caption});
        QCOMPARE(menu->defaultAction()->text(), caption);
        menu->defaultAction()->trigger();  // choosing it again keeps the mark
        QVERIFY(menu->defaultAction()->isChecked());
        settle();
        closePage(PageId(id) == PageId::Tbg ? PageId::Trd : PageId(id));
    }

    void fontKeysWorkWhileTheirMenuIsHidden()
    {
        Page *round = page(PageId::Trd);
        goTo(PageId::Trd);
        auto *fonts = round->findChild<QMenu *>("Schriftgreanpassen1");
        QVERIFY(!fonts->menuAction()->isVisible());
        QCOMPARE(round->findChild<QAction *>("N1")->text(), QStringLiteral("+"));
        QCOMPARE(round->findChild<QAction *>("N2")->text(), QStringLiteral(" -"));
        int steps = 0;
        connect(round->findChild<QAction *>("N1"), &QAction::triggered, this, [&] { ++steps; });
        connect(round->findChild<QAction *>("N2"), &QAction::triggered, this, [&] { --steps; });
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(round, Qt::Key_F2);
        QTest::keyClick(round, Qt::Key_F1);
        QCOMPARE(steps, 2);
        // Alt alone leaves the keyboard where it was; Alt with a letter opens the menu.
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus, Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), focus);
        QVERIFY(!round->menuBar()->activeAction());
        closePage(PageId::Trd);
    }

    void backAndNextButtonsFollowTheWalk_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("to");
        QTest::newRow("covers back") << int(PageId::Tabdeckung) << "Button2" << int(PageId::Tre);
        QTest::newRow("covers next") << int(PageId::Tabdeckung) << "Button1" << int(PageId::TLeitern);
        QTest::newRow("ladders next") << int(PageId::TLeitern) << "Button1" << int(PageId::TFip);
        QTest::newRow("filter next") << int(PageId::TFip) << "skim" << int(PageId::Tsolar);
        QTest::newRow("heating next") << int(PageId::Tsolar) << "Button3" << int(PageId::TSkimmer);
        QTest::newRow("skimmer back") << int(PageId::TSkimmer) << "Button1" << int(PageId::Tsolar);
        QTest::newRow("lights next") << int(PageId::TLight) << "Button2" << int(PageId::Tbrs);
        QTest::newRow("floor next") << int(PageId::Tbrs) << "Button3" << int(PageId::Tureiniger);
        QTest::newRow("cleaner next") << int(PageId::Tureiniger) << "Button3" << int(PageId::Tsave);
        QTest::newRow("options back") << int(PageId::Tsave) << "Button7" << int(PageId::Tureiniger);
    }
    void backAndNextButtonsFollowTheWalk()
    {
        QFETCH(int, from);
        QFETCH(QString, button);
        QFETCH(int, to);
        goTo(PageId::Tre);  // the open pool page of "covers back"
        goTo(PageId(from));
        clickOn(control<QAbstractButton>(PageId(from), qPrintable(button)));
        QVERIFY(becomesActive(page(PageId(to))));
        for (PageId id : {PageId(from), PageId(to), PageId::Tre})
            closePage(id);
    }

    // Text typed into a list box is no row, even where it is a row's name, and leaving
    // the box by a click, Tab or "&Weiter -->" does not make it one: article names price
    // nothing, counts and keys read as typed, nothing more happens on leaving.
    void typedRowNamesStayTyped_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("leave");  // the control clicked, "Tab", or the next button
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("slots");  // stored by "&Weiter -->"
        struct Box
        {
            PageId id;
            const char *box, *typed, *clicked, *next;
            QStringList fields, slots;
        };
        const Box boxes[] = {
            {PageId::TFip, "elektro", "Salzwasserelektrolyse Hydrolife", "vm", "skim",
             {"wasseraufb=0,00", "elektrotxt="},
             {"elektrolyse=Salzwasserelektrolyse Hydrolife", "wasseraufbereitungspreis=0,00", "summe4=1000,00"}},
            {PageId::Tsolar, "solar_auswahl", "2,00 x 1,20 m = 2,40 m²", "wpp", "Button3",
             {"psabsorb=0,00", "gpabsorb=0,00"}, {"heizungspreis=0,00", "summe5=1000"}},
            {PageId::Tsolar, "anzdd", "3", "wpp", "Button3", {"anz=3", "gpabsorb=0,00"}, {"summe5=1000"}},
            {PageId::TSkimmer, "anzed", "2", "gesed", "Button2", {"anz=2", "gesed=0,00"}, {"summe6=1000,00"}},
            {PageId::Tsber, "anzdd", "2", "b", nullptr, {"anz=2"}, {}},
            {PageId::Tartikel, "Auswahl", "Becken", "Auswahl_info", nullptr,
             {"bmp1_txt=Abkühlung ohne große Anstrengungen", "bmp5_txt=Individuelle Gestaltung durch Gebogene Styroporsteine"},
             {}},
        };
        for (const Box &b : boxes) {
            QStringList ways{b.clicked, "Tab"};
            if (b.next)
                ways << b.next;
            for (const QString &way : ways)
                QTest::addRow("%s %s, %s", page(b.id)->metaObject()->className(), b.box, qPrintable(way))
                    << int(b.id) << b.box << b.typed << way << b.fields << (way == b.next ? b.slots : QStringList());
        }
    }
    void typedRowNamesStayTyped()
    {
        QFETCH(int, id);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, leave);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, slots);
        FakeDialogs user;
        daten.summe3 = daten.summe4 = daten.summe5 = QStringLiteral("1000,00");
        goTo(PageId(id));
        auto *combo = control<QComboBox>(PageId(id), qPrintable(box));
        if (box == "Auswahl") {  // the sub-topics of "Schwimmbad" as rows
            auto *themen = control<QListWidget>(PageId::Tartikel, "themen");
            const QPoint topic = themen->visualItemRect(themen->findItems("Schwimmbad", Qt::MatchExactly)[0]).center();
            QTest::mouseClick(themen->viewport(), Qt::LeftButton, {}, topic);
            moveMouseOver(themen->viewport(), topic);
        }
        QVERIFY(combo->findText(typed) >= 0);
        QLineEdit *edit = combo->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);

        auto fieldsNow = [&] {
            QStringList now;
            for (const QString &field : fields) {
                QWidget *w = control(PageId(id), qPrintable(field.section('=', 0, 0)));
                const QString text = qobject_cast<QLineEdit *>(w)        ? static_cast<QLineEdit *>(w)->text()
                                     : qobject_cast<QPlainTextEdit *>(w) ? static_cast<QPlainTextEdit *>(w)->toPlainText()
                                                                         : static_cast<QLabel *>(w)->text();
                now << field.section('=', 0, 0) + '=' + text;
            }
            return now;
        };
        QCOMPARE(fieldsNow(), fields);
        if (leave == "Tab") {
            QTest::keyClick(edit, Qt::Key_Tab);
        } else {
            QWidget *target = control(PageId(id), qPrintable(leave));
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
        }
        settle();
        QVERIFY(!edit->hasFocus());
        QCOMPARE(combo->currentText(), typed);
        QCOMPARE(fieldsNow(), fields);
        for (const QString &slot : slots)
            QCOMPARE(slot.section('=', 0, 0) + '=' + daten.value(slot.section('=', 0, 0)), slot);
        QCOMPARE(user.errors, QStringList());
        if (!slots.isEmpty())
            closePage(PageId(id) == PageId::TFip ? PageId::Tsolar : PageId(id) == PageId::Tsolar ? PageId::TSkimmer : PageId::TLight);
    }

    void finalPageButtonsAppearOnceTheWalkReachedIt()
    {
        goTo(PageId::Tendpr);
        QVERIFY(!control<QWidget>(PageId::Tendpr, "Button1")->isVisible());
        goTo(PageId::Tbrs);
        goTo(PageId::Tendpr);
        QVERIFY(control<QWidget>(PageId::Tendpr, "Button1")->isVisible());
        QVERIFY(control<QWidget>(PageId::Tendpr, "Button3")->isVisible());
        clickOn(control<QWidget>(PageId::Tendpr, "Panel2"));  // "Zurück zum Becken", no pool page open
        QVERIFY(!isShowing(PageId::Tendpr));
        closePage(PageId::Tbrs);
    }

    // Alt+F4 or the window manager's close on the welcome page asks as "&Beenden" does.
    void windowManagerCloseOfTheMainWindowAsksFirst()
    {
        FakeDialogs user;
        goTo(PageId::Tsave);
        goTo(PageId::Tbg);
        QVERIFY(!page(PageId::Tbg)->close());
        QCOMPARE(user.confirmations,
                 QStringList{"Programm wirklich Beenden? Nicht gespeicherte Daten gehen verloren !"});
        QCOMPARE(user.parents, QList<QWidget *>{page(PageId::Tbg)});
        QVERIFY(isShowing(PageId::Tbg));
        QVERIFY(isShowing(PageId::Tsave));

        user.answerYes = true;
        page(PageId::Tbg)->close();
        QVERIFY(!isShowing(PageId::Tbg));
        goTo(PageId::Tbg);  // the test goes on with the program
        closePage(PageId::Tsave);
    }

    void otherPagesCloseWithoutAQuestion()
    {
        FakeDialogs user;
        goTo(PageId::TLeitern);
        QVERIFY(page(PageId::TLeitern)->close());
        QVERIFY(!isShowing(PageId::TLeitern));
        QVERIFY(user.confirmations.isEmpty());
    }

    // The question from "&Datei" / "&Beenden" stands over its page, not over the closed
    // drop-down menu, and it speaks German.
    void exitQuestionIsGermanAndCentredOverItsPage()
    {
        goTo(PageId::TLeitern);
        Page *ladders = page(PageId::TLeitern);
        ladders->move(40, 30);
        QWidget *parent = nullptr;
        QPoint boxCentre;
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            parent = box->parentWidget();
            boxCentre = box->frameGeometry().center();
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            box->button(QMessageBox::No)->click();
        });
        ladders->findChild<QAction *>("Beenden1")->trigger();
        QCOMPARE(parent, ladders);
        QVERIFY2((boxCentre - ladders->frameGeometry().center()).manhattanLength() < 40,
                 qPrintable(QStringLiteral("%1,%2").arg(boxCentre.x()).arg(boxCentre.y())));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"&Ja", "&Nein"}));
        QVERIFY(isShowing(PageId::Tbg));
        closePage(PageId::TLeitern);
    }

    void everyMessageStandsOverThePageThatAsked()
    {
        FakeDialogs user;
        goTo(PageId::Tsave);
        page(PageId::Tsave)->findChild<QAction *>("Speichern1")->trigger();  // cancelled: a message
        clickOn(control<QAbstractButton>(PageId::Tsave, "Button6"));       // "Programm &Beenden"
        QCOMPARE(user.parents, (QList<QWidget *>{page(PageId::Tsave), page(PageId::Tsave)}));
        closePage(PageId::Tsave);
    }

    // X11 copies every offered size into the window as it opens, so each must draw.
    void everyPageCarriesTheLogoInEachOfferedSize()
    {
        const QIcon icon = page(PageId::Tbg)->windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        QCOMPARE(sizes.first(), QSize(16, 16));
        QCOMPARE(sizes.last(), QSize(128, 128));
        for (const QSize &size : sizes + QList<QSize>{{20, 20}, {256, 256}}) {
            const QImage logo = icon.pixmap(size).toImage();
            QCOMPARE(logo.size(), size);
            // the round logo: see-through corners, an opaque middle
            QCOMPARE(qAlpha(logo.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(logo.pixel(size.width() / 2, size.height() / 2)), 255);
        }
        goTo(PageId::TLeitern);
        QCOMPARE(page(PageId::TLeitern)->windowIcon().cacheKey(), icon.cacheKey());
    }

    void exitAsksAndOnlyYesEnds()
    {
        FakeDialogs user;
        goTo(PageId::TLeitern);
        page(PageId::TLeitern)->findChild<QAction *>("Beenden1")->trigger();
        QCOMPARE(user.confirmations,
                 QStringList{"Programm wirklich Beenden? Nicht gespeicherte Daten gehen verloren !"});
        QVERIFY(isShowing(PageId::Tbg));
        QVERIFY(isShowing(PageId::TLeitern));

        user.answerYes = true;
        clickOn(control<QAbstractButton>(PageId::Tsave, "Button6"));  // "Programm &Beenden"
        QCOMPARE(user.confirmations.size(), 2);
        QVERIFY(!isShowing(PageId::Tbg));  // the main window closed: the program ends
    }
};

NIXARO_TEST_MAIN(ShellTest)
#include "tst_shell.moc"
