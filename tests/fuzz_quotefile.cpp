// The quote-file reader under attack: any bytes at all must decode without a fault, to
// lines without line ends, and what it decodes must save and reopen unchanged.
// Built two ways: as a libFuzzer target with clang (`make fuzz`), and in the test suite
// as a bounded random-input loop from a printed seed (rerun with that seed as argument).
#include "pages/quote/quotefile.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "quote file: %s\n", what);
        std::abort();
    }
}

void readAnyBytes(const QByteArray &bytes)
{
    const QStringList lines = quote::decodeQuote(bytes);
    for (const QString &line : lines)
        check(!line.contains(u'\r') && !line.contains(u'\n') && !line.contains(QChar(0)), "a line holds a line end");
    bool lossy = true;
    const QByteArray saved = quote::encodeQuote(lines, &lossy);
    check(!lossy, "a decoded line does not fit the code page");
    check(quote::decodeQuote(saved) == lines, "saved lines do not reopen unchanged");
    check(quote::encodeQuote(quote::decodeQuote(saved)) == saved, "a saved file does not save again byte for byte");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    readAnyBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}

#ifndef NIXARO_LIBFUZZER
int main(int argc, char *argv[])
{
    const unsigned seed = argc > 1 ? unsigned(std::strtoul(argv[1], nullptr, 10)) : std::random_device{}();
    const int inputs = argc > 2 ? std::atoi(argv[2]) : 5000;
    std::printf("quote file: %d random inputs from seed %u\n", inputs, seed);
    std::fflush(stdout);
    std::mt19937 random(seed);
    // Mostly text with every kind of line end, sometimes raw bytes.
    const char pieces[] = "ab \r\n\r\n\x80\xe4\xff\x81\x8d\x8f\x90\x9d";
    for (int i = 0; i < inputs; ++i) {
        QByteArray bytes;
        const int size = int(random() % 200);
        const bool raw = random() % 4 == 0;
        for (int k = 0; k < size; ++k)
            bytes += raw ? char(random() % 256) : pieces[random() % (sizeof pieces - 1)];
        if (random() % 10 == 0)
            bytes.insert(qsizetype(random() % (bytes.size() + 1)), '\0');
        readAnyBytes(bytes);
    }
    return 0;
}
#endif
