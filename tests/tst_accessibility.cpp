// What a screen reader says: the radio groups, lists and choice boxes a user sees on the
// pages carry a name, and so does every control and field, in words a person reads on
// the page; a picture of an article says which article it shows. And what the eye
// sees: every check box shows whether it is ticked, and the control with the keyboard
// focus stands out by a frame.
#include "testsupport.h"

#include "app/picturebox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusFrame>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabBar>

#include <functional>

using namespace app;
using namespace testing;

namespace {

// The contrast of two colours as the web's accessibility guidelines define it.
double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What hides the frame around a focused control: none shows, a side is thinner than two
// pixels, it strays more than three pixels from the control's edge (of a notebook, its
// current tab's), covers the control's middle, or something lies over it.
QString ringFault(QWidget *form, QWidget *control)
{
    auto *ring = form->findChild<QFocusFrame *>(QString(), Qt::FindDirectChildrenOnly);
    if (!ring || !ring->isVisible())
        return QStringLiteral("no frame");
    QRect edge = control->rect();
    if (auto *tabs = qobject_cast<QTabBar *>(control))
        edge = tabs->tabRect(tabs->currentIndex());
    edge = QRect(control->mapTo(form, edge.topLeft()), edge.size()) & form->rect();
    const QRect outer = ring->geometry();
    const QRegion drawn = ring->mask().isEmpty() ? QRegion(outer) : ring->mask().translated(outer.topLeft());
    if (!outer.contains(edge) || !edge.adjusted(-3, -3, 3, 3).contains(outer))
        return QStringLiteral("off the edge");
    if (!QRegion(outer).subtracted(outer.adjusted(2, 2, -2, -2)).subtracted(drawn).isEmpty())
        return QStringLiteral("thin");
    if (drawn.contains(edge.center()))
        return QStringLiteral("over the control");
    const QObjectList &stack = form->children();
    for (qsizetype i = stack.indexOf(ring) + 1; i < stack.size(); ++i)
        if (auto *w = qobject_cast<QWidget *>(stack[i]); w && w->isVisible() && drawn.intersects(w->geometry()))
            return QStringLiteral("under ") + w->objectName();
    return {};
}

// What a screen reader is told of the controls a user reaches with the keyboard and of
// the fields a user reads: name, description and the object behind it.
struct ReadOut
{
    QObject *object;
    QAccessible::Role role;
    QString name, description;
};
QList<ReadOut> readOut(QWidget *page)
{
    QList<ReadOut> found;
    const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        if (!node || node->state().invisible)
            return;
        const QAccessible::Role role = node->role();
        const bool field = role == QAccessible::EditableText || role == QAccessible::List || role == QAccessible::ComboBox;
        if (field || node->state().focusable) {
            // Qt tells a list box's value as its name on Linux; a screen reader reads
            // the caption that labels it there.
            QString name = node->text(QAccessible::Name);
            if (role == QAccessible::ComboBox) {
                name.clear();
                for (const auto &[label, relation] : node->relations(QAccessible::Label))
                    name = label->text(QAccessible::Name);
            }
            found.append({node->object(), role, name, node->text(QAccessible::Description)});
        }
        if (field || role == QAccessible::PageTabList)
            return;  // the rows of a list and the tabs speak for themselves
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(page));
    return found;
}

// The pictures in sight that do not tell a screen reader what they show; backgrounds
// and ornaments are declared decorative and say nothing.
QStringList unnamedPictures(QWidget *form)
{
    QStringList found;
    for (PictureBox *picture : form->findChildren<PictureBox *>())
        if (picture->isVisible() && !picture->property("decorative").toBool() && picture->accessibleName().isEmpty())
            found << picture->objectName();
    return found;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void cleanupTestCase() { destroyPages(); }

    void everyGroupAndListHasAName_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 0; id < pageCount; ++id)
            if (PageId(id) != PageId::Tdatenspeicher)
                QTest::newRow(qPrintable(page(PageId(id))->objectName())) << id;
    }
    void everyGroupAndListHasAName()
    {
        QFETCH(int, id);
        QWidget *form = page(PageId(id))->client();
        QStringList unnamed;
        for (QWidget *w : form->findChildren<QWidget *>()) {
            const bool group = qobject_cast<QFrame *>(w) && w->property("radioGroup").toBool();
            const bool choice = qobject_cast<QComboBox *>(w) || qobject_cast<QListWidget *>(w);
            // Hidden controls (the pages' working edits and lists) are no part of what is read out.
            if ((group || choice) && !w->isHidden() && w->accessibleName().isEmpty())
                unnamed << w->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    }

    void everyControlAndFieldIsNamed_data() { everyGroupAndListHasAName_data(); }
    void everyControlAndFieldIsNamed()
    {
        QFETCH(int, id);
        goTo(PageId(id));
        QStringList unnamed;
        for (const ReadOut &r : readOut(page(PageId(id)))) {
            const QString objectName = r.object ? r.object->objectName() : QString();
            static const QRegularExpression letter(QStringLiteral("\\p{L}"));
            if (!r.name.contains(letter) || r.name == objectName)
                unnamed << objectName + u'(' + QString::number(r.role, 16) + u')';
            // Prices are read out as amounts of money.
            static const QRegularExpression amount(QStringLiteral("preis|summe|übertrag|betrag"), QRegularExpression::CaseInsensitiveOption);
            if (r.role == QAccessible::EditableText && r.name.contains(amount) && !r.description.contains(u"Euro"))
                unnamed << objectName + QStringLiteral(" (no Euro)");
            // A line is read by its runs of text, each holding the offset it was asked for.
            QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(r.object)->textInterface();
            int start = 0, end = 0;
            if (text && text->characterCount() > 0 && (text->attributes(0, &start, &end), end) <= 0)
                unnamed << objectName + QStringLiteral(" (empty text run)");
        }
        for (const QString &picture : unnamedPictures(page(PageId(id))->client()))
            unnamed << picture + QStringLiteral(" (picture)");
        // The window too, whether it shows a title or not.
        if (QAccessible::queryAccessibleInterface(page(PageId(id)))->text(QAccessible::Name).isEmpty())
            unnamed << QStringLiteral("(window)");
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    }

    // Said once, and as what it is: what Enter acts on is a button or a link that a screen
    // reader can press, any other picture an image; ornaments are not read at all.
    void everyControlSaysWhatItDoes_data() { everyGroupAndListHasAName_data(); }
    void everyControlSaysWhatItDoes()
    {
        QFETCH(int, id);
        QStringList wrong;
        const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface *child = node->child(i);
                auto *w = qobject_cast<QWidget *>(child ? child->object() : nullptr);
                if (!w)
                    continue;  // menu entries, rows and tabs
                const QString name = child->text(QAccessible::Name), what = w->objectName();
                const bool picture = qobject_cast<PictureBox *>(w), focusable = w->focusPolicy() & Qt::TabFocus;
                // Reached by Tab, a label or picture acts on Enter, unless it is there for its menu.
                const bool acts = (picture || qobject_cast<QLabel *>(w)) && focusable
                    && w->contextMenuPolicy() != Qt::CustomContextMenu;
                const auto *action = child->actionInterface();
                if (w->property("decorative").toBool())
                    wrong << what + QStringLiteral(" read though decorative");
                else if (acts && (!action || !action->actionNames().contains(QAccessibleActionInterface::pressAction())
                                  || (child->role() != QAccessible::Button && child->role() != QAccessible::Link)))
                    wrong << what + QStringLiteral(" no button");
                else if (picture && !focusable && child->role() != QAccessible::Graphic)
                    wrong << what + QStringLiteral(" no image");
                if (!name.isEmpty() && child->text(QAccessible::Description).contains(name))
                    wrong << what + QStringLiteral(" named twice");
                walk(child);
            }
        };
        walk(QAccessible::queryAccessibleInterface(page(PageId(id))));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", ")));
    }

    // Pages that show an article's pictures once it is chosen from a list: every row of
    // the lists, after each control that refills them (a button, or each row of a list
    // of topics).
    void chosenArticlesPicturesAreDescribed_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("refills");
        QTest::addColumn<QStringList>("lists");
        QTest::newRow("TFip") << int(PageId::TFip) << QStringList() << QStringList{"Filterauswahl", "elektro"};
        QTest::newRow("TLeitern") << int(PageId::TLeitern) << QStringList{"eing", "heing", "neing"}
                                  << QStringList{"Leiterauswahl"};
        QTest::newRow("TLight") << int(PageId::TLight) << QStringList() << QStringList{"licht_auswahl"};
        QTest::newRow("Tureiniger") << int(PageId::Tureiniger) << QStringList() << QStringList{"urein_auswahl"};
        QTest::newRow("Tartikel") << int(PageId::Tartikel) << QStringList{"themen"} << QStringList{"Auswahl"};
    }
    void chosenArticlesPicturesAreDescribed()
    {
        QFETCH(int, id);
        QFETCH(QStringList, refills);
        QFETCH(QStringList, lists);
        goTo(PageId(id));
        QWidget *form = page(PageId(id))->client();
        QStringList undescribed;
        int shown = 0;
        const auto chooseEachRow = [&] {
            for (const QString &name : lists) {
                auto *list = form->findChild<QComboBox *>(name);
                QVERIFY2(list, qPrintable(name));
                list->setFocus(Qt::TabFocusReason);  // the filter list is filled as it takes the focus
                for (int row = 0; row < list->count(); ++row) {
                    list->setCurrentIndex(row);
                    Q_EMIT list->activated(row);
                    for (PictureBox *picture : form->findChildren<PictureBox *>())
                        shown += picture->isVisible();
                    for (const QString &picture : unnamedPictures(form))
                        undescribed << list->itemText(row) + QStringLiteral(": ") + picture;
                }
            }
        };
        if (refills.isEmpty())
            chooseEachRow();
        for (const QString &name : refills) {
            if (auto *topics = form->findChild<QListWidget *>(name)) {
                for (int row = 0; row < topics->count(); ++row) {
                    QTest::mouseClick(topics->viewport(), Qt::LeftButton, {}, topics->visualItemRect(topics->item(row)).center());
                    moveMouseOver(topics->viewport());
                    chooseEachRow();
                }
            } else {
                press(form->findChild<QWidget *>(name));
                chooseEachRow();
            }
        }
        QVERIFY(shown > 0);
        undescribed.removeDuplicates();
        QVERIFY2(undescribed.isEmpty(), qPrintable(undescribed.join(u", ")));
    }

    // Every control the keyboard reaches, focused in turn, shows a frame, clear against
    // the page's background and the white of the fields (seen once per page).
    void focusShowsAFrame_data() { everyGroupAndListHasAName_data(); }
    void focusShowsAFrame()
    {
        QFETCH(int, id);
        goTo(PageId(id));
        QWidget *form = page(PageId(id))->client();
        QStringList faint;
        for (QWidget *w : form->findChildren<QWidget *>()) {
            // A list's edit part passes the focus to its list, a notebook to its tabs.
            if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isVisible() || !w->isEnabled())
                continue;
            w->setFocus(Qt::TabFocusReason);
            const QString fault = QApplication::focusWidget() ? ringFault(form, w) : QStringLiteral("takes no focus");
            if (!fault.isEmpty())
                faint << w->objectName() + u' ' + fault;
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(u", ")));
        auto *ring = form->findChild<QFocusFrame *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(ring && ring->isVisible());
        const QImage drawn = form->grab(ring->geometry()).toImage();
        const QRgb background = form->palette().color(QPalette::Window).rgb();
        for (const QRect &part : ring->mask())
            for (int y = part.top(); y <= part.bottom(); ++y)
                for (int x = part.left(); x <= part.right(); ++x)
                    if (contrast(drawn.pixel(x, y), background) < 3.0 || contrast(drawn.pixel(x, y), qRgb(255, 255, 255)) < 3.0)
                        QFAIL(qPrintable(QStringLiteral("faint frame at %1,%2").arg(x).arg(y)));
    }

    // Caption colours from style sheets would tint the mark too, pale on the white square.
    void everyCheckBoxShowsItsMark_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 0; id < pageCount; ++id)
            if (PageId(id) != PageId::Tdatenspeicher && page(PageId(id))->client()->findChild<QCheckBox *>())
                QTest::newRow(qPrintable(page(PageId(id))->objectName())) << id;
    }
    void everyCheckBoxShowsItsMark()
    {
        QFETCH(int, id);
        const auto boxes = page(PageId(id))->client()->findChildren<QCheckBox *>();
        goTo(PageId(id));
        QStringList pale;
        for (QCheckBox *box : boxes) {
            // The page's handlers stay out of it: only the drawing is looked at.
            const QSignalBlocker quiet(box);
            const bool was = box->isChecked();
            for (bool enabled : {true, false}) {
                const bool wasEnabled = box->isEnabled();
                box->setEnabled(enabled);
                box->setChecked(false);
                const bool blank = !checkMarkShows(box);
                box->setChecked(true);
                if (!blank || !checkMarkShows(box))
                    pale << box->objectName() + (enabled ? QString() : QStringLiteral(" (disabled)"));
                box->setEnabled(wasEnabled);
            }
            box->setChecked(was);
        }
        QVERIFY2(pale.isEmpty(), qPrintable(pale.join(u", ")));
    }

    // A screen reader's press clicks: a shape opens its pool page, and "Zurück zum
    // Becken", which the keyboard may not reach, closes the final page. Last: it walks on.
    void pressingClicks()
    {
        const auto pressOn = [](PageId id, const char *name) {
            goTo(id);
            QAccessible::queryAccessibleInterface(control(id, name))->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        };
        pressOn(PageId::Tbg, "Label1");
        QTRY_VERIFY(isShowing(PageId::Trd));
        pressOn(PageId::Tendpr, "Panel2");
        QTRY_VERIFY(!isShowing(PageId::Tendpr));
    }
};

NIXARO_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
