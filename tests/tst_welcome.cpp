// The welcome page: choosing a shape, the reset on every return, help and contact memos,
// and the links.
#include "testsupport.h"

#include "app/daten.h"
#include "app/dealer.h"
#include "app/look.h"
#include "app/mainmenu.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

using namespace app;
using namespace testing;

class WelcomeTest : public QObject
{
    Q_OBJECT

    template<typename T = QWidget>
    static T *welcome(const char *name) { return control<T>(PageId::Tbg, name); }

    static void hover(QWidget *w, bool enter)
    {
        QEvent e(enter ? QEvent::Enter : QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }

private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void cleanupTestCase() { destroyPages(); }
    void init() { goTo(PageId::Tbg); }

    void startsAsDesigned()
    {
        const struct { const char *name, *text; } labels[] = {
            {"Label6", "Ovalformbecken"}, {"Label2", "Rechteckbecken"}, {"Label7", "Achtformbecken"},
            {"Label1", "Rundformbecken"}, {"Label3", "INFO"},
            {"Label4", "weitere Artikel der Marvasten Reinigungs- und Pooltechnik sehen Sie hier"},
            {"doof", "Bitte Beckenform anklicken"}, {"doof2", "Bitte Beckenform anklicken"},
            {"doof3", "Bitte Beckenform anklicken"}, {"doof4", "Bitte Beckenform anklicken"}};
        for (const auto &l : labels)
            QCOMPARE(welcome<QLabel>(l.name)->text(), QString::fromUtf8(l.text));
        for (const char *hidden : {"doof", "doof2", "doof3", "doof4", "m", "info", "form", "Panel1"})
            QVERIFY2(!welcome(hidden)->isVisible(), hidden);
        QVERIFY(welcome("kontakt")->isVisible());
        QCOMPARE(welcome<QLineEdit>("Edit1")->text(), QStringLiteral("Willkommen zur Nixaro"));
        QVERIFY(welcome<QLineEdit>("Edit1")->isReadOnly());
        QCOMPARE(welcome<QPlainTextEdit>("info")->toPlainText(), QStringLiteral("INFO"));
        QVERIFY(welcome<QPlainTextEdit>("m")->isReadOnly());
        QVERIFY(page(PageId::Tbg)->menuBar()->findChild<QAction *>("Begrung1")->isChecked());
    }

    void helpTextCoversEveryPage()
    {
        const QString help = welcome<QPlainTextEdit>("m")->toPlainText();
        QVERIFY(help.contains(u"Nixaro ist eine Preisliste."));
        QVERIFY(help.contains(u"Die darin enthaltenen Preise sind kein verbindliches Angebot!"));
        QVERIFY(help.contains(u"800x600"));
        QVERIFY(help.contains(u"Um das Programm zu starten, wählen Sie bitte erst die gewünschte\n"
                              u"Beckenform durch Anklicken der Beckenbezeichnung aus."));
        const QStringList sections = {
            "Schwimmbeckenauswahl", "Schwimmbadabdeckungen", "Leiterauswahl", "Filterauswahl",
            "Geräte zur Wassererwärmung", "Skimmer", "Unterwasserscheinwerfer", "Bodenreiniger",
            "Unterwasserreiniger", "Optionen", "Abschlussseite"};
        qsizetype at = 0;
        for (int i = 0; i < sections.size(); ++i) {
            const QString heading = QStringLiteral("%1. Seite\t\t%2\n").arg(i + 1).arg(sections[i]);
            const qsizetype found = help.indexOf(heading, at);
            QVERIFY2(found > at, qPrintable(heading));
            at = found;
        }
        QVERIFY(help.contains(u"Weitere Artikel der Marvasten"));
        QVERIFY(help.contains(u"E-Mail"));
    }

    void choosingAShapeStoresItAndOpensItsPage_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("poolPage");
        QTest::newRow("oval") << "Label6" << "Ovalformbecken" << int(PageId::Tol);
        QTest::newRow("rectangular") << "Label2" << "Rechteckbecken" << int(PageId::Tre);
        QTest::newRow("figure-eight") << "Label7" << "Achtformbecken" << int(PageId::Tat);
        QTest::newRow("round stores Rundbecken") << "Label1" << "Rundbecken" << int(PageId::Trd);
    }
    void choosingAShapeStoresItAndOpensItsPage()
    {
        QFETCH(QString, label);
        QFETCH(QString, stored);
        QFETCH(int, poolPage);
        clickOn(welcome(qPrintable(label)));
        QVERIFY(becomesActive(page(PageId(poolPage))));
        QCOMPARE(daten.beckenform, stored);
        QVERIFY(isShowing(PageId::Tbg));
        for (PageId id : {PageId::Tat, PageId::Trd, PageId::Tol, PageId::Tre})
            QCOMPARE(isShowing(id), id == PageId(poolPage));
    }

    void aSecondShapeClosesTheFirstAndTheLadders()
    {
        clickOn(welcome("Label6"));
        QVERIFY(becomesActive(page(PageId::Tol)));
        goTo(PageId::TLeitern);
        goTo(PageId::TFip);
        goTo(PageId::Tbg);
        clickOn(welcome("Label2"));
        QVERIFY(becomesActive(page(PageId::Tre)));
        QVERIFY(!isShowing(PageId::Tol));
        QVERIFY(!isShowing(PageId::TLeitern));
        QVERIFY(isShowing(PageId::TFip));  // other equipment pages keep their place
        QCOMPARE(daten.beckenform, QStringLiteral("Rechteckbecken"));
        closePage(PageId::TFip);
    }

    void returningResetsTheStoreAndClosesTheRoundPage()
    {
        clickOn(welcome("Label1"));
        QVERIFY(becomesActive(page(PageId::Trd)));
        daten.summe1 = QStringLiteral("818,95");
        daten.aufbaupreis = QStringLiteral("1298,90");
        daten.gesamtpreis = QStringLiteral("2000,00");
        page(PageId::Trd)->findChild<QAction *>("Begrung1")->trigger();
        QVERIFY(becomesActive(page(PageId::Tbg)));
        QCOMPARE(daten.summe1, QStringLiteral("0"));
        QCOMPARE(daten.gesamtpreis, QStringLiteral("0"));
        QCOMPARE(daten.beckenform, QStringLiteral("0"));
        QCOMPARE(daten.aufbaupreis, QStringLiteral("1298,90"));
        QVERIFY(!isShowing(PageId::Trd));
    }

    void shapeHintsFollowTheMouse()
    {
        const std::pair<const char *, const char *> hints[] = {
            {"Label6", "doof"}, {"Label2", "doof2"}, {"Label7", "doof3"}, {"Label1", "doof4"}};
        for (auto [label, hint] : hints) {
            hover(welcome(label), true);
            QVERIFY(welcome(hint)->isVisible());
            hover(welcome(label), false);
            QVERIFY(!welcome(hint)->isVisible());
        }
    }

    void infoShowsAndHidesTheHelp()
    {
        QWidget *help = welcome("m");
        clickOn(welcome("Label3"));
        QVERIFY(help->isVisible());
        doubleClickOn(welcome("Edit1"));
        QVERIFY(!help->isVisible());
        // A double click begins with a click: the help shows, then hides.
        QTest::mouseClick(welcome("Label3"), Qt::LeftButton);
        QTest::mouseDClick(welcome("Label3"), Qt::LeftButton);
        QVERIFY(!help->isVisible());
    }

    void contactMemoFollowsTheMouseOverTheBanner()
    {
        auto *greeting = welcome<QLineEdit>("Edit1");
        moveMouseOver(welcome("Image1"));
        QVERIFY(welcome("kontakt")->isVisible());
        QCOMPARE(greeting->text(), QStringLiteral("Hier geht´s zur Homepage"));
        QCOMPARE(textColour(greeting), QColor(Qt::yellow));
        moveMouseOver(welcome("Label3"));
        QVERIFY(!welcome("kontakt")->isVisible());
        moveMouseOver(welcome("Image1"));
        QVERIFY(welcome("kontakt")->isVisible());
        moveMouseOver(welcome("Image2"), {400, 300});
        QVERIFY(!welcome("kontakt")->isVisible());
        QCOMPARE(greeting->text(), QStringLiteral("Willkommen zur Nixaro"));
        QCOMPARE(textColour(greeting), QColor(0, 0, 128));
        QVERIFY(welcome<QPlainTextEdit>("kontakt")->toPlainText().contains(dealer::phone));
    }

    void linksOpenTheWebSiteOrSaySoWhenTheyCannot()
    {
        FakeDialogs user;
        clickOn(welcome("Image1"));
        QCOMPARE(user.urls, QList<QUrl>{dealer::websiteUrl});
        QVERIFY(user.messages.isEmpty());
        QCOMPARE(dealer::websiteUrl.scheme(), QStringLiteral("https"));

        user.urlOpens = false;
        clickOn(welcome("Edit1"));
        QCOMPARE(user.urls.size(), 2);
        QCOMPARE(user.messages, QStringList{"Internetseite konnte nicht geöffnet werden!"});
    }

    void tabVisitsTheShapesInfoAndLinksWithAVisibleMark()
    {
        Page *welcomePage = page(PageId::Tbg);
        QWidget *start = welcome("Label1");
        start->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 8; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"Label1", "Label6", "Label7", "Label2", "Label4", "Image1", "Label3", "Label1"}));
        // The page's focus frame is the one mark: the label itself looks as before.
        for (const char *name : {"Label1", "Label3", "Label4"}) {
            welcome("Image1")->setFocus(Qt::TabFocusReason);
            const QImage unfocused = welcome(name)->grab().toImage();
            welcome(name)->setFocus(Qt::TabFocusReason);
            QVERIFY2(welcome(name)->grab().toImage() == unfocused, name);
        }
        // A click leaves the focus where it was: the mouse behaviour is unchanged.
        welcome("Label6")->setFocus(Qt::TabFocusReason);
        clickOn(welcome("Label3"));
        QCOMPARE(QApplication::focusWidget(), welcome("Label6"));
        welcome<QWidget>("m")->hide();
        QVERIFY(welcomePage->isActiveWindow());
    }

    void enterOrSpaceOnAShapeStartsTheWalk_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("poolPage");
        QTest::newRow("Enter on the round shape") << "Label1" << int(Qt::Key_Return) << "Rundbecken" << int(PageId::Trd);
        QTest::newRow("Space on the oval shape") << "Label6" << int(Qt::Key_Space) << "Ovalformbecken" << int(PageId::Tol);
        QTest::newRow("keypad Enter on the rectangle") << "Label2" << int(Qt::Key_Enter) << "Rechteckbecken" << int(PageId::Tre);
    }
    void enterOrSpaceOnAShapeStartsTheWalk()
    {
        QFETCH(QString, label);
        QFETCH(int, key);
        QFETCH(QString, stored);
        QFETCH(int, poolPage);
        QWidget *shape = welcome(qPrintable(label));
        shape->setFocus(Qt::TabFocusReason);
        QTest::keyClick(shape, Qt::Key(key));
        QVERIFY(becomesActive(page(PageId(poolPage))));
        QCOMPARE(daten.beckenform, stored);
    }

    void enterOnInfoAndTheLinks()
    {
        FakeDialogs user;
        welcome("Label3")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(welcome("Label3"), Qt::Key_Return);
        QVERIFY(welcome("m")->isVisible());
        QTest::keyClick(welcome("Label3"), Qt::Key_Escape);  // as its double click
        QVERIFY(welcome("m")->isHidden());
        // What the mouse shows over the banner and a shape shows while they have the focus.
        welcome<QWidget>("kontakt")->hide();
        QTest::keyClick(welcome("Label3"), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(welcome("kontakt")->isVisible());
        QCOMPARE(welcome<QLineEdit>("Edit1")->text(), QStringLiteral("Hier geht´s zur Homepage"));
        QTest::keyClick(welcome("Image1"), Qt::Key_Tab);
        QVERIFY(welcome("kontakt")->isHidden());
        QCOMPARE(welcome<QLineEdit>("Edit1")->text(), QStringLiteral("Willkommen zur Nixaro"));
        QTest::keyClick(welcome("Label3"), Qt::Key_Tab);
        QVERIFY(welcome("doof4")->isVisible());
        QTest::keyClick(welcome("Label1"), Qt::Key_Tab);
        QVERIFY(welcome("doof4")->isHidden());
        QVERIFY(welcome("doof")->isVisible());
        welcome("Label3")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(welcome("Image1"), Qt::Key_Space);
        QCOMPARE(user.urls, QList<QUrl>{dealer::websiteUrl});
        QTest::keyClick(welcome("Label4"), Qt::Key_Return);
        QVERIFY(becomesActive(page(PageId::Tartikel)));
        closePage(PageId::Tartikel);
    }

    void furtherArticlesLink()
    {
        clickOn(welcome("Label4"));
        QVERIFY(becomesActive(page(PageId::Tartikel)));
        closePage(PageId::Tartikel);
    }
};

NIXARO_TEST_MAIN(WelcomeTest)
#include "tst_welcome.moc"
