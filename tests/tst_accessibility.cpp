// What a screen reader says: the radio groups, lists and choice boxes a user sees on the
// pages carry a name.
#include "testsupport.h"

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
};

NIXARO_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
