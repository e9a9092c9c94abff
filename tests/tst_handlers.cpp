// Handler semantics the pages rely on: which handlers fire when code sets a control,
// the error dialog that ends only the failing handler, price fields and page events.
#include "testsupport.h"

#include "app/errors.h"
#include "app/handlers.h"
#include "app/keyboardmoves.h"
#include "app/numbertext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

using namespace app;
using namespace testing;

namespace {

// A page that counts its own events.
class CountingPage : public Page
{
public:
    CountingPage() : Page(QStringLiteral("Test"), {300, 200})
    {
        child = new QLabel(QStringLiteral("Etikett"), client());
        child->setGeometry(10, 10, 100, 30);
    }
    int shows = 0, activations = 0, moves = 0, downs = 0, ups = 0;
    QLabel *child;

protected:
    void FormShow() override { ++shows; }
    void FormActivate() override { ++activations; }
    void FormMouseMove(QPoint) override { ++moves; }
    void FormMouseDown(QPoint) override { ++downs; }
    void FormMouseUp(QPoint) override { ++ups; }
};

} // namespace

class HandlersTest : public QObject
{
    Q_OBJECT

    FakeDialogs *user = nullptr;
    QWidget *form = nullptr;
    QRadioButton *small = nullptr, *large = nullptr;
    QCheckBox *stones = nullptr;
    QLineEdit *edit = nullptr;
    QStringList fired;

private Q_SLOTS:
    void init()
    {
        quietOffscreenNotes();
        user = new FakeDialogs;
        form = new QWidget;
        small = new QRadioButton(QStringLiteral("klein"), form);
        large = new QRadioButton(QStringLiteral("groß"), form);
        large->move(0, 30);
        stones = new QCheckBox(QStringLiteral("Steine"), form);
        stones->move(0, 60);
        edit = new QLineEdit(form);
        edit->move(0, 90);
        fired.clear();
        onClick(small, [this] { fired << "small"; });
        onClick(large, [this] { fired << "large"; });
        onClick(stones, [this] { fired << "stones"; });
        onChange(edit, [this] { fired << "edit:" + edit->text(); });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup()
    {
        delete form;
        delete user;
    }

    void userClicksFireOnlyOnChange()
    {
        clickOn(small);
        clickOn(small);  // already set: nothing changes, nothing fires
        clickOn(large);
        clickOn(stones);
        clickOn(stones);
        QCOMPARE(fired, (QStringList{"small", "large", "stones", "stones"}));
    }

    void codeSettingFiresLikeAClick()
    {
        setChecked(large, true);
        setChecked(large, true);
        setChecked(small, true);   // the other radio button is cleared silently
        setChecked(small, false);  // clearing a radio button fires nothing ...
        QVERIFY(!small->isChecked() && !large->isChecked());  // ... but clears it
        setChecked(stones, true);
        setChecked(stones, false);
        QCOMPARE(fired, (QStringList{"large", "small", "stones", "stones"}));
    }

    void nestedHandlersRunInsideTheOuterOne()
    {
        // A handler that sets another control runs that control's handler first.
        onClick(stones, [this] {
            fired << "stones begin";
            setChecked(large, true);
            fired << "stones end";
        });
        clickOn(stones);
        QCOMPARE(fired, (QStringList{"stones begin", "large", "stones end"}));
    }

    void editChangesFireForCodeAndTyping()
    {
        setText(edit, QStringLiteral("1"));
        setText(edit, QStringLiteral("1"));  // unchanged: no event
        QTest::keyClicks(edit, QStringLiteral("2"));
        edit->setText(QStringLiteral("plain"));  // Qt's own setter is no user action
        QCOMPARE(fired, (QStringList{"edit:1", "edit:12"}));
    }

    void comboFiresOnlyForTheUser()
    {
        auto *combo = new QComboBox(form);
        combo->addItems({QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")});
        combo->move(0, 120);
        combo->show();
        onChange(combo, [this, combo] { fired << combo->currentText(); });
        combo->setCurrentIndex(2);
        combo->setCurrentText(QStringLiteral("eins"));
        QVERIFY(fired.isEmpty());
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(fired, QStringList{"zwei"});
    }

    void failingHandlerShowsErrorAndKeepsWhatItChanged()
    {
        onClick(stones, [this] {
            edit->setText(QStringLiteral("vorher"));
            toNumber(QStringLiteral("abc"));  // fails
            edit->setText(QStringLiteral("nachher"));
        });
        clickOn(stones);
        QCOMPARE(user->errors, QStringList{"'abc' is not a valid floating point value"});
        QCOMPARE(edit->text(), QStringLiteral("vorher"));
        QVERIFY(stones->isChecked());
        clickOn(large);  // the program goes on
        QCOMPARE(fired.last(), QStringLiteral("large"));
    }

    void errorInANestedHandlerEndsTheOuterOneToo()
    {
        onClick(large, [] { throw Error(QStringLiteral("innen")); });
        onClick(stones, [this] {
            fired << "before";
            setChecked(large, true);
            fired << "after";
        });
        clickOn(stones);
        QCOMPARE(fired, QStringList{"before"});
        QCOMPARE(user->errors, QStringList{"innen"});
        QVERIFY(large->isChecked());
    }

    void priceFieldNormalisesToTwoDecimals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("errors");
        QTest::newRow("whole") << "5" << "5,00" << 0;
        QTest::newRow("comma first") << "," << "," << 1;
        QTest::newRow("letter") << "x" << "x" << 1;
    }
    void priceFieldNormalisesToTwoDecimals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, errors);
        auto *price = new QLineEdit(form);
        makePriceField(price);
        setText(price, QStringLiteral("1834,45"));
        QCOMPARE(price->text(), QStringLiteral("1834,45"));
        setText(price, QStringLiteral("12,5"));
        QCOMPARE(price->text(), QStringLiteral("12,50"));

        price->clear();
        price->setFocus();
        QTest::keyClicks(price, typed);
        QCOMPARE(price->text(), shown);
        QCOMPARE(user->errors.size(), errors);
    }

    // A picture or label reached by Tab: Enter and Space click it, Escape does what its
    // double click does, the Menu key and Shift+F10 open its popup menu; other keys and
    // modifiers leave it alone.
    void keysDoWhatTheMouseDoes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("fires");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << "click";
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "click";
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << "click";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << "double";
        QTest::newRow("Menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier) << "menu";
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "menu";
        QTest::newRow("F10 alone") << int(Qt::Key_F10) << int(Qt::NoModifier) << "";
        QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << "";
    }
    void keysDoWhatTheMouseDoes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, fires);
        auto *picture = new QLabel(QStringLiteral("Bild"), form);
        picture->setGeometry(100, 40, 60, 40);
        picture->show();
        onClick(picture, [this] { fired << "click"; });
        onDoubleClick(picture, [this] { fired << "double"; });
        clickableByKeyboard(picture);
        auto *menu = new QMenu(form);
        menu->addAction(QStringLiteral("Eintrag"));
        setPopupMenu(picture, menu);
        picture->setFocus(Qt::TabFocusReason);
        QTest::keyClick(picture, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (menu->isVisible()) {
            fired << "menu";
            QCOMPARE(menu->activeAction(), menu->actions().first());  // Enter takes it
            menu->close();
        }
        QCOMPARE(fired.join(u','), fires);
    }

    // What the mouse shows over a control shows while the keyboard's focus is on it; a
    // click that gives the focus adds nothing to what the mouse shows.
    void hoverTextsFollowTheKeyboardFocus()
    {
        auto *hint = new QLabel(QStringLiteral("Hinweis"), form);
        hint->hide();
        showWhileFocused(stones, [hint] { hint->show(); }, [hint] { hint->hide(); });

        // Tab treats the radio group as one stop.
        small->setFocus(Qt::TabFocusReason);
        QTest::keyClick(small, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), stones);
        QVERIFY(!hint->isHidden());
        QTest::keyClick(stones, Qt::Key_Tab);
        QVERIFY(hint->isHidden());
        QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(!hint->isHidden());

        // Neither a click nor Qt moving the focus by itself (a notebook turned) shows it.
        edit->setFocus(Qt::MouseFocusReason);
        QVERIFY(hint->isHidden());
        clickOn(stones);
        QCOMPARE(QApplication::focusWidget(), stones);
        QVERIFY(hint->isHidden());
        edit->setFocus(Qt::MouseFocusReason);
        stones->setFocus(Qt::OtherFocusReason);
        QVERIFY(hint->isHidden());
    }

    // On a page that follows keys, one key gives one move over the page, after what the
    // key did; a key held down clicks once and moves once; Alt with a letter that is no
    // mnemonic does nothing at all, and characters typed into a field move nothing.
    void oneKeyOneMove_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("fires");
        QTest::addColumn<int>("moves");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Tab") << "button" << int(Qt::Key_Tab) << 0 << false << "" << 1 << "";
        QTest::newRow("Space clicks as it is let go") << "button" << int(Qt::Key_Space) << 0 << false << "clicked" << 1 << "";
        QTest::newRow("Space held") << "button" << int(Qt::Key_Space) << 0 << true << "clicked" << 1 << "";
        QTest::newRow("Enter held on a button") << "button" << int(Qt::Key_Return) << 0 << true << "clicked" << 1 << "";
        QTest::newRow("Enter held on a label") << "label" << int(Qt::Key_Return) << 0 << true << "label" << 1 << "";
        QTest::newRow("mnemonic") << "edit" << int(Qt::Key_W) << int(Qt::AltModifier) << false << "clicked" << 1 << "";
        QTest::newRow("Alt with no mnemonic") << "edit" << int(Qt::Key_X) << int(Qt::AltModifier) << false << "" << 0 << "";
        QTest::newRow("typed") << "edit" << int(Qt::Key_X) << 0 << false << "" << 0 << "x";
    }
    void oneKeyOneMove()
    {
        QFETCH(QString, at);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, held);
        QFETCH(QString, fires);
        QFETCH(int, moves);
        QFETCH(QString, typed);
        CountingPage page;
        followKeysWithBackgroundMove(&page);
        auto *button = new QPushButton(QStringLiteral("&Weiter -->"), page.client());
        button->setGeometry(10, 50, 100, 30);
        auto *field = new QLineEdit(page.client());
        field->setGeometry(10, 90, 100, 24);
        onClick(button, [this] { fired << "clicked"; });
        onClick(page.child, [this] { fired << "label"; });
        clickableByKeyboard(page.child);
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QWidget *target = at == u"button" ? button : at == u"edit" ? static_cast<QWidget *>(field) : page.child;
        target->setFocus(Qt::TabFocusReason);
        const auto modifier = Qt::KeyboardModifiers(modifiers);
        QTest::keyPress(target, Qt::Key(key), modifier);
        QCoreApplication::processEvents();
        const QString text(QLatin1Char(QTest::keyToAscii(Qt::Key(key))));
        for (int repeat = 0; held && repeat < 2; ++repeat) {
            QKeyEvent press(QEvent::KeyPress, key, modifier, text, true);
            QApplication::sendEvent(target, &press);
            QCoreApplication::processEvents();
        }
        QTest::keyRelease(target, Qt::Key(key), modifier);
        QTRY_COMPARE(fired.join(u','), fires);  // a mnemonic clicks a moment later
        QCoreApplication::processEvents();
        QCOMPARE(page.moves, moves);
        QCOMPARE(field->text(), typed);
    }

    void labelClickThenDoubleClick()
    {
        auto *label = new QLabel(QStringLiteral("INFO"), form);
        label->setGeometry(100, 0, 60, 20);
        label->show();
        onClick(label, [this] { fired << "click"; });
        onDoubleClick(label, [this] { fired << "double"; });
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(fired, (QStringList{"click", "double"}));
    }

    void pageEventsOfThePageItself()
    {
        CountingPage page;
        page.show();
        QVERIFY(becomesActive(&page));
        page.show();
        page.raise();
        QCOMPARE(page.shows, 1);
        QCOMPARE(page.activations, 1);

        // A message box over the page and back is no new activation.
        const auto closing = connect(qApp, &QGuiApplication::focusWindowChanged, this, [](QWindow *now) {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && box->windowHandle() == now)
                box->accept();
        });
        QMessageBox::information(&page, applicationTitle(), QStringLiteral("Hinweis"));
        disconnect(closing);
        settle();
        QCOMPARE(page.activations, 1);

        // Another page active, then the page again: a new activation.
        CountingPage other;
        other.show();
        QVERIFY(becomesActive(&other));
        page.activateWindow();
        QVERIFY(becomesActive(&page));
        QCOMPARE(page.activations, 2);

        // Hidden, another page used, then shown again: shown and activated anew.
        page.hide();
        other.activateWindow();
        QVERIFY(becomesActive(&other));
        page.show();
        page.activateWindow();
        QVERIFY(becomesActive(&page));
        QCOMPARE(page.shows, 2);
        QCOMPARE(page.activations, 3);

        // Mouse over the page's surface counts, over its label it does not.
        moveMouseOver(page.client(), {200, 150});
        moveMouseOver(page.child);
        QTest::mousePress(page.client(), Qt::LeftButton, {}, {200, 150});
        QTest::mouseRelease(page.client(), Qt::LeftButton, {}, {200, 150});
        QTest::mouseClick(page.child, Qt::LeftButton);
        QCOMPARE(page.moves, 1);
        QCOMPARE(page.downs, 1);
        QCOMPARE(page.ups, 1);
    }
};

NIXARO_TEST_MAIN(HandlersTest)
#include "tst_handlers.moc"
