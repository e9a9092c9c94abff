#include "dialogs.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace app {

void Dialogs::message(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, applicationTitle(), text);
}

bool Dialogs::confirm(QWidget *parent, const QString &text)
{
    return QMessageBox::warning(parent, applicationTitle(), text,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void Dialogs::error(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, applicationTitle(), text);
}

bool Dialogs::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

namespace {
Dialogs *replacement = nullptr;
}

Dialogs &dialogs()
{
    static Dialogs real;
    return replacement ? *replacement : real;
}

void setDialogs(Dialogs *r)
{
    replacement = r;
}

} // namespace app

namespace app {
void openWebPage(QWidget *parent, const QUrl &url)
{
    if (!dialogs().openUrl(url))
        dialogs().message(parent, QStringLiteral("Internetseite konnte nicht geöffnet werden!"));
}
} // namespace app
