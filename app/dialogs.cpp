#include "dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QUrl>

namespace app {

namespace {
// The file of a name typed into the open dialog: the name as it stands when that file
// exists, otherwise with the default suffix when that one does.
QString existingFile(const QString &path, const QString &suffix)
{
    if (suffix.isEmpty() || QFileInfo::exists(path))
        return path;
    const QString suffixed = path + u'.' + suffix;
    return QFileInfo::exists(suffixed) ? suffixed : path;
}

// Qt's dialog adds the default suffix to every name typed without one, so that an
// existing file without an extension could not be opened; the open dialog adds it only
// where the name as typed names no file. Saving keeps Qt's way.
class FileDialog : public QFileDialog
{
public:
    FileDialog(QWidget *parent, const FileDialogSetup &setup, AcceptMode mode)
        : QFileDialog(parent, setup.title), m_suffix(setup.defaultSuffix)
    {
        setObjectName(setup.name);
        setAcceptMode(mode);
        setFileMode(mode == AcceptSave ? AnyFile : ExistingFile);
        setNameFilters(setup.nameFilters);
        if (mode == AcceptSave)
            setDefaultSuffix(m_suffix);
    }

    QString chosenFile() const
    {
        const QStringList files = selectedFiles();
        if (files.isEmpty())
            return {};
        // A desktop's own dialog returns the name without passing accept() below.
        return acceptMode() == AcceptOpen ? existingFile(files.constFirst(), m_suffix) : files.constFirst();
    }

    void accept() override
    {
        if (acceptMode() == AcceptOpen) {
            const QStringList files = selectedFiles();
            if (files.size() == 1 && existingFile(files.constFirst(), m_suffix) != files.constFirst())
                selectFile(existingFile(files.constFirst(), m_suffix));
        }
        QFileDialog::accept();
    }

private:
    QString m_suffix;
};

// A dialog made for each request; Qt remembers the last folder visited between them.
QString runFileDialog(QWidget *parent, const FileDialogSetup &setup, QFileDialog::AcceptMode mode)
{
    FileDialog dialog(parent, setup, mode);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.chosenFile();
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
