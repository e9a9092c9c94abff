#pragma once

// Shared by the tests: a stand-in for the user at the program's dialogs, and the
// start of the program as main() does it.
#include "app/dialogs.h"
#include "app/navigation.h"
#include "app/page.h"
#include "app/pageset.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>

class FakeDialogs : public app::Dialogs
{
public:
    FakeDialogs() { app::setDialogs(this); }
    ~FakeDialogs() override { app::setDialogs(nullptr); }

    void message(QWidget *, const QString &text) override { messages << text; }
    bool confirm(QWidget *, const QString &text) override
    {
        confirmations << text;
        return answerYes;
    }
    void error(QWidget *, const QString &text) override { errors << text; }
    bool openUrl(const QUrl &url) override
    {
        urls << url;
        return urlOpens;
    }
    // A test that does not answer the file and print dialogs cancels them.
    QString saveFileName(QWidget *, const app::FileDialogSetup &) override { return {}; }
    QString openFileName(QWidget *, const app::FileDialogSetup &) override { return {}; }
    bool choosePrinter(QWidget *, QPrinter &, const QString &) override { return false; }

    QStringList messages, confirmations, errors;
    QList<QUrl> urls;
    bool answerYes = false;
    bool urlOpens = true;
};

namespace testing {

// Lets queued window-system events (activation above all) arrive.
inline void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(1);
    }
}

// The offscreen platform cannot raise windows or pass size hints on; it says so on
// every page shown. Everything else is printed.
inline void quietOffscreenNotes()
{
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith(u"This plugin does not support"))
                previous(type, context, text);
        });
}

// Creates the pages and shows the main window, as the program starts.
inline void startProgram()
{
    quietOffscreenNotes();
    app::createPages();
    app::showPage(app::PageId::Tbg);
    QVERIFY(QTest::qWaitForWindowActive(app::page(app::PageId::Tbg)));
    settle();
}

template<typename T = QWidget>
T *control(app::PageId page, const char *name)
{
    T *widget = app::page(page)->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// Shows a page as the user would reach it, and waits until it is the active page.
inline void goTo(app::PageId id)
{
    app::showPage(id);
    QVERIFY(QTest::qWaitForWindowActive(app::page(id)));
    settle();
}

// A mouse move delivered straight to a widget (under the offscreen platform moves are
// routed by cursor position to the first window found, not to the page on top).
inline void moveMouseOver(QWidget *widget, QPoint pos = {5, 5})
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

inline void clickOn(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
}

inline void doubleClickOn(QWidget *widget)
{
    QTest::mouseDClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
}

} // namespace testing
