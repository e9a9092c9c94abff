// The floor of the start-up benchmark: a bare Qt Widgets window of a page's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Nixaro"));
    window.resize(784, 531);
    window.show();
    return application.exec();
}
