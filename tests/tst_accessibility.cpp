// What a screen reader says: the radio groups, lists and choice boxes a user sees on the
// pages carry a name. And what the eye sees: every check box shows whether it is ticked.
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QListWidget>

using namespace app;
using namespace testing;

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

    // Caption colours from style sheets would tint the mark too, pale on the white square.
    void everyCheckBoxShowsItsMark_data() { everyGroupAndListHasAName_data(); }
    void everyCheckBoxShowsItsMark()
    {
        QFETCH(int, id);
        const auto boxes = page(PageId(id))->client()->findChildren<QCheckBox *>();
        if (boxes.isEmpty())
            QSKIP("no check box");
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
};

NIXARO_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
