#pragma once

#include <QString>

class QUrl;
class QWidget;

namespace app {

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
