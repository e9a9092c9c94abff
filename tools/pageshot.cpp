// Saves a picture of one page as the user sees it after start-up:
//   nixaro_pageshot <PageClass> <out.png> [<control> ...]
// Each further argument clicks the named control of that page first (a button, a
// radio button, a check box or a label), so a configured page can be looked at.
// With "-" for the picture the page stays on the screen until the tool is ended, for a
// screen reader or another look at the running page.
#include "app/application.h"
#include "app/navigation.h"
#include "app/page.h"
#include "app/pageset.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication();
    if (argc < 3) {
        qWarning("usage: nixaro_pageshot <PageClass> <out.png>|- [<control> ...]");
        return 2;
    }
    app::createPages();
    app::showPage(app::PageId::Tbg);
    QTest::qWait(50);

    app::Page *target = nullptr;
    for (int id = 0; id < app::pageCount; ++id)
        if (app::page(app::PageId(id))->objectName() == QLatin1String(argv[1]))
            target = app::page(app::PageId(id));
    if (!target) {
        qWarning("no page %s", argv[1]);
        return 2;
    }
    target->show();
    target->activateWindow();
    QTest::qWait(50);
    for (int i = 3; i < argc; ++i) {
        QWidget *control = target->findChild<QWidget *>(QString::fromLatin1(argv[i]));
        if (!control) {
            qWarning("no control %s", argv[i]);
            return 2;
        }
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::qWait(20);
    }
    QTest::qWait(50);
    if (qstrcmp(argv[2], "-") == 0)
        return application.exec();
    const bool saved = target->grab().save(QString::fromLocal8Bit(argv[2]));
    app::destroyPages();
    return saved ? 0 : 1;
}
