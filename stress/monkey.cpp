// A monkey at the pages: random user events from a printed seed, played against the
// real program (all 21 pages as the program creates them), with every dialog answered
// at random. Any crash, sanitizer report or hang can be replayed with the same seed.
//   nixaro_monkey [--seed N] [--events N] [--trace]
// The run fails when a handler lets an exception escape, when the program stops
// answering (a watchdog), and of course when a sanitizer finds a fault.
#include "app/application.h"
#include "app/dialogs.h"
#include "app/navigation.h"
#include "app/page.h"
#include "app/pageset.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

namespace {

std::mt19937_64 random64;
std::atomic<long> progress{0};
bool trace = false;

int below(int n) { return n <= 0 ? 0 : int(random64() % unsigned(n)); }
bool chance(int percent) { return below(100) < percent; }

// Texts a user might type: numbers with comma and point, letters, umlauts, blanks,
// nothing, very long texts and characters the code page cannot hold.
QString someText()
{
    static const QStringList pieces = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("25"), QStringLiteral("64,1"),
        QStringLiteral(","), QStringLiteral("."), QStringLiteral("-"), QStringLiteral("e"),
        QStringLiteral("abc"), QStringLiteral("äöüß"), QStringLiteral(" "), QStringLiteral("1.200,00"),
        QStringLiteral("\u0142\U0001F600"), QStringLiteral("9999999999999999999999"), QStringLiteral("€"),
        QStringLiteral("\t"), QStringLiteral("\"")};
    QString text;
    const int n = below(6);
    for (int i = 0; i < n; ++i)
        text += pieces.at(below(int(pieces.size())));
    if (chance(2))
        text = QString(below(5000) + 300, QChar(u'7'));
    return text;
}

// Every dialog answered at random: Yes or No, a file that exists, a new one, one in a
// folder that does not exist, a file of random bytes, or cancel; a PDF file or cancel.
class RandomUser : public app::Dialogs
{
public:
    RandomUser() { app::setDialogs(this); }
    ~RandomUser() override { app::setDialogs(nullptr); }

    void message(QWidget *, const QString &) override {}
    void error(QWidget *, const QString &) override {}
    bool confirm(QWidget *, const QString &text) override
    {
        // The exit question rarely gets a Yes; the run then starts the program afresh.
        if (text.startsWith(u"Programm wirklich"))
            return chance(2);
        return chance(50);
    }
    bool openUrl(const QUrl &) override { return chance(50); }
    void composeMail(QWidget *, const app::Mail &) override {}  // never the desktop's mail program
    QString saveFileName(QWidget *, const app::FileDialogSetup &) override { return somePath(); }
    QString openFileName(QWidget *, const app::FileDialogSetup &) override { return somePath(); }
    bool choosePrinter(QWidget *, QPrinter &printer, const QString &) override
    {
        if (chance(30))
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(chance(10) ? m_dir.filePath(QStringLiteral("weg/angebot.pdf"))
                                             : m_dir.filePath(QStringLiteral("angebot.pdf")));
        return true;
    }

private:
    QString somePath()
    {
        switch (below(6)) {
        case 0: return {};
        case 1: return m_dir.filePath(QStringLiteral("weg/angebot.nxr"));
        case 2: {
            const QString path = m_dir.filePath(QStringLiteral("zufall.nxr"));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly)) {
                QByteArray bytes;
                for (int i = below(4000); i > 0; --i)
                    bytes += char(below(256));
                file.write(bytes);
            }
            return path;
        }
        default: return m_dir.filePath(QStringLiteral("angebot.nxr"));
        }
    }
    QTemporaryDir m_dir;
};

QList<app::Page *> visiblePages()
{
    QList<app::Page *> pages;
    for (int id = 0; id < app::pageCount; ++id)
        if (app::isShowing(app::PageId(id)))
            pages << app::page(app::PageId(id));
    return pages;
}

// Typed as a keyboard sends it, any character at all (QTest's helpers know ASCII only).
void typeText(QWidget *target, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, n);
        i += n - 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, ch);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, ch);
        QApplication::sendEvent(target, &release);
    }
}

// An open popup menu: one of its entries, or nothing.
void answerPopups()
{
    while (QWidget *popup = QApplication::activePopupWidget()) {
        auto *menu = qobject_cast<QMenu *>(popup);
        QList<QAction *> entries;
        if (menu)
            for (QAction *a : menu->actions())
                if (a->isEnabled() && a->isVisible() && !a->isSeparator())
                    entries << a;
        popup->close();
        if (!entries.isEmpty() && chance(70))
            entries.at(below(int(entries.size())))->trigger();
    }
}

QPoint somewhere(const QWidget *w) { return QPoint(below(qMax(1, w->width())), below(qMax(1, w->height()))); }

void mouse(QWidget *target, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : button;
    QMouseEvent e(type, pos, target->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

// Where a mouse event on a control lands: the viewport of lists and memos.
QWidget *surface(QWidget *w)
{
    if (auto *area = qobject_cast<QAbstractScrollArea *>(w))
        return area->viewport();
    return w;
}

void oneEvent(long index)
{
    QList<app::Page *> pages = visiblePages();
    if (pages.isEmpty()) {
        app::showPage(app::PageId::Tbg);
        return;
    }
    app::Page *page = pages.at(below(int(pages.size())));
    if (chance(15))
        app::showPage(app::PageId(below(app::pageCount)));  // the user brings another page to the front

    QList<QWidget *> controls;
    for (QWidget *w : page->client()->findChildren<QWidget *>())
        if (w->isVisible() && w->isEnabled() && !w->objectName().startsWith(u"qt_"))
            controls << w;
    QWidget *w = controls.isEmpty() ? page->client() : controls.at(below(int(controls.size())));
    const int kind = below(100);
    if (trace)
        std::fprintf(stderr, "%ld %s %s %d\n", index, qPrintable(page->objectName()), qPrintable(w->objectName()), kind);

    if (kind < 25) {  // a click where a user clicks
        QTest::mouseClick(surface(w), Qt::LeftButton, {}, somewhere(surface(w)));
    } else if (kind < 30) {
        QTest::mouseDClick(surface(w), Qt::LeftButton, {}, somewhere(surface(w)));
    } else if (kind < 33) {  // a right click: a popup menu, and maybe one of its entries
        // Standard menus (an edit's) run modally; they are answered from inside.
        QTimer::singleShot(0, [] { answerPopups(); });
        QContextMenuEvent e(QContextMenuEvent::Mouse, somewhere(w), w->mapToGlobal(QPoint()));
        QApplication::sendEvent(w, &e);
        answerPopups();
    } else if (kind < 45) {  // the mouse over the page and its controls
        mouse(chance(50) ? page->client() : surface(w), QEvent::MouseMove, somewhere(chance(50) ? page->client() : w));
    } else if (kind < 50) {  // a button held on the page surface
        mouse(page->client(), QEvent::MouseButtonPress, somewhere(page->client()));
        mouse(page->client(), QEvent::MouseButtonRelease, somewhere(page->client()));
    } else if (kind < 62) {  // typing into an edit or an editable list
        QLineEdit *edit = qobject_cast<QLineEdit *>(w);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            edit = combo->lineEdit();
        if (edit && !edit->isReadOnly()) {
            edit->setFocus();
            if (chance(30)) {
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Delete);
            }
            typeText(edit, someText());
            if (chance(20))
                QTest::keyClick(edit, Qt::Key_Backspace);
        }
    } else if (kind < 72) {  // a choice from a list
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->count() > 0) {
            const int row = below(combo->count());
            combo->setCurrentIndex(row);
            Q_EMIT combo->activated(row);
        } else if (auto *list = qobject_cast<QListWidget *>(w); list && list->count() > 0) {
            list->setCurrentRow(below(list->count()));
        } else if (auto *tabs = qobject_cast<QTabWidget *>(w); tabs && tabs->count() > 0) {
            tabs->setCurrentIndex(below(tabs->count()));
        }
    } else if (kind < 82) {  // a menu entry the user can see, or a hidden one's key
        QList<QAction *> entries;
        for (QAction *a : page->menuBar()->findChildren<QAction *>())
            if (a->isEnabled() && !a->menu() && (a->isVisible() || !a->shortcut().isEmpty()))
                entries << a;
        if (!entries.isEmpty())
            entries.at(below(int(entries.size())))->trigger();
    } else if (kind < 94) {  // keys
        static const Qt::Key keys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape,
                                       Qt::Key_Space, Qt::Key_Down, Qt::Key_Up, Qt::Key_Backtab};
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : page;
        QTest::keyClick(focus, keys[below(int(std::size(keys)))]);
    } else {  // time passes: a running timer of the page goes off
        QList<QTimer *> timers;
        for (QTimer *t : page->findChildren<QTimer *>())
            if (t->isActive())
                timers << t;
        if (!timers.isEmpty())
            QMetaObject::invokeMethod(timers.at(below(int(timers.size()))), "timeout");
        QCoreApplication::processEvents();
    }
    if (chance(5))
        QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    app::setUpApplication();
    // The PDF of a mailed quote goes to a cache folder of the run's own.
    const QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    unsigned long long seed = std::random_device{}();
    long events = 10000;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--seed" && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--events" && i + 1 < argc)
            events = std::strtol(argv[++i], nullptr, 10);
        else if (arg == "--trace")
            trace = true;
    }
    std::printf("monkey: %ld events from seed %llu (replay: --seed %llu --events %ld)\n", events, seed, seed, events);
    std::fflush(stdout);
    random64.seed(seed);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg || type == QtCriticalMsg) {
            std::fprintf(stderr, "monkey: %s at event %ld\n", qPrintable(text), progress.load());
            std::abort();
        }
    });

    // A program that stops answering is a fault too.
    std::thread([] {
        long seen = -1;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(60));
            if (progress.load() == seen) {
                std::fprintf(stderr, "monkey: no progress for 60 s at event %ld: a hang\n", seen);
                std::abort();
            }
            seen = progress.load();
        }
    }).detach();

    RandomUser user;
    app::createPages();
    app::showPage(app::PageId::Tbg);
    // As the program does: the other pages are made while idle, between the events.
    app::makePagesWhenIdle();
    QCoreApplication::processEvents();
    for (long i = 0; i < events; ++i) {
        progress = i;
        try {
            oneEvent(i);
        } catch (const std::exception &e) {
            std::fprintf(stderr, "monkey: exception escaped at event %ld: %s\n", i, e.what());
            return 1;
        }
        // The program ended (a Yes to the exit question): start it again.
        if (!app::mainWindow()->isVisible() && !app::isShowing(app::PageId::Tbg)) {
            app::destroyPages();
            app::createPages();
            app::showPage(app::PageId::Tbg);
            app::makePagesWhenIdle();
        }
    }
    app::destroyPages();
    std::printf("monkey: %ld events, no fault\n", events);
    return 0;
}
