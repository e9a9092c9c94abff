#pragma once

// Shared by the tests: a stand-in for the user at the program's dialogs, and the
// start of the program as main() does it.
#include "app/application.h"
#include "app/dialogs.h"
#include "app/navigation.h"
#include "app/page.h"
#include "app/pageset.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QApplication>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/resource.h>

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

// Lets queued window-system events (activation above all) arrive, and what they post.
inline void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Whether the window becomes the active one. Its activation is a window-system event,
// queued as a page is shown, or sent once a pending click (an accelerator's) has shown it.
inline bool becomesActive(QWidget *window)
{
    QSignalSpy activations(qApp, &QGuiApplication::focusWindowChanged);
    for (settle(); !window->isActiveWindow(); settle())
        if (!activations.wait(5000))
            return false;
    return true;
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
    QVERIFY(becomesActive(app::page(app::PageId::Tbg)));
}

template<typename T = QWidget>
T *control(app::PageId page, const char *name)
{
    T *widget = app::page(page)->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// The program as it starts, made afresh for a test, with a stand-in user at its dialogs.
class FreshProgram
{
public:
    FakeDialogs &start()
    {
        m_user = std::make_unique<FakeDialogs>();
        startProgram();
        return *m_user;
    }
    void end()
    {
        if (!m_user)
            return;
        app::destroyPages();
        m_user.reset();
    }

private:
    std::unique_ptr<FakeDialogs> m_user;
};

// A file size limit standing in for a full disk while it lives (the tests may run as
// root, whom permissions do not stop); writing past it fails instead of ending the test.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes) : m_signal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit small = m_previous;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_signal);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_previous{};
    void (*m_signal)(int);
};

// Shows a page as the user would reach it, and waits until it is the active page.
inline void goTo(app::PageId id)
{
    app::showPage(id);
    QVERIFY(becomesActive(app::page(id)));
}

// A mouse move delivered straight to a widget (under the offscreen platform moves are
// routed by cursor position to the first window found, not to the page on top).
inline void moveMouseOver(QWidget *widget, QPoint pos = {5, 5})
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// A point of the page surface that no control covers.
inline QPoint backgroundPoint(app::PageId id)
{
    QWidget *client = app::page(id)->client();
    for (int y = client->height() - 1; y > 0; y -= 7)
        for (int x = client->width() - 1; x > 0; x -= 7)
            if (!client->childAt(x, y))
                return {x, y};
    qFatal("no free background");
}

// The mouse moved over the page's own surface, where pages recompute their totals.
inline void moveOverBackground(app::PageId id)
{
    moveMouseOver(app::page(id)->client(), backgroundPoint(id));
}

// A click as the user makes it on a radio button's or check box's indicator.
inline void press(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

// A user's pick from a list: a click on the box's arrow opens it, a click on the row
// chooses it.
inline void pick(QComboBox *combo, const QString &row)
{
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 8, combo->height() / 2));
    QTRY_VERIFY(combo->view()->isVisible());
    const int index = combo->findText(row, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(row));
    // Across the list first: the box takes no release within the double-click time of
    // the opening press unless the pointer has moved away from it since.
    QWidget *rows = combo->view()->viewport();
    moveMouseOver(rows, {1, 1});
    moveMouseOver(rows, rows->rect().bottomRight());
    const QModelIndex item = combo->model()->index(index, 0);
    combo->view()->scrollTo(item);
    const QPoint centre = combo->view()->visualRect(item).center();
    moveMouseOver(rows, centre);
    QTest::mouseClick(rows, Qt::LeftButton, {}, centre);
    QVERIFY2(!combo->view()->isVisible(), qPrintable(row));
    settle();
}

inline void clickOn(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
}

inline void doubleClickOn(QWidget *widget)
{
    QTest::mouseDClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
}

// Whether the box's indicator shows a check mark that stands out from its light square
// (clearly darker than the square's lightest pixel), as a user must see which choices
// are made.
inline bool checkMarkShows(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect square = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    const QImage image = box->grab(square.adjusted(2, 2, -2, -2)).toImage();
    int lightest = 0, darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            lightest = std::max(lightest, qGray(image.pixel(x, y)));
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
        }
    return lightest >= 160 && lightest - darkest >= 60;
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
