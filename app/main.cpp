#include "app/navigation.h"
#include "app/page.h"
#include "app/pageset.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nixaro"));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));

    app::createPages();
    // Showing the main window runs the welcome page's show and activation handlers,
    // which reset the quote store.
    app::showPage(app::PageId::Tbg);
    const int result = application.exec();
    app::destroyPages();
    return result;
}
