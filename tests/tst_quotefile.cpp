// The quote file as a property: any list of Windows-1252 lines saves and reopens byte for
// byte; a save that cannot finish (a full or read-only disk) leaves the old file.
#include "testsupport.h"

#include "app/codepage.h"
#include "app/errors.h"
#include "pages/quote/quotefile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <random>

using namespace app;

namespace {

// Every character the code page holds, but the line ends and NUL.
QString codePageCharacters()
{
    QByteArray bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += char(b);
    // The five bytes the code page leaves undefined decode to control characters of
    // their own and encode back to themselves.
    return fromCodePage(bytes);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A small tmpfs of our own, where root may mount one: a real full or read-only disk.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &options)
    {
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", m_dir.path()}) == 0)
            m_mounted = true;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute("umount", {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    bool remountReadOnly() { return QProcess::execute("mount", {"-o", "remount,ro", m_dir.path()}) == 0; }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

class QuoteFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomListsSaveAndReopenByteForByte()
    {
        const QString chars = codePageCharacters();
        QCOMPARE(chars.size(), 253);
        const unsigned seed = std::random_device{}();
        qInfo("seed %u", seed);
        std::mt19937 random(seed);
        QTemporaryDir dir;
        const QString path = dir.filePath("angebot.nxr");
        for (int round = 0; round < 200; ++round) {
            QStringList lines;
            const int count = int(random() % 40);
            for (int i = 0; i < count; ++i) {
                QString line;
                const int length = int(random() % 80);
                for (int k = 0; k < length; ++k)
                    line += chars.at(qsizetype(random() % chars.size()));
                lines << line;
            }
            bool lossy = true;
            quote::writeQuoteFile(path, lines, &lossy);
            QVERIFY(!lossy);
            const QByteArray bytes = fileBytes(path);
            QCOMPARE(bytes, quote::encodeQuote(lines));
            QCOMPARE(bytes.count("\r\n"), count);
            QCOMPARE(quote::readQuoteFile(path), lines);
        }
    }

    void saveOnAFullDiskKeepsTheOldFile()
    {
        SmallDisk disk(QStringLiteral("size=64k"));
        if (!disk.mounted())
            QSKIP("no tmpfs can be mounted here; the file size limit test stands in");
        const QString path = disk.path("angebot.nxr");
        quote::writeQuoteFile(path, {"alte Zeile"});
        const QStringList big(4000, QString(60, u'x'));
        QVERIFY_THROWS_EXCEPTION(Error, quote::writeQuoteFile(path, big));
        QCOMPARE(fileBytes(path), QByteArray("alte Zeile\r\n"));
        QCOMPARE(QDir(disk.path({})).entryList(QDir::Files), QStringList{"angebot.nxr"});
    }

    void saveOnAReadOnlyDiskKeepsTheOldFile()
    {
        SmallDisk disk(QStringLiteral("size=64k"));
        if (!disk.mounted())
            QSKIP("no tmpfs can be mounted here");
        const QString path = disk.path("angebot.nxr");
        quote::writeQuoteFile(path, {"alte Zeile"});
        QVERIFY(disk.remountReadOnly());
        try {
            quote::writeQuoteFile(path, {"neue Zeile"});
            QFAIL("saved on a read-only disk");
        } catch (const Error &e) {
            QVERIFY2(e.message().startsWith("Cannot create file " + path), qPrintable(e.message()));
        }
        QCOMPARE(fileBytes(path), QByteArray("alte Zeile\r\n"));
    }
};

NIXARO_TEST_MAIN(QuoteFileTest)
#include "tst_quotefile.moc"
