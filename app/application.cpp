#include "application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Nixaro"));
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
