// Every picture on every page: built in, decodable, and at least as large as its box, so
// that no page shows an empty frame or a blurred, blown-up picture.
#include "testsupport.h"

#include "app/picturebox.h"

using namespace app;
using namespace testing;

class PicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void cleanupTestCase() { destroyPages(); }

    void everyPictureBoxHoldsAPictureThatFits_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 0; id < pageCount; ++id)
            QTest::newRow(qPrintable(page(PageId(id))->objectName())) << id;
    }
    void everyPictureBoxHoldsAPictureThatFits()
    {
        QFETCH(int, id);
        const auto boxes = page(PageId(id))->findChildren<PictureBox *>();
        for (const PictureBox *box : boxes) {
            // A box the page leaves empty on purpose has no source.
            if (box->source().isEmpty())
                continue;
            const QString where = box->objectName() + u' ' + box->source();
            const QImage image = box->image();
            QVERIFY2(!image.isNull(), qPrintable(where));
            QVERIFY2(image.width() >= box->width() && image.height() >= box->height(),
                     qPrintable(QStringLiteral("%1: %2x%3 in a box of %4x%5")
                                    .arg(where)
                                    .arg(image.width())
                                    .arg(image.height())
                                    .arg(box->width())
                                    .arg(box->height())));
        }
    }

    // Pictures enlarged click by click, far beyond any screen, still show, and the part
    // on the page is all that is drawn (a copy at such a size would not fit in memory).
    void anEnlargedPictureStillShows_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("as the page has it") << QSize(361, 225);
        QTest::newRow("just under the copy limit") << QSize(4000, 4000);
        QTest::newRow("100 clicks") << QSize(10361, 10225);
        QTest::newRow("1000 clicks") << QSize(100361, 100225);
    }
    void anEnlargedPictureStillShows()
    {
        QFETCH(QSize, size);
        const QString source = QStringLiteral(":/assets/welcome/background.jpg");
        const QImage picture = app::picture(source);
        PictureBox box;
        box.setSource(source);
        box.resize(size);
        QCOMPARE(box.size(), size);
        const QImage corner = box.grab(QRect(0, 0, 8, 8)).toImage();
        QCOMPARE(corner.size(), QSize(8, 8));
        // The top left corner of the picture, within what scaling blends in.
        const QColor expected = picture.pixelColor(0, 0), shown = corner.pixelColor(0, 0);
        QVERIFY2(qAbs(expected.red() - shown.red()) < 40 && qAbs(expected.green() - shown.green()) < 40
                     && qAbs(expected.blue() - shown.blue()) < 40,
                 qPrintable(shown.name() + QStringLiteral(" for ") + expected.name()));
    }
};

NIXARO_TEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
