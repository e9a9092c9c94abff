// Measurements side by side in one run: what start-up costs, what decoding every
// picture at start-up would add, libjpeg against Qt's own JPEG reader, and the
// number texts against QLocale. Run with `make bench` (offscreen).
#include "app/application.h"
#include "app/jpeg.h"
#include "app/navigation.h"
#include "app/numbertext.h"
#include "app/page.h"
#include "app/pageset.h"
#include "pages/quote/quotefile.h"

#include <QApplication>
#include <QBuffer>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QListWidget>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Best of several runs, in milliseconds.
double bestOf(int runs, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void row(const char *what, double ms)
{
    std::printf("  %-52s %9.2f ms\n", what, ms);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::setUpApplication();

    QList<QByteArray> jpegs;
    for (QDirIterator it(QStringLiteral(":/assets"), QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        if (file.fileName().endsWith(u".jpg") && file.open(QIODevice::ReadOnly))
            jpegs << file.readAll();
    }

    std::printf("Start-up (%d pictures built in)\n", int(jpegs.size()));
    row("set up the pages; make, show and paint the welcome page", bestOf(5, [] {
        app::createPages();
        app::showPage(app::PageId::Tbg);
        app::mainWindow()->grab();
        app::destroyPages();
    }));
    row("decode every picture (what eager decoding would add)", bestOf(5, [&] {
        for (const QByteArray &data : jpegs)
            app::decodeJpeg(data);
    }));

    std::printf("Decoding every picture\n");
    row("libjpeg (the program's decoder)", bestOf(5, [&] {
        for (const QByteArray &data : jpegs)
            app::decodeJpeg(data);
    }));
    row("Qt's image reader", bestOf(5, [&] {
        for (QByteArray data : jpegs) {
            QBuffer buffer(&data);
            QImageReader(&buffer, "jpg").read();
        }
    }));

    // A quote list far longer than any customer's: written, then opened into the
    // options page's list as "&Öffnen" does.
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lang.nxr"));
        QStringList lines;
        for (int i = 0; i < 100000; ++i)
            lines << QStringLiteral("Zeile %1 des Angebots: Kunststoffkessel 470 / Top mount /WP 8000  499,95 €").arg(i);
        quote::writeQuoteFile(path, lines);
        app::createPages();
        auto *list = app::page(app::PageId::Tsave)->findChild<QListWidget *>(QStringLiteral("ur"));
        std::printf("Quote file: 100000 lines\n");
        row("open into the quote list (read, decode, fill)", bestOf(5, [&] {
            list->clear();
            list->addItems(quote::readQuoteFile(path));
        }));
        app::destroyPages();
    }

    QStringList prices;
    for (int i = 0; i < 100000; ++i)
        prices << app::fixed2Text(app::Number(i) * 0.37L);
    std::printf("Price texts: read and write back 100000 prices\n");
    row("toNumber + fixed2Text", bestOf(5, [&] {
        for (const QString &p : prices)
            app::fixed2Text(app::toNumber(p));
    }));
    const QLocale german(QLocale::German);
    row("QLocale::toDouble + toString (double, for scale)", bestOf(5, [&] {
        for (const QString &p : prices)
            german.toString(german.toDouble(p), 'f', 2);
    }));
    return 0;
}
