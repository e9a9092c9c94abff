#include "dialogs.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
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
        if (mode == AcceptSave && !setup.proposedFile.isEmpty())
            selectFile(setup.proposedFile);
    }

    QString chosenFile() const
    {
        const QStringList files = selectedFiles();
        if (files.isEmpty())
            return {};
        // A desktop's own dialog returns the name without passing accept() below.
        return acceptMode() == AcceptOpen ? existingFile(files.constFirst(), m_suffix) : files.constFirst();
    }

    // Qt's own check would look for the name as typed: selectFile() leaves the name field
    // alone while it has the focus. A name that needs the suffix to name a file closes
    // the dialog here, and chosenFile() adds the suffix.
    void accept() override
    {
        if (needsSuffix())
            return QDialog::accept();
        QFileDialog::accept();
    }

protected:
    // Qt greys "Öffnen" out while the name typed names no file as it stands, when the
    // name changes and whenever it looks again; a name that needs the suffix opens too.
    // The name field and buttons are made as the dialog is first shown.
    void showEvent(QShowEvent *event) override
    {
        auto *buttons = findChild<QDialogButtonBox *>();
        auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!m_open && buttons && name && acceptMode() == AcceptOpen
            && (m_open = buttons->button(QDialogButtonBox::Open))) {
            m_open->installEventFilter(this);
            connect(name, &QLineEdit::textChanged, this, [this] { enableOpen(); });
        }
        QFileDialog::showEvent(event);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_open && event->type() == QEvent::EnabledChange)
            enableOpen();
        return QFileDialog::eventFilter(watched, event);
    }

private:
    void enableOpen()
    {
        if (!m_open->isEnabled() && needsSuffix())
            m_open->setEnabled(true);
    }
    // Opening a name that names a file only with the suffix added.
    bool needsSuffix() const
    {
        if (acceptMode() != AcceptOpen)
            return false;
        const QStringList files = selectedFiles();
        return files.size() == 1 && existingFile(files.constFirst(), m_suffix) != files.constFirst();
    }

    QString m_suffix;
    QPushButton *m_open = nullptr;
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

namespace {
// The mail without its attachment, as a mailto: address; where it lies, a message says.
void mailWithoutAttachment(QWidget *parent, const Mail &mail)
{
    QByteArray query = "subject=" + QUrl::toPercentEncoding(mail.subject);
    if (!mail.body.isEmpty())
        query += "&body=" + QUrl::toPercentEncoding(QString(mail.body).replace(u'\n', QStringLiteral("\r\n")));
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(mail.to);
    url.setQuery(QString::fromLatin1(query));
    const QString where = QDir::toNativeSeparators(mail.attachment);
    if (dialogs().openUrl(url))
        dialogs().message(parent, QStringLiteral("Ihr E-Mail-Programm wurde ohne Anhang geöffnet. "
                                                 "Bitte hängen Sie das Angebot selbst an, es liegt hier:\n%1")
                                      .arg(where));
    else
        dialogs().message(parent, QStringLiteral("Ihr E-Mail-Programm konnte nicht geöffnet werden. "
                                                 "Das Angebot liegt hier:\n%1\nBitte senden Sie es an %2.")
                                      .arg(where, mail.to));
}
} // namespace

void Dialogs::composeMail(QWidget *parent, const Mail &mail)
{
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), mail.subject};
    if (!mail.body.isEmpty())  // xdg-email refuses an empty body
        arguments << QStringLiteral("--body") << mail.body;
    if (!mail.attachment.isEmpty())
        arguments << QStringLiteral("--attach") << mail.attachment;
    arguments << mail.to;

    // Owned by nobody: a mail program that xdg-email keeps in the foreground stays open
    // when Nixaro ends, and writes into no pipe that closed with it.
    auto *process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    auto failed = [process, over = QPointer<QWidget>(parent), mail] {
        process->deleteLater();
        mailWithoutAttachment(over, mail);
    };
    QObject::connect(process, &QProcess::finished, process, [process, failed](int code, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && code == 0)
            process->deleteLater();
        else
            failed();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failed();
    });
    // No shell between: the texts are the user's.
    process->start(QStringLiteral("xdg-email"), arguments);
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
