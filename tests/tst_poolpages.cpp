// The four pool pages: kit rows, the rules between the choices, the summary list, the
// pool total, what "&Weiter -->" hands on, the pictures, popup menus and font steps.
#include "testsupport.h"

#include "app/daten.h"
#include "app/look.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>

using namespace app;
using namespace testing;

namespace {

QString text(PageId id, const char *edit)
{
    return control<QLineEdit>(id, edit)->text();
}

void choose(PageId id, const QStringList &controls)
{
    for (const QString &name : controls)
        press(control(id, qPrintable(name)));
}

QStringList summary(PageId id)
{
    QStringList lines;
    auto *list = control<QListWidget>(id, "zus");
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

void mouseOnBackground(PageId id, QEvent::Type type)
{
    QWidget *client = page(id)->client();
    const QPoint pos = backgroundPoint(id);
    QMouseEvent e(type, pos, client->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(client, &e);
}

QAction *menuItem(PageId id, const char *menu, const char *item)
{
    auto *popup = page(id)->findChild<QMenu *>(QString::fromLatin1(menu));
    return popup->findChild<QAction *>(QString::fromLatin1(item));
}

} // namespace

class PoolPagesTest : public QObject
{
    Q_OBJECT

    FreshProgram program;
    FakeDialogs *user = nullptr;

private Q_SLOTS:
    // Every test finds the pages as the program creates them.
    void init()
    {
        user = &program.start();
    }
    void cleanup()
    {
        program.end();
    }

    void kitRows_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("kit");  // du, fo, hh, mmm, flies, pr
        QTest::addColumn<QString>("total");
        const int round = int(PageId::Trd), oval = int(PageId::Tol), eight = int(PageId::Tat), rect = int(PageId::Tre);
        QTest::newRow("round smallest") << round << QStringList{"b35", "f06", "h12"}
                                        << QStringList{"3,50 m", "0,6 mm", "1,20", "11", "89,95", "729,00"} << "818,95";
        QTest::newRow("round 7,00 m volume 58") << round << QStringList{"b700", "f06", "h15"}
                                                << QStringList{"7,00 m", "0,6 mm", "1,50", "58", "249,95", "1999,00"} << "2248,95";
        QTest::newRow("round 7,00 m volume 54") << round << QStringList{"b700", "f08", "h15"}
                                                << QStringList{"7,00 m", "0,8 mm", "1,50", "54", "249,95", "2599,00"} << "2848,95";
        QTest::newRow("round largest") << round << QStringList{"b800", "f06", "h15"}
                                       << QStringList{"8,00 m", "0,6 mm", "1,50", "75", "335,95", "2329,00"} << "2664,95";
        QTest::newRow("oval 0,8 mm dearer than 1 mm")
            << oval << QStringList{"b350x700", "f08", "h15"}
            << QStringList{"3,50 m x 7,00 m", "0,8 mm", "1,50", "31", "149,95", "2449,00"} << "2598,95";
        QTest::newRow("eight row with the smaller fleece")
            << eight << QStringList{"b460x725", "f06", "h15"}
            << QStringList{"4,60 x 7,25 m", "0,6 mm", "1,50", "39", "149,95", "2999,00"} << "3148,95";
        QTest::newRow("eight largest at 1,20 m") << eight << QStringList{"b500x855", "f08", "h12"}
                                                 << QStringList{"5,00 x 8,55 m", "0,8 mm", "1,20", "39", "244,95", "2899,00"} << "3143,95";
        QTest::newRow("rect: height preset, fleece included")
            << rect << QStringList{"b3x6", "f08"} << QStringList{"3,00 x 6,00 m", "0,8 mm", "1,50", "26", "0", "3199,00"} << "3199,00";
    }
    void kitRows()
    {
        QFETCH(int, id);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, kit);
        QFETCH(QString, total);
        goTo(PageId(id));
        QVERIFY(!control<QWidget>(PageId(id), "Button2")->isEnabled());
        choose(PageId(id), clicks);
        QStringList shown;
        for (const char *edit : {"du", "fo", "hh", "mmm", "flies", "pr"})
            shown << text(PageId(id), edit);
        QCOMPARE(shown, kit);
        QCOMPARE(text(PageId(id), "sbges"), total);
        QVERIFY(control<QWidget>(PageId(id), "Button2")->isEnabled());
    }

    // The whole price list of the four shapes, each kit with the edge stones and, where the
    // size has it, the concrete-free construction ticked.
    void priceList_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("kit");  // du, fo, hh, pr, mmm, flies, randpr
        QTest::addColumn<QString>("extra");    // conzeropreis, on the rectangular page bet
        QTest::addColumn<QString>("total");
        const auto kit = [](PageId id, const char *clicks, const char *du, const char *fo, const char *hh,
                            const char *pr, const char *mmm, const char *flies, const char *randpr,
                            const char *extra, const char *total) {
            const char *shape = id == PageId::Trd ? "round" : id == PageId::Tol ? "oval" : id == PageId::Tat ? "eight" : "rect";
            QTest::addRow("%s %s", shape, clicks)
                << int(id) << QString::fromUtf8(clicks).split(u' ')
                << QStringList{du, fo, hh, pr, mmm, flies, randpr} << QString::fromUtf8(extra) << QString::fromUtf8(total);
        };
        const PageId Trd = PageId::Trd, Tol = PageId::Tol, Tat = PageId::Tat, Tre = PageId::Tre;
        kit(Trd, "b35 f06 h12", "3,50 m", "0,6 mm", "1,20", "729,00", "11", "89,95", "629,00", "1298,90", "2746,85");
        kit(Trd, "b35 f06 h15", "3,50 m", "0,6 mm", "1,50", "929,00", "14", "89,95", "629,00", "1658,90", "3306,85");
        kit(Trd, "b35 f08 h12", "3,50 m", "0,8 mm", "1,20", "1079,00", "11", "89,95", "629,00", "1298,90", "3096,85");
        kit(Trd, "b35 f08 h15", "3,50 m", "0,8 mm", "1,50", "1179,00", "14", "89,95", "629,00", "1658,90", "3556,85");
        kit(Trd, "b35 f10 h15", "3,50 m", "1 mm", "1,50", "1199,00", "14", "89,95", "629,00", "1658,90", "3576,85");
        kit(Trd, "b416 f06 h12", "4,16 m", "0,6mm", "1,20", "849,00", "15", "149,95", "739,00", "1588,90", "3326,85");
        kit(Trd, "b416 f06 h15", "4,16 m", "0,6 mm", "1,50", "1109,00", "19", "149,95", "739,00", "1998,90", "3996,85");
        kit(Trd, "b416 f08 h12", "4,16 m", "0,8 mm", "1,20", "1089,00", "15", "149,95", "739,00", "1588,90", "3566,85");
        kit(Trd, "b416 f08 h15", "4,16 m", "0,8 mm", "1,50", "1429,00", "19", "149,95", "739,00", "1998,90", "4316,85");
        kit(Trd, "b416 f10 h15", "4,16 m", "1 mm", "1,50", "1449,00", "19", "149,95", "739,00", "1998,90", "4336,85");
        kit(Trd, "b500 f06 h12", "5,00 m", "0,6 mm", "1,20", "1029,00", "22", "149,95", "909,00", "2038,90", "4126,85");
        kit(Trd, "b500 f06 h15", "5,00 m", "0,6 mm", "1,50", "1349,00", "28", "149,95", "909,00", "2538,90", "4946,85");
        kit(Trd, "b500 f08 h12", "5,00 m", "0,8 mm", "1,20", "1349,00", "22", "149,95", "909,00", "2038,90", "4446,85");
        kit(Trd, "b500 f08 h15", "5,00 m", "0,8 mm", "1,50", "1749,00", "28", "149,95", "909,00", "2538,90", "5346,85");
        kit(Trd, "b500 f10 h15", "5,00 m", "1 mm", "1,50", "1799,00", "28", "149,95", "909,00", "2538,90", "5396,85");
        kit(Trd, "b600 f06 h12", "6,00 m", "0,6 mm", "1,20", "1299,00", "31", "209,95", "1059,00", "2647,00", "5214,95");
        kit(Trd, "b600 f06 h15", "6,00 m", "0,6 mm", "1,50", "1699,00", "40", "209,95", "1059,00", "3257,00", "6224,95");
        kit(Trd, "b600 f08 h12", "6,00 m", "0,8 mm", "1,20", "1649,00", "31", "209,95", "1059,00", "2647,00", "5564,95");
        kit(Trd, "b600 f08 h15", "6,00 m", "0,8 mm", "1,50", "2189,00", "40", "209,95", "1059,00", "3257,00", "6714,95");
        kit(Trd, "b600 f10 h15", "6,00 m", "1 mm", "1,50", "2199,00", "40", "209,95", "1059,00", "3257,00", "6724,95");
        kit(Trd, "b700 f06 h12", "7,00 m", "0,6 mm", "1,20", "1599,00", "42", "249,95", "1249,00", "0,00", "3097,95");
        kit(Trd, "b700 f06 h15", "7,00 m", "0,6 mm", "1,50", "1999,00", "58", "249,95", "1249,00", "0,00", "3497,95");
        kit(Trd, "b700 f08 h12", "7,00 m", "0,8 mm", "1,20", "1999,00", "42", "249,95", "1249,00", "0,00", "3497,95");
        kit(Trd, "b700 f08 h15", "7,00 m", "0,8 mm", "1,50", "2599,00", "54", "249,95", "1249,00", "0,00", "4097,95");
        kit(Trd, "b700 f10 h15", "7,00 m", "1 mm", "1,50", "2599,00", "54", "249,95", "1249,00", "0,00", "4097,95");
        kit(Trd, "b800 f06 h12", "8,00 m", "0,6 mm", "1,20", "1999,00", "55", "249,95", "1419,00", "0,00", "3667,95");
        kit(Trd, "b800 f06 h15", "8,00 m", "0,6 mm", "1,50", "2329,00", "75", "335,95", "1419,00", "0,00", "4083,95");
        kit(Trd, "b800 f08 h12", "8,00 m", "0,8 mm", "1,20", "2349,00", "55", "335,95", "1419,00", "0,00", "4103,95");
        kit(Trd, "b800 f08 h15", "8,00 m", "0,8 mm", "1,50", "2999,00", "70", "335,95", "1419,00", "0,00", "4753,95");
        kit(Trd, "b800 f10 h15", "8,00 m", "1 mm", "1,50", "2999,00", "70", "335,95", "1419,00", "0,00", "4753,95");
        kit(Tol, "b320x525 f06 h12", "3,20 m x 5,25 m", "0,6 mm", "1,20", "1049,00", "17", "149,95", "829,00", "3499,00", "5526,95");
        kit(Tol, "b320x525 f06 h15", "3,20 m x 5,25 m", "0,6 mm", "1,50", "1349,00", "22", "149,95", "829,00", "3899,00", "6226,95");
        kit(Tol, "b320x525 f08 h12", "3,20 m x 5,25 m", "0,8 mm", "1,20", "1129,00", "17", "149,95", "829,00", "3499,00", "5606,95");
        kit(Tol, "b320x525 f08 h15", "3,20 m x 5,25 m", "0,8 mm", "1,50", "1469,00", "22", "149,95", "829,00", "3899,00", "6346,95");
        kit(Tol, "b320x525 f10 h15", "3,20 m x 5,25 m", "1 mm", "1,50", "1699,00", "22", "149,95", "829,00", "3899,00", "6576,95");
        kit(Tol, "b320x600 f06 h12", "3,20 m x 6,00 m", "0,6 mm", "1,20", "1159,00", "19", "149,95", "899,00", "3999,00", "6206,95");
        kit(Tol, "b320x600 f06 h15", "3,20 m x 6,00 m", "0,6 mm", "1,50", "1499,00", "24", "149,95", "899,00", "4499,00", "7046,95");
        kit(Tol, "b320x600 f08 h12", "3,20 m x 6,00 m", "0,8 mm", "1,20", "1249,00", "19", "149,95", "899,00", "3999,00", "6296,95");
        kit(Tol, "b320x600 f08 h15", "3,20 m x 6,00 m", "0,8 mm", "1,50", "1619,00", "24", "149,95", "899,00", "4499,00", "7166,95");
        kit(Tol, "b320x600 f10 h15", "3,20 m x 6,00 m", "1 mm", "1,50", "1899,00", "24", "149,95", "899,00", "4499,00", "7446,95");
        kit(Tol, "b350x700 f06 h12", "3,50 m x 7,00 m", "0,6 mm", "1,20", "1379,00", "24", "149,95", "1009,00", "4499,00", "7036,95");
        kit(Tol, "b350x700 f06 h15", "3,50 m x 7,00 m", "0,6 mm", "1,50", "1749,00", "31", "149,95", "1009,00", "4999,00", "7906,95");
        kit(Tol, "b350x700 f08 h12", "3,50 m x 7,00 m", "0,8 mm", "1,20", "1469,00", "24", "149,95", "1009,00", "4499,00", "7126,95");
        kit(Tol, "b350x700 f08 h15", "3,50 m x 7,00 m", "0,8 mm", "1,50", "2449,00", "31", "149,95", "1009,00", "4999,00", "8606,95");
        kit(Tol, "b350x700 f10 h15", "3,50 m x 7,00 m", "1 mm", "1,50", "2199,00", "31", "149,95", "1009,00", "4999,00", "8356,95");
        kit(Tol, "b416x800 f06 h12", "4,16 m x 8,00 m", "0,6 mm", "1,20", "1599,00", "33", "209,95", "1149,00", "5499,00", "8456,95");
        kit(Tol, "b416x800 f06 h15", "4,16 m x 8,00 m", "0,6 mm", "1,50", "1999,00", "41", "209,95", "1149,00", "5999,00", "9356,95");
        kit(Tol, "b416x800 f08 h12", "4,16 m x 8,00 m", "0,8 mm", "1,20", "1699,00", "33", "209,95", "1149,00", "5499,00", "8556,95");
        kit(Tol, "b416x800 f08 h15", "4,16 m x 8,00 m", "0,8 mm", "1,50", "2149,00", "41", "209,95", "1149,00", "5999,00", "9506,95");
        kit(Tol, "b416x800 f10 h15", "4,16 m x 8,00 m", "1 mm", "1,50", "2599,00", "41", "209,95", "1149,00", "5999,00", "9956,95");
        kit(Tol, "b416x1000 f06 h12", "4,16 m x 10,00 m", "0,6 mm", "1,20", "1899,00", "42", "219,95", "1359,00", "0,00", "3477,95");
        kit(Tol, "b416x1000 f06 h15", "4,16 m x 10,00 m", "0,6 mm", "1,50", "2399,00", "53", "219,95", "1359,00", "0,00", "3977,95");
        kit(Tol, "b416x1000 f08 h12", "4,16 m x 10,00 m", "0,8 mm", "1,20", "2049,00", "42", "219,95", "1359,00", "0,00", "3627,95");
        kit(Tol, "b416x1000 f08 h15", "4,16 m x 10,00 m", "0,8 mm", "1,50", "2599,00", "53", "219,95", "1359,00", "0,00", "4177,95");
        kit(Tol, "b416x1000 f10 h15", "4,16 m x 10,00 m", "1 mm", "1,50", "2999,00", "53", "219,95", "1359,00", "0,00", "4577,95");
        kit(Tol, "b500x900 f06 h12", "5,00 m x 9,00 m", "0,6 mm", "1,20", "1899,00", "44", "295,95", "1339,00", "0,00", "3533,95");
        kit(Tol, "b500x900 f06 h15", "5,00 m x 9,00 m", "0,6 mm", "1,50", "2399,00", "56", "295,95", "1339,00", "0,00", "4033,95");
        kit(Tol, "b500x900 f08 h12", "5,00 m x 9,00 m", "0,8 mm", "1,20", "2049,00", "44", "295,95", "1339,00", "0,00", "3683,95");
        kit(Tol, "b500x900 f08 h15", "5,00 m x 9,00 m", "0,8 mm", "1,50", "2599,00", "56", "295,95", "1339,00", "0,00", "4233,95");
        kit(Tol, "b500x900 f10 h15", "5,00 m x 9,00 m", "1 mm", "1,50", "2999,00", "56", "295,95", "1339,00", "0,00", "4633,95");
        kit(Tol, "b500x1100 f06 h12", "5,00 m x 11,00 m", "0,6 mm", "1,20", "2299,00", "55", "314,95", "1569,00", "0,00", "4182,95");
        kit(Tol, "b500x1100 f06 h15", "5,00 m x 11,00 m", "0,6 mm", "1,50", "2799,00", "70", "314,95", "1569,00", "0,00", "4682,95");
        kit(Tol, "b500x1100 f08 h12", "5,00 m x 11,00 m", "0,8 mm", "1,20", "2499,00", "55", "314,95", "1569,00", "0,00", "4382,95");
        kit(Tol, "b500x1100 f08 h15", "5,00 m x 11,00 m", "0,8 mm", "1,50", "2999,00", "70", "314,95", "1569,00", "0,00", "4882,95");
        kit(Tol, "b500x1100 f10 h15", "5,00 m x 11,00 m", "1 mm", "1,50", "3499,00", "70", "314,95", "1569,00", "0,00", "5382,95");
        kit(Tat, "b320x525 f06 h12", "3,20 x 5,25 m", "0,6 mm", "1,20", "1799,00", "16", "149,95", "859,00", "", "2807,95");
        kit(Tat, "b320x525 f06 h15", "3,20 x 5,25 m", "0,6 mm", "1,50", "2149,00", "21", "149,95", "859,00", "", "3157,95");
        kit(Tat, "b320x525 f08 h12", "3,20 x 5,25 m", "0,8 mm", "1,20", "1899,00", "16", "149,95", "859,00", "", "2907,95");
        kit(Tat, "b320x525 f08 h15", "3,20 x 5,25 m", "0,8 mm", "1,50", "2449,00", "21", "149,95", "859,00", "", "3457,95");
        kit(Tat, "b320x525 f10 h15", "3,20 x 5,25 m", "1 mm", "1,50", "2699,00", "21", "149,95", "859,00", "", "3707,95");
        kit(Tat, "b360x625 f06 h12", "3,60 x 6,25 m", "0,6 mm", "1,20", "1999,00", "21", "149,95", "1009,00", "", "3157,95");
        kit(Tat, "b360x625 f06 h15", "3,60 x 6,25 m", "0,6 mm", "1,50", "2549,00", "26", "149,95", "1009,00", "", "3707,95");
        kit(Tat, "b360x625 f08 h12", "3,60 x 6,25 m", "0,8 mm", "1,20", "2649,00", "21", "149,95", "1009,00", "", "3807,95");
        kit(Tat, "b360x625 f08 h15", "3,60 x 6,25 m", "0,8 mm", "1,50", "2799,00", "26", "149,95", "1009,00", "", "3957,95");
        kit(Tat, "b360x625 f10 h15", "3,60 x 6,25 m", "1 mm", "1,50", "2999,00", "26", "149,95", "1009,00", "", "4157,95");
        kit(Tat, "b460x725 f06 h12", "4,60 x 7,25 m", "0,6 mm", "1,20", "2499,00", "31", "209,95", "1179,00", "", "3887,95");
        kit(Tat, "b460x725 f06 h15", "4,60 x 7,25 m", "0,6 mm", "1,50", "2999,00", "39", "149,95", "1179,00", "", "4327,95");
        kit(Tat, "b460x725 f08 h12", "4,60 x 7,25 m", "0,8 mm", "1,20", "2649,00", "31", "209,95", "1179,00", "", "4037,95");
        kit(Tat, "b460x725 f08 h15", "4,60 x 7,25 m", "0,8 mm", "1,50", "3399,00", "39", "209,95", "1179,00", "", "4787,95");
        kit(Tat, "b460x725 f10 h15", "4,60 x 7,25 m", "1 mm", "1,50", "3699,00", "39", "209,95", "1179,00", "", "5087,95");
        kit(Tat, "b500x855 f06 h12", "5,00 x 8,55 m", "0,6 mm", "1,20", "2699,00", "39", "244,95", "1339,00", "", "4282,95");
        kit(Tat, "b500x855 f06 h15", "5,00 x 8,55 m", "0,6 mm", "1,50", "3399,00", "50", "244,95", "1339,00", "", "4982,95");
        kit(Tat, "b500x855 f08 h12", "5,00 x 8,55 m", "0,8 mm", "1,20", "2899,00", "39", "244,95", "1339,00", "", "4482,95");
        kit(Tat, "b500x855 f08 h15", "5,00 x 8,55 m", "0,8 mm", "1,50", "3799,00", "50", "244,95", "1339,00", "", "5382,95");
        kit(Tat, "b500x855 f10 h15", "5,00 x 8,55 m", "1 mm", "1,50", "4099,00", "50", "244,95", "1339,00", "", "5682,95");
        kit(Tre, "b3x6 f08", "3,00 x 6,00 m", "0,8 mm", "1,50", "3199,00", "26", "0", "1059,00", "8,8 m³", "4258,00");
        kit(Tre, "b3x6 f10", "3,00 x 6,00 m", "1 mm", "1,50", "3499,00", "26", "0", "1059,00", "8,8 m³", "4558,00");
        kit(Tre, "b35x70 f08", "3,50 x 7,00 m", "0,8 mm", "1,50", "3699,00", "34", "0", "1209,00", "10,9 m³", "4908,00");
        kit(Tre, "b35x70 f10", "3,50 x 7,00 m", "1 mm", "1,50", "4099,00", "34", "0", "1209,00", "10,9 m³", "5308,00");
        kit(Tre, "b40x80 f08", "4,00 x 8,00 m", "0,8 mm", "1,50", "4199,00", "45", "0", "1429,00", "13,3 m³", "5628,00");
        kit(Tre, "b40x80 f10", "4,00 x 8,00 m", "1 mm", "1,50", "4649,00", "45", "0", "1429,00", "13,3 m³", "6078,00");
        kit(Tre, "b50x90 f08", "5,00 x 9,00 m", "0,8 mm", "1,50", "4999,00", "64", "0", "1639,00", "17,2 m³", "6638,00");
        kit(Tre, "b50x90 f10", "5,00 x 9,00 m", "1 mm", "1,50", "5449,00", "64", "0", "1639,00", "17,2 m³", "7088,00");
    }
    void priceList()
    {
        QFETCH(int, id);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, kit);
        QFETCH(QString, extra);
        QFETCH(QString, total);
        const PageId p = PageId(id);
        goTo(p);
        choose(p, clicks + QStringList{"beckenrand"});
        if (p == PageId::Trd || p == PageId::Tol)
            choose(p, {"conzero"});  // disabled for the sizes without the construction
        QStringList shown;
        for (const char *edit : {"du", "fo", "hh", "pr", "mmm", "flies", "randpr"})
            shown << text(p, edit);
        QCOMPARE(shown, kit);
        if (p == PageId::Trd || p == PageId::Tol)
            QCOMPARE(text(p, "conzeropreis"), extra);
        else if (p == PageId::Tre)
            QCOMPARE(text(p, "bet"), extra);
        QCOMPARE(text(p, "sbges"), total);
    }

    void noKitUntilEveryGroupIsChosen_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("round without height") << int(PageId::Trd) << QStringList{"b35", "f06"}
                                              << "Beckenmaße:  0,00" << "Schwimmbeckenpreis:  0€";
        QTest::newRow("round, construction first") << int(PageId::Trd) << QStringList{"conzero"}
                                                   << "Beckenmaße:  0,00" << "Schwimmbeckenpreis:  0€";
        QTest::newRow("eight, edge stones first") << int(PageId::Tat) << QStringList{"beckenrand"}
                                                  << "Beckenmaße:  0,00" << "Schwimmbeckenpreis:  0€";
        QTest::newRow("rect without liner") << int(PageId::Tre) << QStringList{"b3x6"}
                                            << "Beckenmaße:  0,00" << "Schwimmbeckenpreis:  0€";
    }
    void noKitUntilEveryGroupIsChosen()
    {
        QFETCH(int, id);
        QFETCH(QStringList, clicks);
        QFETCH(QString, firstLine);
        QFETCH(QString, lastLine);
        goTo(PageId(id));
        choose(PageId(id), clicks);
        QCOMPARE(text(PageId(id), "pr"), QStringLiteral("0"));
        QCOMPARE(summary(PageId(id)).first(), firstLine);
        QCOMPARE(summary(PageId(id)).last(), lastLine);
        QCOMPARE(text(PageId(id), "sbges"), QStringLiteral("0,00"));
        QVERIFY(!control<QWidget>(PageId(id), "Button2")->isEnabled());
    }

    void oneMillimetreLinerOnlyWithTheHighWall_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("size");
        QTest::newRow("round") << int(PageId::Trd) << "b500";
        QTest::newRow("oval") << int(PageId::Tol) << "b320x600";
        QTest::newRow("eight") << int(PageId::Tat) << "b360x625";
    }
    void oneMillimetreLinerOnlyWithTheHighWall()
    {
        QFETCH(int, id);
        QFETCH(QString, size);
        const PageId p = PageId(id);
        goTo(p);
        choose(p, {size, "f08", "h12"});
        QCOMPARE(text(p, "hh"), QStringLiteral("1,20"));
        choose(p, {"f10"});
        QVERIFY(control<QRadioButton>(p, "h15")->isChecked());
        QVERIFY(!control<QRadioButton>(p, "h12")->isChecked());
        choose(p, {"h12"});  // undone at once
        QVERIFY(control<QRadioButton>(p, "h15")->isChecked());
        QCOMPARE(text(p, "hh"), QStringLiteral("1,50"));
        QCOMPARE(text(p, "fo"), QStringLiteral("1 mm"));
    }

    void constructionOnlyForTheSmallerSizes_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("small");
        QTest::addColumn<QString>("large");
        QTest::newRow("round") << int(PageId::Trd) << "b600" << "b700";
        QTest::newRow("oval") << int(PageId::Tol) << "b416x800" << "b416x1000";
    }
    void constructionOnlyForTheSmallerSizes()
    {
        QFETCH(int, id);
        QFETCH(QString, small);
        QFETCH(QString, large);
        const PageId p = PageId(id);
        auto *conzero = control<QCheckBox>(p, "conzero");
        goTo(p);
        choose(p, {small, "f06", "h12", "conzero"});
        QVERIFY(text(p, "conzeropreis") != QStringLiteral("0,00"));

        choose(p, {large});
        QVERIFY(!conzero->isChecked());
        QVERIFY(!conzero->isEnabled());
        QCOMPARE(text(p, "conzeropreis"), QStringLiteral("0,00"));
        QCOMPARE(summary(p).at(4), QStringLiteral("Betonfreier Schwimmbadaufbau:  0,00€ +"));

        choose(p, {small});
        QVERIFY(conzero->isEnabled());
        QVERIFY(!conzero->isChecked());
    }

    void constructionAndEdgeStonesJoinTheTotal_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("construction");
        QTest::addColumn<QString>("edgeStones");
        QTest::addColumn<QString>("total");
        QTest::newRow("round 1,20 m") << int(PageId::Trd) << QStringList{"b35", "f06", "h12", "conzero"}
                                      << "1298,90" << "0,00" << "2117,85";
        QTest::newRow("oval, both") << int(PageId::Tol) << QStringList{"b320x525", "f08", "h12", "conzero", "beckenrand"}
                                    << "3499,00" << "829,00" << "5606,95";
    }
    void constructionAndEdgeStonesJoinTheTotal()
    {
        QFETCH(int, id);
        QFETCH(QStringList, clicks);
        QFETCH(QString, construction);
        QFETCH(QString, edgeStones);
        QFETCH(QString, total);
        goTo(PageId(id));
        choose(PageId(id), clicks);
        QCOMPARE(text(PageId(id), "conzeropreis"), construction);
        QCOMPARE(text(PageId(id), "randpr"), edgeStones);
        QCOMPARE(text(PageId(id), "sbges"), total);
    }

    void summaryLines_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("total");
        QTest::newRow("round with edge stones")
            << int(PageId::Trd) << QStringList{"b35", "f06", "h12", "beckenrand"}
            << QStringList{"Beckenmaße:  3,50 m", "Folienstärke (adriablau):  0,6 mm", "Beckenhöhe:  1,20m",
                           "Inhalt:  11m³", "Betonfreier Schwimmbadaufbau:  0,00€ +", "Bodenflies:  89,95€ +",
                           "inkl. Kombihandlauf (blau)", "Beckenrandsteine:  629,00€ +", "Schwimmbeckenpreis:  729,00€"}
            << "1447,95";
        QTest::newRow("eight") << int(PageId::Tat) << QStringList{"b320x525", "f06", "h12"}
                               << QStringList{"Beckenmaße:  3,20 x 5,25 m", "Folienstärke: (adriablau) 0,6 mm",
                                              "Beckenhöhe:  1,20m", "Inhalt:  16m³", "Bodenflies:  149,95€ +",
                                              "inkl. Kombihandlauf (blau)", "Beckenrandsteine:  0,00€ +",
                                              "Schwimmbeckenpreis:  1799,00€"}
                               << "1948,95";
        QTest::newRow("rect without edge stones")
            << int(PageId::Tre) << QStringList{"b3x6", "f08"}
            << QStringList{"Beckenmaße:  3,00 x 6,00 m", "Folienstärke:  (adirablau)0,8 mm", "Beckenhöhe:  1,50m",
                           "Inhalt:  26m³", "Beton für Becken:  8,8 m³", "Beckenrandsteine:  0€ +",
                           "Schwimmbeckenpreis:  3199,00€"}
            << "3199,00";
        QTest::newRow("rect with edge stones")
            << int(PageId::Tre) << QStringList{"b50x90", "f10", "beckenrand"}
            << QStringList{"Beckenmaße:  5,00 x 9,00 m", "Folienstärke:  (adirablau)1 mm", "Beckenhöhe:  1,50m",
                           "Inhalt:  64m³", "Beton für Becken:  17,2 m³", "Beckenrandsteine:  1639,00€ +",
                           "Schwimmbeckenpreis:  5449,00€"}
            << "7088,00";
    }
    void summaryLines()
    {
        QFETCH(int, id);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, lines);
        QFETCH(QString, total);
        goTo(PageId(id));
        choose(PageId(id), clicks);
        QCOMPARE(summary(PageId(id)), lines);
        QCOMPARE(text(PageId(id), "sbges"), total);
    }

    void nextHandsThePoolOn_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("clicks");
        // aufbaupreis, handlauf, randsteinpreis, beckenhoehe, summe1, volumen, folienstaerke, beckengroesse
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("round with construction")
            << int(PageId::Trd) << QStringList{"b35", "f06", "conzero", "h15"}
            << QStringList{"1658,90", "Standardhandlauf", "0,00", "1,50", "2677,85", "14", "0,6 mm", "3,50 m"};
        QTest::newRow("round liner without blank")
            << int(PageId::Trd) << QStringList{"b416", "f06", "h12"}
            << QStringList{"0,00", "Standardhandlauf", "0,00", "1,20", "998,95", "15", "0,6mm", "4,16 m"};
        QTest::newRow("oval") << int(PageId::Tol) << QStringList{"b416x800", "f08", "h12", "beckenrand"}
                              << QStringList{"0,00", "Standardhandlauf", "1149,00", "1,20", "3057,95", "33", "0,8 mm",
                                             "4,16 m x 8,00 m"};
        QTest::newRow("eight with 1 mm")
            << int(PageId::Tat) << QStringList{"b320x525", "f10", "beckenrand"}
            << QStringList{"0,00", "Kombi Handlauf", "859,00", "1,50", "3707,95", "21", "1 mm", "3,20 x 5,25 m"};
        QTest::newRow("eight without ever 1 mm")
            << int(PageId::Tat) << QStringList{"b460x725", "f08", "h12"}
            << QStringList{"0,00", "Standardhandlauf", "0,00", "1,20", "2858,95", "31", "0,8 mm", "4,60 x 7,25 m"};
        QTest::newRow("rect leaves the handrail")
            << int(PageId::Tre) << QStringList{"b50x90", "f10", "beckenrand"}
            << QStringList{"0,00", "vorher", "1639,00", "1,50", "7088,00", "64", "1 mm", "5,00 x 9,00 m"};
    }
    void nextHandsThePoolOn()
    {
        QFETCH(int, id);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, expected);
        goTo(PageId(id));
        daten.aufbaupreis = QStringLiteral("vorher");
        daten.handlauf = QStringLiteral("vorher");
        choose(PageId(id), clicks);
        clickOn(control<QAbstractButton>(PageId(id), "Button2"));
        QVERIFY(becomesActive(page(PageId::Tabdeckung)));
        const QStringList stored = {daten.aufbaupreis, daten.handlauf, daten.randsteinpreis, daten.beckenhoehe,
                                    daten.summe1, daten.volumen, daten.folienstaerke, daten.beckengroesse};
        QCOMPARE(stored, expected);
    }

    void onlyTheOvalStoreFollowsEveryChange()
    {
        goTo(PageId::Trd);
        choose(PageId::Trd, {"b35", "f06", "h12"});
        QCOMPARE(daten.summe1, QStringLiteral("0"));  // the round page waits for "&Weiter -->"

        goTo(PageId::Tol);
        daten.aufbaupreis = QStringLiteral("vorher");
        choose(PageId::Tol, {"conzero"});
        QCOMPARE(daten.summe1, QStringLiteral("0,00"));
        QCOMPARE(daten.beckengroesse, QStringLiteral("0,00"));
        QCOMPARE(daten.volumen, QStringLiteral("0"));
        QCOMPARE(daten.handlauf, QStringLiteral("Standardhandlauf"));
        QVERIFY(!control<QWidget>(PageId::Tol, "Button2")->isEnabled());

        choose(PageId::Tol, {"b320x600", "f06", "h12"});
        QCOMPARE(daten.beckengroesse, QStringLiteral("3,20 m x 6,00 m"));
        QCOMPARE(daten.summe1, QStringLiteral("5307,95"));
        QCOMPARE(daten.folienstaerke, QStringLiteral("0,6 mm"));
        QCOMPARE(daten.aufbaupreis, QStringLiteral("vorher"));  // only "&Weiter -->" stores it
    }

    void combinedHandrailStaysOnceTheOneMillimetreLinerWasChosen()
    {
        const PageId eight = PageId::Tat;
        goTo(eight);
        choose(eight, {"b320x525", "f08", "h12"});
        QCOMPARE(text(eight, "handtxt"), QStringLiteral("Standardhandlauf"));
        QVERIFY(control(eight, "handlauf_txt")->isHidden());

        choose(eight, {"f10"});
        QCOMPARE(text(eight, "handtxt"), QStringLiteral("Kombi Handlauf"));
        QVERIFY(!control(eight, "handlauf_txt")->isHidden());
        QVERIFY(!control(eight, "handlauf_bmp")->isHidden());

        choose(eight, {"f08"});
        QCOMPARE(text(eight, "pr"), QStringLiteral("2449,00"));
        clickOn(control<QAbstractButton>(eight, "Button2"));
        QCOMPARE(daten.handlauf, QStringLiteral("Kombi Handlauf"));
    }

    void pictureGrowsPerClickAndReturnsOnDoubleClick_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("home");
        QTest::newRow("round") << int(PageId::Trd) << QRect(417, 301, 361, 225);
        QTest::newRow("oval") << int(PageId::Tol) << QRect(392, 308, 385, 217);
        QTest::newRow("eight") << int(PageId::Tat) << QRect(432, 288, 353, 217);
    }
    void pictureGrowsPerClickAndReturnsOnDoubleClick()
    {
        QFETCH(int, id);
        QFETCH(QRect, home);
        goTo(PageId(id));
        QWidget *panel = control(PageId(id), "Panel6");
        QWidget *picture = control(PageId(id), "Image2");
        QCOMPARE(panel->geometry(), home);
        clickOn(picture);
        clickOn(picture);
        QCOMPARE(panel->geometry(), QRect(home.x() - 200, home.y() - 200, home.width() + 200, home.height() + 200));
        QVERIFY(panel->geometry().contains(picture->geometry().translated(panel->pos())));
        QVERIFY(picture->width() > home.width() + 190);
        doubleClickOn(picture);
        QCOMPARE(panel->geometry(), home);
    }

    void edgeStoneSamples_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("mouseDownShrinks");
        QTest::newRow("round") << int(PageId::Trd) << false;
        QTest::newRow("oval") << int(PageId::Tol) << true;
        QTest::newRow("eight") << int(PageId::Tat) << true;
        QTest::newRow("rect") << int(PageId::Tre) << true;
    }
    void edgeStoneSamples()
    {
        QFETCH(int, id);
        QFETCH(bool, mouseDownShrinks);
        const PageId p = PageId(id);
        goTo(p);
        QWidget *blue = control(p, "steinblau");
        const QRect home = blue->geometry();
        QCOMPARE(home.size(), QSize(57, 41));
        if (p == PageId::Tat || p == PageId::Tre)
            QCOMPARE(home.topLeft(), QPoint(592, p == PageId::Tat ? 180 : 204));
        QVERIFY(blue->isHidden());
        choose(p, {"beckenrand"});
        QVERIFY(!blue->isHidden());

        clickOn(blue);
        QCOMPARE(blue->geometry(), QRect(home.topLeft(), QSize(177, 105)));
        doubleClickOn(blue);
        QCOMPARE(blue->geometry(), home);

        clickOn(blue);
        mouseOnBackground(p, QEvent::MouseButtonPress);
        QCOMPARE(blue->geometry(), mouseDownShrinks ? home : QRect(home.topLeft(), QSize(177, 105)));
        mouseOnBackground(p, QEvent::MouseButtonRelease);

        choose(p, {"beckenrand"});
        QVERIFY(blue->isHidden());
    }

    void moreInfoOpensTheFinalPage()
    {
        goTo(PageId::Tat);
        QCOMPARE(control(PageId::Tat, "Image2")->contextMenuPolicy(), Qt::CustomContextMenu);
        QAction *info = menuItem(PageId::Tat, "PopupMenu1", "MehrinfoszumAufbau1");
        QCOMPARE(info->text(), QStringLiteral("Mehr info's zum Aufbau"));
        info->trigger();
        QVERIFY(becomesActive(page(PageId::Tendpr)));
    }

    void supplierPageOfTheShape_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("path");
        QTest::newRow("round") << int(PageId::Trd) << "/Rundpool";
        QTest::newRow("oval") << int(PageId::Tol) << "/Ovalpool";
    }
    void supplierPageOfTheShape()
    {
        QFETCH(int, id);
        QFETCH(QString, path);
        QAction *open = menuItem(PageId(id), "conzero_hilfe", "Hierklickenfrmehrinformationen1");
        QCOMPARE(open->text(), QStringLiteral("Hier klicken für mehr informationen"));
        QCOMPARE(control(PageId(id), "conzero")->contextMenuPolicy(), Qt::CustomContextMenu);
        open->trigger();
        QCOMPARE(user->urls.size(), 1);
        QCOMPARE(user->urls.first().path(), path);
        QVERIFY(user->messages.isEmpty());
        user->urlOpens = false;
        open->trigger();
        QCOMPARE(user->messages, QStringList{"Internetseite konnte nicht geöffnet werden!"});
    }

    void rectangularPicturesFromThePopupMenu()
    {
        const PageId p = PageId::Tre;
        goTo(p);
        QWidget *finished = control(p, "rechtpic"), *block = control(p, "styrstein"), *building = control(p, "beckenbau");
        menuItem(p, "PopupMenu1", "BeckenimBau1")->trigger();
        QVERIFY(finished->isHidden() && block->isHidden() && !building->isHidden());
        menuItem(p, "PopupMenu1", "StyroporsteinimDetail1")->trigger();
        QVERIFY(finished->isHidden() && !block->isHidden() && building->isHidden());
        choose(p, {"b40x80"});  // any change returns to the finished pool
        QVERIFY(!finished->isHidden() && block->isHidden() && building->isHidden());
        QCOMPARE(textColour(control(p, "beckenrand")), QColor(Qt::red));

        press(control(p, "f06"));  // the 0,6 mm liner is not offered here
        QVERIFY(!control<QRadioButton>(p, "f06")->isChecked());
    }

    void hintsAndCaptionColoursFollowTheMouse()
    {
        const PageId p = PageId::Trd;
        goTo(p);
        QWidget *hint = control(p, "conzerocontext"), *note = control(p, "handlauf_txt");
        QWidget *conzero = control(p, "conzero"), *stones = control(p, "beckenrand");
        QVERIFY(!note->isHidden());  // until the mouse first moves over the page
        mouseOnBackground(p, QEvent::MouseMove);
        QVERIFY(note->isHidden());

        moveMouseOver(conzero);
        QVERIFY(!hint->isHidden());
        moveMouseOver(control(p, "b35"));
        QVERIFY(!note->isHidden());
        QCOMPARE(textColour(conzero), QColor(0, 0, 128));
        QCOMPARE(textColour(stones), QColor(Qt::yellow));
        mouseOnBackground(p, QEvent::MouseMove);
        QVERIFY(hint->isHidden() && note->isHidden());

        mouseOnBackground(p, QEvent::MouseButtonPress);
        QCOMPARE(textColour(conzero), QColor(Qt::cyan));
        mouseOnBackground(p, QEvent::MouseButtonRelease);
        QCOMPARE(textColour(stones), QColor(Qt::red));
        QCOMPARE(textColour(conzero), QColor(0, 0, 128));

        moveMouseOver(control(PageId::Tol, "conzero"));  // the oval page's hint is Label2
        QVERIFY(!control(PageId::Tol, "Label2")->isHidden());
    }

    // The caption colours of the two check boxes: each shape has its own pair, the oval
    // page the round page's the other way round.
    void captionColoursOnTheMouse_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("other");  // the second check box
        QTest::addColumn<QString>("hovered");
        QTest::addColumn<QColor>("otherOnHover");
        QTest::addColumn<QColor>("otherOnDown");
        QTest::addColumn<QColor>("otherOnUp");
        const QColor aqua(0, 255, 255), navy(0, 0, 128), none;
        QTest::newRow("round") << int(PageId::Trd) << "conzero" << "b35" << navy << aqua << navy;
        QTest::newRow("oval") << int(PageId::Tol) << "conzero" << "b500x1100" << navy << navy << aqua;
        QTest::newRow("eight") << int(PageId::Tat) << "hand" << "b320x525" << none << aqua << navy;
        QTest::newRow("rect") << int(PageId::Tre) << "" << "rechtpic" << none << none << none;
    }
    void captionColoursOnTheMouse()
    {
        QFETCH(int, id);
        QFETCH(QString, other);
        QFETCH(QString, hovered);
        QFETCH(QColor, otherOnHover);
        QFETCH(QColor, otherOnDown);
        QFETCH(QColor, otherOnUp);
        const PageId p = PageId(id);
        goTo(p);
        QWidget *stones = control(p, "beckenrand");
        QWidget *box = other.isEmpty() ? nullptr : control(p, qPrintable(other));

        moveMouseOver(control(p, qPrintable(hovered)));
        QCOMPARE(textColour(stones), QColor(Qt::yellow));
        if (otherOnHover.isValid())
            QCOMPARE(textColour(box), otherOnHover);

        mouseOnBackground(p, QEvent::MouseButtonRelease);
        QCOMPARE(textColour(stones), QColor(Qt::red));
        if (box)
            QCOMPARE(textColour(box), otherOnUp);
        mouseOnBackground(p, QEvent::MouseButtonPress);
        QCOMPARE(textColour(stones), QColor(Qt::yellow));
        if (box)
            QCOMPARE(textColour(box), otherOnDown);
    }

    void fontStepsWithoutBound()
    {
        for (PageId p : {PageId::Trd, PageId::Tol, PageId::Tat, PageId::Tre}) {
            goTo(p);  // under the page's style sheet, as the user sees it
            auto size = [p](const char *name) { return control(p, name)->font().pointSize(); };
            const int panel = size("Panel4"), list = size("zus"), own = page(p)->client()->font().pointSize();
            QCOMPARE(size("Panel3"), panel);
            QAction *larger = page(p)->findChild<QAction *>("N1"), *smaller = page(p)->findChild<QAction *>("N2");
            for (int i = 0; i < 10; ++i)
                larger->trigger();
            QCOMPARE(size("Panel3"), panel + 10);
            QCOMPARE(size("Panel4"), panel + 10);
            QCOMPARE(size("Panel5"), panel + 11);  // takes the new liner size plus one
            QCOMPARE(size("f06"), panel + 10);     // the buttons grow with their group
            QCOMPARE(size("h15"), panel + 11);
            QCOMPARE(size("zus"), list + 10);
            QCOMPARE(page(p)->client()->font().pointSize(), own + 10);

            // Far below what can be shown, and back again step by step.
            for (int i = 0; i < 10 + 3 * panel; ++i)
                smaller->trigger();
            QCOMPARE(size("Panel4"), 1);
            for (int i = 0; i < 3 * panel; ++i)
                larger->trigger();
            QCOMPARE(size("Panel4"), panel);
            QCOMPARE(size("zus"), list);
        }
    }
};

NIXARO_TEST_MAIN(PoolPagesTest)
#include "tst_poolpages.moc"
