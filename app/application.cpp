#include "application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Nixaro"));
    QApplication::setApplicationVersion(QStringLiteral(NIXARO_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("marvasten-pooltechnik.de"));
    // The desktop matches the windows to the menu entry, and every page carries the
    // dealer's round logo (the same pictures as the installed icon, read when shown).
    QGuiApplication::setDesktopFileName(QStringLiteral(NIXARO_APP_ID));
    QIcon builtIn;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/assets/icons/nixaro-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(builtIn);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));

    // The whole program speaks German, so Qt's file, print and message dialogs do too
    // ("Ja"/"Nein", "Speichern", "Drucken"), on any desktop.
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    auto *qtTexts = new QTranslator(qApp);
    if (qtTexts->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;

}

} // namespace app
