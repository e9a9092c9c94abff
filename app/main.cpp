#include "app/application.h"
#include "app/navigation.h"
#include "app/pageset.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication();

    app::createPages();
    // Showing the main window runs the welcome page's show and activation handlers,
    // which reset the quote store.
    app::showPage(app::PageId::Tbg);
    // The other pages are made in the pauses after the first frame.
    app::makePagesWhenIdle();
    const int result = application.exec();
    app::destroyPages();
    return result;
}
