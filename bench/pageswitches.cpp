// Page switches as the user makes them from the welcome page: from choosing the entry of
// "&Gehe zu" (a shape name for the pool pages, the further-articles page's topic boxes
// for the info pages) until the page is painted and the program is idle, for the first
// visit and for a visit after the page was closed. Each run is a process of its own, so
// that every first visit starts as cold as it does for a user.
//   nixaro_switches [runs]            runs the measuring processes in turn, prints medians
//   nixaro_switches --once <mode>     one run: "demand" (pages made when first needed),
//                                     "idle" (the rest made while idle after start-up),
//                                     "slices" (the idle making itself, page by page)
#include "app/application.h"
#include "app/mainmenu.h"
#include "app/navigation.h"
#include "app/page.h"
#include "app/pageset.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <map>
#include <vector>

using app::GoTo;
using app::PageId;

namespace {

struct Switch
{
    const char *name;
    PageId page;
    std::function<void()> choose;
};

// Runs the event loop for a while: the user looking at the page.
void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The user's left click on a label of the page.
void clickOn(PageId id, const char *name)
{
    QWidget *label = app::page(id)->find(name);
    const QPoint at = label->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(label, &release);
}

void goTo(GoTo entry)
{
    app::goToEntry(app::mainWindow(), entry)->trigger();
}

// Milliseconds from the choice until the target page has painted and the events its
// frame queued are done.
class Stopwatch : public QObject
{
public:
    double measure(PageId target, const std::function<void()> &choose)
    {
        m_target = app::isMade(target) ? app::page(target) : nullptr;
        m_targetId = target;
        m_painted = false;
        QEventLoop loop;
        m_loop = &loop;
        qApp->installEventFilter(this);
        QElapsedTimer timer;
        timer.start();
        choose();
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);  // a page that never paints
        if (!m_painted || !m_idle)
            loop.exec();
        const double ms = m_idle ? timer.nsecsElapsed() / 1e6 : -1;
        qApp->removeEventFilter(this);
        m_loop = nullptr;
        m_idle = false;
        return ms;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted && watched->isWidgetType()) {
            if (!m_target && app::isMade(m_targetId))
                m_target = app::page(m_targetId);
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->window() == m_target && widget->isVisible()) {
                m_painted = true;
                QTimer::singleShot(0, this, [this] {
                    m_idle = true;
                    if (m_loop)
                        m_loop->quit();
                });
            }
        }
        return false;
    }

private:
    QWidget *m_target = nullptr;
    PageId m_targetId{};
    QEventLoop *m_loop = nullptr;
    bool m_painted = false;
    bool m_idle = false;
};

std::vector<Switch> switches()
{
    return {
        {"Trd  round pool (shape name)", PageId::Trd, [] { clickOn(PageId::Tbg, "Label1"); }},
        {"Tol  oval pool (shape name)", PageId::Tol, [] { clickOn(PageId::Tbg, "Label6"); }},
        {"Tat  figure-eight pool (shape name)", PageId::Tat, [] { clickOn(PageId::Tbg, "Label7"); }},
        {"Tre  rectangular pool (shape name)", PageId::Tre, [] { clickOn(PageId::Tbg, "Label2"); }},
        {"Tabdeckung  covers", PageId::Tabdeckung, [] { goTo(GoTo::Schwimmbadabdeckungen); }},
        {"TLeitern  ladders", PageId::TLeitern, [] { goTo(GoTo::Leiterauswahl); }},
        {"TFip  filter", PageId::TFip, [] { goTo(GoTo::Filterauswahl); }},
        {"Tsolar  water heating", PageId::Tsolar, [] { goTo(GoTo::Wassererwaermung); }},
        {"TSkimmer  skimmer", PageId::TSkimmer, [] { goTo(GoTo::Skimmer); }},
        {"TLight  lights", PageId::TLight, [] { goTo(GoTo::Unterwasserscheinwerfer); }},
        {"Tbrs  floor cleaning", PageId::Tbrs, [] { goTo(GoTo::Bodenreinigungsset); }},
        {"Tureiniger  underwater cleaners", PageId::Tureiniger, [] { goTo(GoTo::Unterwasserreiniger); }},
        {"Tsave  options", PageId::Tsave, [] { goTo(GoTo::Optionen); }},
        {"Tendpr  final page", PageId::Tendpr, [] { goTo(GoTo::Abschlussseite); }},
        {"Tsber  solar sizing", PageId::Tsber, [] { goTo(GoTo::ZezuraraBerechnung); }},
        {"Tartikel  further articles", PageId::Tartikel, [] { goTo(GoTo::WeitereArtikel); }},
        {"Tmss  info (more pool)", PageId::Tmss, [] { app::showPage(PageId::Tmss); }},
        {"Tmzs  info (more accessories)", PageId::Tmzs, [] { app::showPage(PageId::Tmzs); }},
        {"Tmezs  info (accessory tabs)", PageId::Tmezs, [] { app::showPage(PageId::Tmezs); }},
    };
}

// One run in this process: the program started as main() starts it, then every switch.
int once(const QByteArray &mode)
{
    app::createPages();
    app::showPage(PageId::Tbg);
    if (mode == "idle")
        app::makePagesWhenIdle();
    pause(100);
    if (mode == "idle")
        for (int i = 0; i < 100 && !app::allPagesMade(); ++i)
            pause(50);
    if (mode == "slices") {
        // Each page takes two slices: made, then its first show prepared.
        std::map<int, int> seen;
        for (;;) {
            QElapsedTimer timer;
            timer.start();
            const int id = app::idleSlice();
            const double ms = timer.nsecsElapsed() / 1e6;
            if (id < 0)
                break;
            std::printf("SLICE %d %d %.3f\n", id, seen[id]++, ms);
        }
        return 0;
    }
    Stopwatch stopwatch;
    const auto all = switches();
    for (size_t i = 0; i < all.size(); ++i) {
        const Switch &s = all[i];
        const double first = stopwatch.measure(s.page, s.choose);
        pause(30);
        // Back on the welcome page, with the page closed as by its close button.
        app::showPage(PageId::Tbg);
        app::closePage(s.page);
        pause(30);
        const double again = stopwatch.measure(s.page, s.choose);
        app::showPage(PageId::Tbg);
        app::closePage(s.page);
        pause(30);
        std::printf("SWITCH %zu %.3f %.3f\n", i, first, again);
    }
    std::fflush(stdout);
    return 0;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int drive(const QString &self, int runs)
{
    const QStringList modes{QStringLiteral("demand"), QStringLiteral("idle"), QStringLiteral("slices")};
    // Per mode and switch the first visits and the visits after closing; per page and
    // slice (0 made, 1 prepared) the slice times.
    std::map<QString, std::map<int, std::vector<double>>> first, again;
    std::map<int, std::vector<double>> slices[2];
    for (int run = 0; run < runs; ++run)
        for (const QString &mode : modes) {
            QProcess process;
            process.setStandardErrorFile(QProcess::nullDevice());
            process.start(self, {QStringLiteral("--once"), mode});
            if (!process.waitForFinished(120000) || process.exitCode() != 0) {
                std::fprintf(stderr, "the %s run did not finish\n", qPrintable(mode));
                return 1;
            }
            for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> f = line.split(' ');
                if (f.value(0) == "SWITCH" && f.size() == 4) {
                    first[mode][f[1].toInt()].push_back(f[2].toDouble());
                    again[mode][f[1].toInt()].push_back(f[3].toDouble());
                } else if (f.value(0) == "SLICE" && f.size() == 4 && f[2].toInt() < 2) {
                    slices[f[2].toInt()][f[1].toInt()].push_back(f[3].toDouble());
                }
            }
        }
    const auto all = switches();
    std::printf("Page switches from the welcome page to the painted, idle page (%d runs each, medians, ms)\n", runs);
    std::printf("  %-36s %10s %10s %10s %16s\n", "", "first visit", "", "visit after", "idle slices");
    std::printf("  %-36s %10s %10s %10s %16s\n", "page", "on demand", "made idle", "closing", "make / prepare");
    double worstFirst = 0, worstAgain = 0, worstSlice = 0;
    auto sliceText = [&](int page) {
        const double make = median(slices[0][page]), prepare = median(slices[1][page]);
        worstSlice = std::max({worstSlice, make, prepare});
        char text[32];
        std::snprintf(text, sizeof text, "%.1f / %.1f", make, prepare);
        return std::string(text);
    };
    for (size_t i = 0; i < all.size(); ++i) {
        const double demand = median(first[QStringLiteral("demand")][int(i)]);
        const double idle = median(first[QStringLiteral("idle")][int(i)]);
        const double revisit = median(again[QStringLiteral("idle")][int(i)]);
        worstFirst = std::max(worstFirst, idle);
        worstAgain = std::max(worstAgain, revisit);
        std::printf("  %-36s %10.1f %10.1f %10.1f %16s\n", all[i].name, demand, idle, revisit,
                    sliceText(int(all[i].page)).c_str());
    }
    std::printf("  longest: first visit made idle %.1f ms, visit after closing %.1f ms, idle slice %.1f ms\n",
                worstFirst, worstAgain, worstSlice);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && QByteArray(argv[1]) == "--once") {
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        QApplication application(argc, argv);
        app::setUpApplication();
        return once(argv[2]);
    }
    QCoreApplication application(argc, argv);
    return drive(QCoreApplication::applicationFilePath(), argc > 1 ? std::max(1, std::atoi(argv[1])) : 7);
}
