#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QUrl;
class QWidget;

namespace app {

// A file dialog as a page declares it.
struct FileDialogSetup
{
    QString name;             // object name of the dialog
    QString title;
    QStringList nameFilters;  // Qt name filters, "Texte (*.txt)"
    QString defaultSuffix;    // saving: added to a name typed without one; opening: added
                              // to a typed name only when no file has that name as typed
    QString proposedFile;     // saving: the folder and name offered; empty: the folder
                              // visited last, no name
};

// A mail for the desktop's mail program to open, for the user to send.
struct Mail
{
    QString to, subject, body;
    QString attachment;  // path of a file to attach
};

// The program's dialogs and its one request to the desktop, in one place so that
// every page asks the same way and tests can answer in the user's stead.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Plain message box with an OK button and the application title.
    virtual void message(QWidget *parent, const QString &text);
    // Warning dialog with Yes and No; true only for Yes.
    virtual bool confirm(QWidget *parent, const QString &text);
    // The application's error dialog for an error raised inside a handler.
    virtual void error(QWidget *parent, const QString &text);
    // Asks the desktop to open a web address in the default browser; false on failure.
    virtual bool openUrl(const QUrl &url);
    // Hands the mail to the desktop's mail program (xdg-email) and returns at once; the
    // program never sends mail itself. Where xdg-email is missing or fails, a mailto:
    // address without the attachment goes to openUrl(), and a message says where the
    // attachment lies.
    virtual void composeMail(QWidget *parent, const Mail &mail);
    // File dialogs: the chosen path, or an empty text when the user cancels.
    virtual QString saveFileName(QWidget *parent, const FileDialogSetup &setup);
    virtual QString openFileName(QWidget *parent, const FileDialogSetup &setup);
    // Print dialog named `name`: true when the user confirms; the choice is made on `printer`.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer, const QString &name);
};

Dialogs &dialogs();
// Replaces the dialogs (tests); nullptr restores the real ones. Not owned.
void setDialogs(Dialogs *replacement);

// The application title, caption of every message box.
inline QString applicationTitle() { return QStringLiteral("Nixaro"); }

} // namespace app

namespace app {
// Opens a web page in the default browser; when the desktop cannot, says so:
// "Internetseite konnte nicht geöffnet werden!".
void openWebPage(QWidget *parent, const QUrl &url);
} // namespace app
