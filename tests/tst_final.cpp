// The final page: the eight set-up steps with their pictures, the guide, and the ways on.
#include "testsupport.h"

#include <QPushButton>

#include "app/dealer.h"
#include "app/mainmenu.h"
#include "app/picturebox.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace app;
using namespace testing;

class FinalTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void cleanupTestCase() { destroyPages(); }

    void eightStepsWithTheirPictures()
    {
        const char *captions[] = {
            "Bodenplatte erstellen !", "Flies auf Betonplatte befestigen !",
            "Zusammenstecken der Elemente der Bodenschiene !", "Stahlwand in Bodenschiene setzten !",
            "Vorbereitung zum Einhängen der Folie!", "Einhängen der Folie!", "Folie nach dem Einhängen glätten.",
            "Fertig aufgestelles Becken."};
        auto *notebook = control<QTabWidget>(PageId::Tendpr, "TabbedNotebook1");
        QCOMPARE(notebook->count(), 8);
        for (int step = 1; step <= 8; ++step) {
            QWidget *tab = notebook->widget(step - 1);
            QCOMPARE(notebook->tabText(step - 1), QString("Step %1").arg(step));
            QCOMPARE(tab->findChild<QLabel *>()->text(), QString::fromUtf8(captions[step - 1]));
            // Steps 1, 2 and 8 show each shape on a tab of its own; one picture per tab.
            QList<QWidget *> pictureTabs{tab};
            QStringList titles, shown, expected{QString(":/assets/quote/step%1.jpg").arg(step)};
            if (auto *shapes = tab->findChild<QTabWidget *>()) {
                pictureTabs.clear();
                expected.clear();
                for (int i = 0; i < shapes->count(); ++i) {
                    pictureTabs << shapes->widget(i);
                    titles << shapes->tabText(i);
                }
                QCOMPARE(titles, (QStringList{"Ovalform", "Achtform", "Rundbecken"}));
                for (const char *shape : {"oval", "eight", "round"})
                    expected << QString(":/assets/quote/step%1_%2.jpg").arg(step).arg(shape);
            }
            for (QWidget *pictureTab : pictureTabs) {
                const auto boxes = pictureTab->findChildren<PictureBox *>();
                QCOMPARE(boxes.size(), 1);
                shown << boxes[0]->source();
                QVERIFY2(!boxes[0]->image().isNull(), qPrintable(shown.last()));
            }
            QCOMPARE(shown, expected);
        }
    }

    // Ctrl+Tab turns the notebook from a control that does not take the key, round from
    // the last step to the first; with the focus on a nested notebook's tab row it turns that one.
    void ctrlTabTurnsTheSteps()
    {
        goTo(PageId::Tendpr);
        auto *notebook = control<QTabWidget>(PageId::Tendpr, "TabbedNotebook1");
        notebook->setCurrentIndex(0);
        auto *probe = new QPushButton(QStringLiteral("Probe"), notebook->window()->findChild<QWidget *>(QStringLiteral("client")));
        probe->show();
        probe->setFocus(Qt::TabFocusReason);
        QTest::keyClick(probe, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(notebook->currentIndex(), 1);
        QTest::keyClick(probe, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(probe, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(notebook->currentIndex(), 7);
        auto *shapes = notebook->currentWidget()->findChild<QTabWidget *>();
        shapes->tabBar()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(shapes->tabBar(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(shapes->currentIndex(), 1);
        QCOMPARE(notebook->currentIndex(), 7);
        notebook->setCurrentIndex(0);
        delete probe;
        // From the guide text as well.
        auto *guide = control<QPlainTextEdit>(PageId::Tendpr, "dt");
        guide->setFocus(Qt::TabFocusReason);
        QTest::keyClick(guide, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(notebook->currentIndex(), 1);
        notebook->setCurrentIndex(0);
    }

    void headingAndGuide()
    {
        QCOMPARE(control<QPlainTextEdit>(PageId::Tendpr, "Memo1")->toPlainText(),
                 QStringLiteral("In sieben einfachen Schritten zu \nIhrem Traumschwimmbad"));
        const QString guide = control<QPlainTextEdit>(PageId::Tendpr, "dt")->toPlainText();
        for (const QString &point : {QString("85 %"), QString("10 bis 15 cm"), QString("Bodenvlies"),
                                     QString("Marvasten"), dealer::street, dealer::phone, dealer::website})
            QVERIFY2(guide.contains(point), qPrintable(point));
    }

    // Runs before anything opened the floor-cleaning page: once shown, the buttons stay.
    void buttonsAppearOnceTheWalkReachedTheFloorCleaningPage()
    {
        QWidget *back = control(PageId::Tendpr, "Button3");
        QWidget *next = control(PageId::Tendpr, "Button1");
        goTo(PageId::Tendpr);
        QVERIFY(!back->isVisible() && !next->isVisible());
        goTo(PageId::Tbrs);
        goTo(PageId::Tendpr);
        QVERIFY(back->isVisible() && next->isVisible());
        closePage(PageId::Tbrs);
        closePage(PageId::Tendpr);
        goTo(PageId::Tendpr);
        QVERIFY(back->isVisible() && next->isVisible());

        clickOn(back);
        QVERIFY(becomesActive(page(PageId::Tsave)));
        goTo(PageId::Tendpr);
        clickOn(next);
        QVERIFY(becomesActive(page(PageId::Tartikel)));
        for (PageId id : {PageId::Tartikel, PageId::Tsave, PageId::Tendpr})
            closePage(id);
    }

    void backToThePool()
    {
        for (bool byMenu : {false, true}) {
            goTo(PageId::Tre);
            goTo(PageId::Tendpr);
            if (byMenu)
                goToEntry(page(PageId::Tendpr), GoTo::Schwimmbeckenauswahl)->trigger();
            else
                clickOn(control(PageId::Tendpr, "Panel2"));  // "Zurück zum Becken"
            QVERIFY(becomesActive(page(PageId::Tre)));
            QVERIFY(!isShowing(PageId::Tendpr));
            closePage(PageId::Tre);
        }
    }

    // Without a shape chosen there is no pool page to go back to: the page only closes,
    // and a step left open underneath keeps its place.
    void backToThePoolWithNoPoolPageOpen()
    {
        goTo(PageId::Tsave);
        goTo(PageId::Tendpr);
        clickOn(control(PageId::Tendpr, "Panel2"));
        settle();
        QVERIFY(!isShowing(PageId::Tendpr));
        for (PageId id : {PageId::Tat, PageId::Trd, PageId::Tol, PageId::Tre})
            QVERIFY(!isShowing(id));
        QVERIFY(isShowing(PageId::Tsave));

        goToEntry(page(PageId::Tsave), GoTo::Abschlussseite)->trigger();  // and back it comes
        QVERIFY(becomesActive(page(PageId::Tendpr)));
        for (PageId id : {PageId::Tendpr, PageId::Tsave})
            closePage(id);
    }
};

NIXARO_TEST_MAIN(FinalTest)
#include "tst_final.moc"
