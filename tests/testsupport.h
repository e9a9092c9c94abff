#pragma once

// Shared by the tests: a stand-in for the user at the program's dialogs, and the
// start of the program as main() does it.
#include "app/application.h"
#include "app/dialogs.h"
#include "app/navigation.h"
#include "app/page.h"
#include "app/pageset.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>

#include <clocale>
#include <cstdlib>
#include <cstring>

class FakeDialogs : public app::Dialogs
{
public:
    FakeDialogs() { app::setDialogs(this); }
    ~FakeDialogs() override { app::setDialogs(nullptr); }

    void message(QWidget *parent, const QString &text) override
    {
        messages << text;
        parents << parent;
    }
    bool confirm(QWidget *parent, const QString &text) override
    {
        confirmations << text;
        parents << parent;
        return answerYes;
    }
    void error(QWidget *parent, const QString &text) override
    {
        errors << text;
        parents << parent;
    }
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
    QList<QWidget *> parents;  // the window each message, question and error stood over
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

namespace testing {

// CTest runs every test under the C locale and under German ones (NIXARO_TEST_LOCALE
// names it). A locale missing on the machine would quietly leave the C locale in
// place and hide what the run is for, so it stops the test instead.
inline void checkTestLocale()
{
    const char *wanted = std::getenv("NIXARO_TEST_LOCALE");
    if (!wanted || !std::strcmp(wanted, "C"))
        return;
    const char *numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (!numeric || std::strcmp(numeric, wanted) != 0)
        qFatal("locale %s is not installed (LC_NUMERIC is %s)", wanted, numeric ? numeric : "?");
}

} // namespace testing

// The tests' main(): the application as the program sets it up, in the locale of the run.
#define NIXARO_TEST_MAIN(TestObject)                                                                          \
    int main(int argc, char *argv[])                                                                          \
    {                                                                                                         \
        QApplication application(argc, argv);                                                                 \
        testing::checkTestLocale();                                                                           \
        app::setUpApplication();                                                                              \
        TestObject test;                                                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                                                            \
        return QTest::qExec(&test, argc, argv);                                                               \
    }
