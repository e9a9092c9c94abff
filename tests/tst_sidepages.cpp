// The further articles page and the information pages: topics that load their
// sub-topics, each sub-topic's text, pictures and captions, the captions emptied on
// every keystroke, the return buttons; the pictures that zoom on a click and return on
// a double-click, and the pages that close themselves.
#include "testsupport.h"

#include "app/daten.h"
#include "app/handlers.h"
#include "app/picturebox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

using namespace app;
using namespace testing;

namespace {

const QString prompt = "Wählen Sie aus dieser Liste Ihren Themenbereich";
const QStringList contact = {"Bei interesse wenden Sie sich bitte an unsere Fachberater."};
const QStringList sauna = {"Wir sind autorisierte Fachberater von", "Knüllwald Helo Sauna", "", "Wir sind zuständig für",
                           "Beratung, Planung, Service, Verkauf, Aufmass und Montage", "Das Programm:", "", "Sauna",
                           "Solarium", "Dampfsauna", "Infrarot-Wärmekabinen"};
const QStringList onOffer = {"Nachfolgende Produkte halten wir für Sie bereit:", ""};
const QStringList sharedProducts = {
    "Duotabs (Sauerstoff, Algizid)", "", "Algenvernichtung (Algizid):",
    "Pool Clearwater (Spezialkonzentrat mit Härtestabilisator)", "Mini Pool Clearwater", "",
    "Poolflock (Flüssiges Flockungsmittel)", "", "pH-Wert korrektur (Flüssig):", "pH-Wert senker", "pH-Wert heber", "",
    "Überwinterungsmittel (mit Härtestabilisator):", "Pool Winter Fit"};

QStringList group(const QString &name, int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QStringLiteral("%1_%2").arg(name).arg(i);
    return out;
}

template<typename T = QWidget>
T *articles(const char *name)
{
    return control<T>(PageId::Tartikel, name);
}

QComboBox *auswahl()
{
    return articles<QComboBox>("Auswahl");
}

QPlainTextEdit *memo()
{
    return articles<QPlainTextEdit>("Auswahl_info");
}

QStringList memoLines()
{
    return memo()->toPlainText().split(u'\n');
}

QStringList captions()
{
    QStringList out;
    for (const char *name : {"bmp1_txt", "BMP2_txt", "bmp3_txt", "bmp4_txt", "bmp5_txt"})
        out << articles<QLabel>(name)->text();
    return out;
}

QStringList visiblePictures()
{
    QStringList out;
    for (PictureBox *box : page(PageId::Tartikel)->findChildren<PictureBox *>())
        if (!box->isHidden())
            out << box->objectName();
    out.sort();
    return out;
}

// A click on a topic of the list, as the user makes it.
void clickTopic(const QString &topic)
{
    auto *list = articles<QListWidget>("themen");
    const QList<QListWidgetItem *> found = list->findItems(topic, Qt::MatchExactly);
    QVERIFY(found.size() == 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

void loadTopic(const QString &topic)
{
    clickTopic(topic);
    moveMouseOver(articles<QListWidget>("themen")->viewport());
}

// The user picks a row from the open list of the selection box.
void pick(const QString &row)
{
    QComboBox *combo = auswahl();
    const int index = combo->findText(row, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(row));
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QRect rect = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTRY_VERIFY(!view->isVisible());
}

// The user replaces the text of the selection box by typing, one key at a time.
void type(const QString &text)
{
    QLineEdit *edit = auswahl()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    // One key event per character; QTest's own typing knows no umlauts.
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &release);
    }
}

} // namespace

class SidePagesTest : public QObject
{
    Q_OBJECT

    FreshProgram program;
    FakeDialogs *user = nullptr;

private Q_SLOTS:
    void init()
    {
        user = &program.start();
    }
    void cleanup()
    {
        QVERIFY(user->errors.isEmpty());
        program.end();
    }

    // ---- the further articles page

    void startsWithTheTopicsAndThePrompt()
    {
        goTo(PageId::Tartikel);
        auto *list = articles<QListWidget>("themen");
        QStringList topics;
        for (int i = 0; i < list->count(); ++i)
            topics << list->item(i)->text();
        QCOMPARE(topics, (QStringList{"Reinigungsmittel", "Reinigungszubehör", "Sauna", "Schwimmbad",
                                      "Wasseraufbereitung"}));
        QVERIFY(list->isSortingEnabled());
        QCOMPARE(auswahl()->currentText(), prompt);
        QCOMPARE(auswahl()->count(), 0);
        QVERIFY(auswahl()->isEditable());
        QCOMPARE(memo()->toPlainText(), QString());
        QCOMPARE(memo()->height(), 94);
        QVERIFY(memo()->isReadOnly());
        QCOMPARE(page(PageId::Tartikel)->findChildren<PictureBox *>().size(), 52);
        QCOMPARE(visiblePictures(), QStringList());
        QCOMPARE(captions(), QStringList(5));
        QCOMPARE(articles<QAbstractButton>("SpeedButton1")->text(), "Zurück zum Anfang");
        QCOMPARE(articles<QAbstractButton>("SpeedButton2")->text(), "Zur vorherigen Seite");
        const struct { const char *name, *text; } hidden[] = {
            {"ms", "Mehr Schwimmbad"}, {"mz", "Mehr Zubehör"}, {"mez", "Mehr Edel Zubehör"},
            {"delete", "delete"}, {"captiondel", "captiondel"}};
        for (const auto &h : hidden) {
            QVERIFY2(articles(h.name)->isHidden(), h.name);
            QCOMPARE(articles<QAbstractButton>(h.name)->text(), QString::fromUtf8(h.text));
        }
        QVERIFY(articles("Memo1")->isHidden());
        QVERIFY(articles<QPlainTextEdit>("Memo1")->toPlainText().startsWith("Auf diesen zwei "));
        QVERIFY(articles<QPlainTextEdit>("Memo1")->toPlainText().endsWith("Produktpalette."));
        QVERIFY(!page(PageId::Tartikel)->menuWidget());
    }

    void topicLoadsItsSubTopicsOnce_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("byKeyboard");  // the arrow keys choose as a click and a move do
        const std::pair<const char *, QStringList> topics[] = {
            {"Sauna", {"Holzblock Saunen", "Infrarotkabinen", "Sauna Zubehör"}},
            {"Schwimmbad", {"Zubehör", "Abdeckungen", "Unterwasserreiniger", "Wassererwärmung", "Becken"}},
            {"Wasseraufbereitung", {"automatische Wasserdesinfektion", "Wasserpflegemittel"}},
            {"Reinigungszubehör", {"Reinigungszubehör"}},
            {"Reinigungsmittel", {"Reinigungsmittel"}},
        };
        for (const auto &[topic, rows] : topics) {
            QTest::addRow("%s", topic) << QString::fromUtf8(topic) << rows << false;
            QTest::addRow("%s by keyboard", topic) << QString::fromUtf8(topic) << rows << true;
        }
    }
    void topicLoadsItsSubTopicsOnce()
    {
        QFETCH(QString, topic);
        QFETCH(QStringList, rows);
        QFETCH(bool, byKeyboard);
        goTo(PageId::Tartikel);
        // What an earlier sub-topic showed goes when a topic loads.
        loadTopic("Schwimmbad");
        pick("Becken");
        QCOMPARE(visiblePictures().size(), 5);

        auto *list = articles<QListWidget>("themen");
        if (byKeyboard) {
            // From the row beside the topic, one arrow key.
            const int row = list->row(list->findItems(topic, Qt::MatchExactly).first());
            const bool fromAbove = row > 0;
            list->setFocus();
            list->setCurrentRow(fromAbove ? row - 1 : row + 1);
            QTest::keyClick(list, fromAbove ? Qt::Key_Down : Qt::Key_Up);
            settle();
        } else {
            clickTopic(topic);
            QCOMPARE(auswahl()->currentText(), topic);
            QCOMPARE(visiblePictures().size(), 5);  // a click alone loads nothing
            moveMouseOver(list->viewport());
        }
        QStringList loaded;
        for (int i = 0; i < auswahl()->count(); ++i)
            loaded << auswahl()->itemText(i);
        QCOMPARE(loaded, rows);
        QCOMPARE(auswahl()->currentText(), prompt);
        QCOMPARE(auswahl()->currentIndex(), rows.size() == 1 ? 0 : -1);
        QCOMPARE(visiblePictures(), QStringList());
        QCOMPARE(memo()->toPlainText(), QString());
        QCOMPARE(captions(), QStringList(5));

        // Further moves find the prompt, which is no topic: the list stays as it is.
        moveMouseOver(list->viewport(), {20, 20});
        QCOMPARE(auswahl()->count(), rows.size());
        QCOMPARE(auswahl()->currentText(), prompt);
    }

    void subTopicShowsItsTextPicturesAndCaptions_data()
    {
        QTest::addColumn<QString>("topic");  // empty: the key is typed
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("memoHeight");

        QTest::newRow("Abdeckungen")
            << "Schwimmbad" << "Abdeckungen"
            << (QStringList{"Neben den bereits in diesem Programm aufgeführten Schwimmbadabdeckungen haben wir noch "
                            "weitere im Programm."} + contact)
            << group("abdeck", 5)
            << QStringList{"", "", "Aufrollvorrichtungen für Abdeckungen", "", "Gewebeverstärkte Folie mit Ösen und Kordel"}
            << 97;
        QTest::newRow("Wasserpflegemittel")
            << "Wasseraufbereitung" << "Wasserpflegemittel"
            << (QStringList{"Wir bieten Ihnen Beratung und Verkauf zur Wasseraufbereitung an. "} + contact + onOffer
                + QStringList{"Leichtlösliches Chlorgranulat (Calciumhypochlorid)",
                              "Schwerlösliches Chlorgranulat (Trichlorisocyanursäure)",
                              "Multitabs (Schwerlösliches Chlor, Algizid, Flockung)",
                              "Combitabs (Schwerlösliches Chlor, Algizid)"}
                + sharedProducts)
            << QStringList() << QStringList(5) << 505;
        QTest::newRow("Reinigungsmittel")
            << "Reinigungsmittel" << "Reinigungsmittel"
            << (QStringList{"Wir bieten Ihnen Beratung und Verkauf für Reinigungsmittel an."} + contact + onOffer
                + QStringList{"Hydro Bio (Spezialreiniger für Kalk- sowie Eisen- und Manganablagerungen",
                              "Hydro 2000 Super (extra starker Kalklöser)",
                              "K90 (metalschonender Kalklöser auf biologischer Basis",
                              "Alpha Gelb (starker Fett- und Schmutzlöser"}
                + sharedProducts)
            << group("reinigung", 4) << QStringList(5) << 97;
        QTest::newRow("Unterwasserreiniger")
            << "Schwimmbad" << "Unterwasserreiniger"
            << (QStringList{"Neben den bereits in diesem Programm aufgeführten Unterwasserreinigern können wir Ihnen "
                            "noch weitere Modelle anbieten.",
                            "Die Unterwasserreiniger gibt sowohl für den Privaten als auch für den Gewerblichen "
                            "Bereich."}
                + contact)
            << group("urein", 5) << QStringList(5) << 97;
        QTest::newRow("Wassererwärmung")
            << "Schwimmbad" << "Wassererwärmung"
            << (QStringList{"Neben den bereits in diesem Programm aufgeführten Geräten zur Wassererwärmung haben wir "
                            "noch weitere Artikel dazu im Angebot."}
                + contact)
            << group("beckenerwarm", 5)
            << QStringList{"Solarkollektoren", "Elektroheizer", "Wärmetauscher für Hausheizungsanschluss",
                           "Mit einer Wärmepumpe verlängern Sie Ihre Badesaison ganz entscheidend.", ""}
            << 97;
        QTest::newRow("Reinigungszubehör")
            << "Reinigungszubehör" << "Reinigungszubehör"
            << (QStringList{"Professionelle und effektive Reinigung für den Privaten und Gewerblichen Einsatz.", "",
                            "Boden- Fenster- Wandwischer, Gummiabzieher, Bürsten, Teleskopstangen, uvm."}
                + contact)
            << group("reinzub", 5)
            << QStringList{"Fenster-, Wand- und Bodenwischer", "Wasserabzieher", "Breiter Eimer für Wischer",
                           "Vielzweckgreifer", "Teleskopstangen (ausziehbar)"}
            << 97;
        QTest::newRow("Zubehör")
            << "Schwimmbad" << "Zubehör"
            << (QStringList{"Wir bieten Ihnen eine große Auswahl an Schwimmbadzubehör.", "",
                            "Thermomter, Wasserspielzeug, Gegenstromanlagen, Umkleidekabinen uvm."}
                + contact)
            << group("beckenzub", 5)
            << QStringList{"Thermometer für Privaten und Gewerblichen gebrauch", "", "Wasserspielzeug für groß und klein",
                           "Gegenstromanlagen für den sportlichen Aspekt", "Diverse Kescher"}
            << 97;
        QTest::newRow("Becken")
            << "Schwimmbad" << "Becken"
            << (QStringList{"Neben den bereits in diesem Programm aufgeführten Stahlwand und Betonbecken haben wir "
                            "noch weitere im Programm."}
                + contact)
            << group("becken", 5)
            << QStringList{"Abkühlung ohne große Anstrengungen", "Stabile Planschbecken für mehr Spaß",
                           "Fertigschwimmbecken aus GFK", "Elegante Holzverkleidung",
                           "Individuelle Gestaltung durch Gebogene Styroporsteine"}
            << 97;
        QTest::newRow("automatische Wasserdesinfektion")
            << "Wasseraufbereitung" << "automatische Wasserdesinfektion"
            << (QStringList{"Wir bieten Ihnen auch Beratung und Verkauf für automatische Chlordosieranlage, "
                            "Salzwasserelktrolyse, UV-Anlagen oder kombinationen an."}
                + contact)
            << QStringList{"wasserpflegetechnik_1", "wasserpflegetechnik_2", "wasserpflegetechnik_4"}
            << QStringList{"Chlordosieranlagen", "Desinfektion durch Salzwasserelektrolyse", "",
                           "Hygienisches Wasser durch UV-Licht", ""}
            << 97;
        QTest::newRow("Holzblock Saunen")
            << "Sauna" << "Holzblock Saunen" << sauna << group("saun", 4)
            << QStringList{"", "Individuell Planbare Saunen", "Außen sowie Innen einsetzbar",
                           "Beratung und Planung durch geschultes Personal", ""}
            << 97;
        QTest::newRow("Sauna Zubehör")
            << "Sauna" << "Sauna Zubehör" << sauna << group("saunzub", 5)
            << QStringList{"Rund um die Sauna", "Saunadüfte", "Saunaöfen", "Entspannung durch Lichteinsatz", ""}
            << 97;
        QTest::newRow("Arbeitsschutz typed")
            << "" << "Arbeitsschutz"
            << QStringList{"In unserem Sortiment finden Sie neben Arbeitsbekleidung auch Persönliche "
                           "Schutzausrüstung."}
            << QStringList() << QStringList(5) << 97;
        QTest::newRow("Bootszubehör typed")
            << "" << "Bootszubehör"
            << QStringList{"Für die Bootsfahrer haben wir unter anderem Rettungsringe, Bootshaken und weitere Artikel "
                           "im Angebot."}
            << QStringList() << QStringList(5) << 97;
        QTest::newRow("Sauna typed") << "" << "Sauna" << sauna << QStringList() << QStringList(5) << 97;
        QTest::newRow("Schwimmbadabdeckungen typed")
            << "" << "Schwimmbadabdeckungen"
            << (QStringList{"Zusätzlich zu den im Programm bereits aufgeführten Schwimmbadabdeckungen gibt es noch "
                            "weitere,",
                            "über die Sie unser Fachpersonal informieren kann.", ""}
                + QStringList(8))
            << group("abdeck", 5) << QStringList(5) << 97;
        // Typed, a listed sub-topic shows the same as when picked.
        QTest::newRow("Becken typed") << "" << "Becken"
                                      << (QStringList{"Neben den bereits in diesem Programm aufgeführten Stahlwand und "
                                                      "Betonbecken haben wir noch weitere im Programm."}
                                          + contact)
                                      << group("becken", 5)
                                      << QStringList{"Abkühlung ohne große Anstrengungen",
                                                     "Stabile Planschbecken für mehr Spaß",
                                                     "Fertigschwimmbecken aus GFK", "Elegante Holzverkleidung",
                                                     "Individuelle Gestaltung durch Gebogene Styroporsteine"}
                                      << 97;
    }
    void subTopicShowsItsTextPicturesAndCaptions()
    {
        QFETCH(QString, topic);
        QFETCH(QString, key);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, pictures);
        QFETCH(QStringList, captions);
        QFETCH(int, memoHeight);
        goTo(PageId::Tartikel);
        // Something else first, so that every part has to change.
        loadTopic("Sauna");
        pick("Infrarotkabinen");
        QCOMPARE(memoLines().size(), 6);
        QCOMPARE(::captions(), (QStringList{"Einfach oder...", "...elegant.", "Entspannend individuell",
                                            "schnell und effizient.", ""}));

        if (topic.isEmpty()) {
            type(key);
        } else {
            loadTopic(topic);
            pick(key);
        }
        QCOMPARE(auswahl()->currentText(), key);
        QCOMPARE(memoLines(), lines);
        pictures.sort();
        QCOMPARE(visiblePictures(), pictures);
        QCOMPARE(::captions(), captions);
        QCOMPARE(memo()->height(), memoHeight);
        QCOMPARE(memo()->verticalScrollBar()->value(), 0);
        QCOMPARE(memo()->textCursor().position(), 0);
    }

    void infraredCabinsInSixLines()
    {
        goTo(PageId::Tartikel);
        loadTopic("Sauna");
        pick("Infrarotkabinen");
        const QStringList lines = memoLines();
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.first(), "Infrarotkabinen sind für jedes Lebensalter, selbst für Kinder und Senioren, geeignet. "
                                "Der Körper wird durch die Infrarotstrahlen direkt aufgewärmt.");
        QCOMPARE(lines.last(), "die wegen Krampfadern nicht in die Sauna dürfen.");
        QCOMPARE(visiblePictures(), group("infra", 4));
    }

    void everyKeystrokeEmptiesTheCaptions()
    {
        goTo(PageId::Tartikel);
        loadTopic("Schwimmbad");
        pick("Becken");
        const QStringList text = memoLines();
        QCOMPARE(captions().first(), "Abkühlung ohne große Anstrengungen");

        // A text that is no key leaves the pictures and the text, but not the captions.
        QLineEdit *edit = auswahl()->lineEdit();
        edit->setFocus();
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_X);
        QCOMPARE(auswahl()->currentText(), "Beckenx");
        QCOMPARE(captions(), QStringList(5));
        QCOMPARE(memoLines(), text);
        QCOMPARE(visiblePictures(), group("becken", 5));

        // Taking the key back shows the whole sub-topic again.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(captions().last(), "Individuelle Gestaltung durch Gebogene Styroporsteine");

        // The long product list covers the pictures until the next keystroke.
        loadTopic("Wasseraufbereitung");
        pick("Wasserpflegemittel");
        QCOMPARE(memo()->height(), 505);
        QCOMPARE(memo()->geometry().bottom(), 48 + 505 - 1);
        edit->setFocus();
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Space);
        QCOMPARE(memo()->height(), 97);
        QCOMPARE(memoLines().first(), "Wir bieten Ihnen Beratung und Verkauf zur Wasseraufbereitung an. ");
    }

    void longListThenAnotherSubTopicRestoresTheHeight()
    {
        goTo(PageId::Tartikel);
        loadTopic("Wasseraufbereitung");
        pick("Wasserpflegemittel");
        QCOMPARE(memo()->height(), 505);
        pick("automatische Wasserdesinfektion");
        QCOMPARE(memo()->height(), 97);
        QCOMPARE(memo()->width(), 722);
    }

    void repickingTheSameSubTopicShowsItAgain()
    {
        goTo(PageId::Tartikel);
        loadTopic("Reinigungsmittel");
        QCOMPARE(auswahl()->currentText(), prompt);
        pick("Reinigungsmittel");  // the row that is already current
        QCOMPARE(visiblePictures(), group("reinigung", 4));
        QCOMPARE(memoLines().first(), "Wir bieten Ihnen Beratung und Verkauf für Reinigungsmittel an.");
    }

    void typedTopicLoadsOnTheNextMoveOverTheList()
    {
        goTo(PageId::Tartikel);
        type("Sauna");  // a key: the sauna lines
        QCOMPARE(memoLines(), sauna);
        QCOMPARE(auswahl()->count(), 0);
        moveMouseOver(articles<QListWidget>("themen")->viewport());  // and a topic
        QCOMPARE(auswahl()->count(), 3);
        QCOMPARE(auswahl()->currentText(), prompt);
        QCOMPARE(memo()->toPlainText(), QString());
    }

    void clickBesideTheRowsWithNoTopicChosen()
    {
        goTo(PageId::Tartikel);
        auto *list = articles<QListWidget>("themen");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, list->viewport()->height() - 3));
        QCOMPARE(auswahl()->currentText(), prompt);
        moveMouseOver(list->viewport());
        QCOMPARE(auswahl()->count(), 0);
    }

    void backToTheStartResetsTheStore()
    {
        goTo(PageId::Tartikel);
        daten.summe1 = QStringLiteral("1234,00");
        clickOn(articles<QAbstractButton>("SpeedButton1"));
        QVERIFY(becomesActive(page(PageId::Tbg)));
        QVERIFY(!isShowing(PageId::Tartikel));
        QCOMPARE(daten.summe1, QStringLiteral("0"));
    }

    void previousPageIsAlwaysTheOptionsPage()
    {
        goTo(PageId::Tendpr);
        goTo(PageId::Tartikel);
        clickOn(articles<QAbstractButton>("SpeedButton2"));
        QVERIFY(becomesActive(page(PageId::Tsave)));
        QVERIFY(!isShowing(PageId::Tartikel));
        QVERIFY(isShowing(PageId::Tendpr));
    }

    void hiddenBoxesOpenTheInformationPages()
    {
        goTo(PageId::Tartikel);
        auto *ms = articles<QCheckBox>("ms"), *mz = articles<QCheckBox>("mz"), *mez = articles<QCheckBox>("mez");
        setChecked(ms, true);
        QVERIFY(becomesActive(page(PageId::Tmss)));
        setChecked(mz, true);
        QVERIFY(becomesActive(page(PageId::Tmzs)));
        QVERIFY(!ms->isChecked());
        setChecked(mez, true);
        QVERIFY(becomesActive(page(PageId::Tmezs)));
        QVERIFY(!ms->isChecked() && !mz->isChecked() && mez->isChecked());

        for (PageId id : {PageId::Tmss, PageId::Tmzs, PageId::Tmezs})
            closePage(id);
        setChecked(mez, false);  // unchecked, a box opens nothing
        settle();
        QVERIFY(!isShowing(PageId::Tmss) && !isShowing(PageId::Tmzs) && !isShowing(PageId::Tmezs));
        QVERIFY(ms->isHidden() && mz->isHidden() && mez->isHidden());
    }

    // ---- the information pages

    void poolPicturesZoom_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QRect>("enlarged");  // top -1: the picture keeps its top
        QTest::addColumn<QRect>("restored");
        QTest::newRow("as1") << "as1" << QRect(216, -1, 383, 353) << QRect(56, -1, 137, 121);
        QTest::newRow("as2") << "as2" << QRect(192, -1, 449, 129) << QRect(248, -1, 169, 57);
        QTest::newRow("as3") << "as3" << QRect(144, -1, 569, 201) << QRect(464, -1, 257, 81);
        QTest::newRow("as4") << "as4" << QRect(128, 192, 441, 257) << QRect(128, 336, 265, 113);
        QTest::newRow("as5") << "as5" << QRect(136, 168, 601, 185) << QRect(464, 336, 289, 113);
    }
    void poolPicturesZoom()
    {
        QFETCH(QString, picture);
        QFETCH(QRect, enlarged);
        QFETCH(QRect, restored);
        goTo(PageId::Tmss);
        QWidget *shown = control(PageId::Tmss, qPrintable(picture));
        const int top = shown->y();
        if (enlarged.y() < 0)
            enlarged.moveTop(top);
        if (restored.y() < 0)
            restored.moveTop(top);
        QCOMPARE(shown->geometry(), restored);  // the page starts as a restore leaves it
        QStringList others = {"as1", "as2", "as3", "as4", "as5"};
        others.removeOne(picture);
        QCOMPARE(others.size(), 4);

        clickOn(shown);
        QCOMPARE(shown->geometry(), enlarged);
        for (const char *note : {"inf1", "inf2", "inf3", "inf4", "inf5", "Button1"})
            QVERIFY2(control(PageId::Tmss, note)->isHidden(), note);
        for (const QString &other : others)
            QVERIFY(control(PageId::Tmss, qPrintable(other))->isHidden());
        QVERIFY(!shown->isHidden());

        // The double-click brings its own click first: enlarged and at once restored.
        doubleClickOn(shown);
        QCOMPARE(shown->geometry(), restored);
        for (const char *note : {"inf1", "inf2", "inf3", "inf4", "inf5", "Button1"})
            QVERIFY2(!control(PageId::Tmss, note)->isHidden(), note);
        for (const QString &other : others)
            QVERIFY(!control(PageId::Tmss, qPrintable(other))->isHidden());
    }

    void poolNotesTellHowTheWallIsBuilt()
    {
        const struct { const char *memo, *first; } notes[] = {
            {"inf1", "Ein weiteres "}, {"inf2", "...solchen Styroporsteinen..."}, {"inf3", "...die wie "},
            {"inf4", "Ihre fertig zusammengesteckte "}, {"inf5", "Beckenrandsteine dienen der Gestaltung "}};
        for (const auto &n : notes) {
            auto *memo = control<QPlainTextEdit>(PageId::Tmss, n.memo);
            QCOMPARE(memo->toPlainText().split(u'\n').first(), QString::fromUtf8(n.first));
            QVERIFY(memo->isReadOnly());
            QVERIFY(memo->toPlainText().split(u'\n').size() >= 3);
        }
    }

    void widePageOpensWithinTheScreen()
    {
        goTo(PageId::Tmss);
        Page *tmss = page(PageId::Tmss);
        QCOMPARE(tmss->client()->size(), QSize(1366, 712));
        const QRect area = tmss->screen()->availableGeometry();
        if (area.width() >= 1366 + 20 && area.height() >= 712 + 72)
            QSKIP("the screen holds the whole page");
        QVERIFY(area.contains(tmss->geometry()));
        QVERIFY(qAbs(tmss->geometry().center().x() - area.center().x()) <= 1);
        // The rest of the page is reached by scrolling; the Quit button among it.
        auto *scroller = tmss->findChild<QScrollArea *>("scroller");
        QVERIFY(scroller);
        QWidget *quit = control(PageId::Tmss, "Button1");
        scroller->ensureWidgetVisible(quit);
        const QRect seen(scroller->viewport()->mapToGlobal(QPoint(0, 0)), scroller->viewport()->size());
        QVERIFY(seen.contains(QRect(quit->mapToGlobal(QPoint(0, 0)), quit->size())));
        clickOn(quit);
        QVERIFY(!isShowing(PageId::Tmss));
    }

    void accessoryPicturesZoom_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QRect>("enlarged");
        QTest::addColumn<QRect>("restored");
        QTest::addColumn<QString>("title");
        QTest::newRow("ms1") << "ms1" << QRect(240, 128, 369, 337) << QRect(232, 192, 105, 105)
                             << "Einhänge Gegenstromanlage";
        QTest::newRow("ms2") << "ms2" << QRect(280, 192, 313, 305) << QRect(360, 192, 105, 105)
                             << "Unterwasserscheinwerfer 300 W";
        QTest::newRow("ms3") << "ms3" << QRect(352, 112, 105, 329) << QRect(424, 312, 49, 129)
                             << "Einhänge Unterwasserscheinwerfer auswechselbare Farbscheiben (Rot, Blau; Weiß; Gelb)";
        QTest::newRow("ms4") << "ms4" << QRect(280, 192, 313, 305) << QRect(488, 192, 105, 105) << "Luftentfeuchter";
        QTest::newRow("ms5") << "ms5" << QRect(352, 136, 129, 305) << QRect(352, 312, 57, 129) << "Thermometer";
    }
    void accessoryPicturesZoom()
    {
        QFETCH(QString, picture);
        QFETCH(QRect, enlarged);
        QFETCH(QRect, restored);
        QFETCH(QString, title);
        goTo(PageId::Tmzs);
        QWidget *shown = control(PageId::Tmzs, qPrintable(picture));
        auto *inf = control<QLineEdit>(PageId::Tmzs, "inf");
        const bool discs = picture == "ms3";
        const char *discParts[] = {"sbb", "bsa", "sbb2", "wsa"};
        QVERIFY(inf->isHidden());

        clickOn(shown);
        QCOMPARE(shown->geometry(), enlarged);
        QVERIFY(!inf->isHidden());
        QCOMPARE(inf->text(), title);
        QVERIFY(control(PageId::Tmzs, "Button1")->isHidden());
        for (const char *other : {"ms1", "ms2", "ms3", "ms4", "ms5"})
            QCOMPARE(control(PageId::Tmzs, other)->isHidden(), picture != QLatin1String(other));
        for (const char *part : discParts)
            QCOMPARE(control(PageId::Tmzs, part)->isHidden(), !discs);

        doubleClickOn(shown);
        QCOMPARE(shown->geometry(), restored);
        QVERIFY(inf->isHidden());
        QVERIFY(!control(PageId::Tmzs, "Button1")->isHidden());
        for (const char *other : {"ms1", "ms2", "ms3", "ms4", "ms5"})
            QVERIFY(!control(PageId::Tmzs, other)->isHidden());
        for (const char *part : discParts)
            QVERIFY(control(PageId::Tmzs, part)->isHidden());
    }

    void lightStartsTallerThanItsRestoredPlace()
    {
        goTo(PageId::Tmzs);
        QWidget *light = control(PageId::Tmzs, "ms2");
        QCOMPARE(light->geometry(), QRect(360, 176, 105, 121));
        doubleClickOn(light);
        QCOMPARE(light->geometry(), QRect(360, 192, 105, 105));
    }

    void doubleClickOnAColourDiscRestoresTheLight_data()
    {
        QTest::addColumn<QString>("disc");
        QTest::newRow("blue") << "sbb";
        QTest::newRow("white") << "sbb2";
    }
    void doubleClickOnAColourDiscRestoresTheLight()
    {
        QFETCH(QString, disc);
        goTo(PageId::Tmzs);
        QWidget *light = control(PageId::Tmzs, "ms3");
        clickOn(light);
        QCOMPARE(control<QLabel>(PageId::Tmzs, "bsa")->text(), "Blauer Scheibenaufsatz");
        QCOMPARE(control<QLabel>(PageId::Tmzs, "wsa")->text(), "Weißer Scheibenaufsatz");
        QWidget *shown = control(PageId::Tmzs, qPrintable(disc));
        clickOn(shown);  // a click on a disc does nothing
        QCOMPARE(light->geometry(), QRect(352, 112, 105, 329));
        doubleClickOn(shown);
        QCOMPARE(light->geometry(), QRect(424, 312, 49, 129));
        for (const char *part : {"sbb", "bsa", "sbb2", "wsa", "inf"})
            QVERIFY2(control(PageId::Tmzs, part)->isHidden(), part);
        QVERIFY(!control(PageId::Tmzs, "Button1")->isHidden());
        QVERIFY(!control(PageId::Tmzs, "ms1")->isHidden());
    }

    void informationPagesCloseThemselves()
    {
        goTo(PageId::Tmzs);
        clickOn(control<QAbstractButton>(PageId::Tmzs, "Button1"));
        QVERIFY(!isShowing(PageId::Tmzs));

        goTo(PageId::Tmezs);
        QMenuBar *bar = page(PageId::Tmezs)->menuBar();
        const QList<QAction *> entries = bar->actions();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first()->text(), "Zurück");
        entries.first()->trigger();
        QVERIFY(!isShowing(PageId::Tmezs));

        // The notebook keeps the page the user looked at.
        goTo(PageId::Tmezs);
        auto *tabs = control<QTabWidget>(PageId::Tmezs, "TabbedNotebook1");
        QCOMPARE(tabs->count(), 3);
        QCOMPARE((QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
                 (QStringList{"Abdeckungen", "Beleuchtung", "Beleuchtung"}));
        tabs->setCurrentIndex(2);
        entries.first()->trigger();
        goTo(PageId::Tmezs);
        QCOMPARE(tabs->currentIndex(), 2);
    }

    void accessoryTabsHoldColoursAndTexts()
    {
        QStringList colours;
        for (const char *panel : {"Panel1", "Panel2", "Panel3", "Panel4"})
            colours << control<QLabel>(PageId::Tmezs, panel)->text();
        QCOMPARE(colours, (QStringList{"Blau", "Grün", "Rot", "Weiß"}));
        const QList<QPlainTextEdit *> memos = page(PageId::Tmezs)->findChildren<QPlainTextEdit *>();
        QCOMPARE(memos.size(), 6);
        for (QPlainTextEdit *memo : memos)
            QVERIFY(memo->isReadOnly());
        const QString covers = control<QPlainTextEdit>(PageId::Tmezs, "Memo2")->toPlainText()
            + control<QPlainTextEdit>(PageId::Tmezs, "Memo3")->toPlainText();
        QVERIFY(covers.contains("Safe Top") && covers.contains("EcoDeck"));
        QCOMPARE(control<QPlainTextEdit>(PageId::Tmezs, "Memo6")->toPlainText(),
                 "Untenabgebildete Halogenscheinwerfer müssen festeingebaut werden.");
    }
};

NIXARO_TEST_MAIN(SidePagesTest)
#include "tst_sidepages.moc"
