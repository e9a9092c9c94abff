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
};

NIXARO_TEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
