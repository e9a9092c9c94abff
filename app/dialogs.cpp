#include "dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QUrl>

namespace app {

namespace {
// A dialog made for each request; Qt remembers the last folder visited between them.
QString runFileDialog(QWidget *parent, const FileDialogSetup &setup, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, setup.title);
    dialog.setObjectName(setup.name);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(setup.nameFilters);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

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

QString Dialogs::saveFileName(QWidget *parent, const FileDialogSetup &setup)
{
    return runFileDialog(parent, setup, QFileDialog::AcceptSave);
}

QString Dialogs::openFileName(QWidget *parent, const FileDialogSetup &setup)
{
    return runFileDialog(parent, setup, QFileDialog::AcceptOpen);
}

bool Dialogs::choosePrinter(QWidget *parent, QPrinter &printer, const QString &name)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(name);
    return dialog.exec() == QDialog::Accepted;
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
