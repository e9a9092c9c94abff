// The floor of the start-up benchmark: a bare Qt Widgets window of a page's size. Built
// with BARE_WITH_TEXT it shows one line of text too, which is what loading the fonts
// costs any window that shows a word.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Nixaro"));
    window.resize(784, 531);
#ifdef BARE_WITH_TEXT
    auto *text = new QLabel(QStringLiteral("Willkommen zur Nixaro"), &window);
    text->move(20, 20);
#endif
    window.show();
    return application.exec();
}
