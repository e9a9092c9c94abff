// The options page: summary blocks, deleting and clearing lines, the quote file.
#include "testsupport.h"

#include "app/daten.h"
#include "pages/quote/quotefile.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

using namespace app;
using namespace testing;

namespace {

// The user at the file dialogs as well: an empty answer cancels.
class QuoteUser : public FakeDialogs
{
public:
    QString saveFileName(QWidget *, const FileDialogSetup &setup) override { return asked(setup, fileToSave); }
    QString openFileName(QWidget *, const FileDialogSetup &setup) override { return asked(setup, fileToOpen); }
    QString asked(const FileDialogSetup &setup, const QString &answer)
    {
        fileDialogs << setup.name + ' ' + setup.defaultSuffix + ' ' + setup.nameFilters.join(";;");
        return answer;
    }
    QString fileToSave, fileToOpen;
    QStringList fileDialogs;
};

// The user at the program's own file dialogs, in the folder and under the filter given:
// types the name into the focused name field and presses Enter or clicks "Öffnen", or
// picks the file in the list and presses Enter; reads a "not found" answer and cancels.
class TypingUser : public FakeDialogs
{
public:
    QString saveFileName(QWidget *parent, const FileDialogSetup &setup) override
    {
        typeName();
        return Dialogs::saveFileName(parent, setup);
    }
    QString openFileName(QWidget *parent, const FileDialogSetup &setup) override
    {
        typeName();
        return Dialogs::openFileName(parent, setup);
    }
    // The first thing the shown dialog's own event loop does.
    void typeName()
    {
        QTimer::singleShot(0, [this] {
            QPointer<QFileDialog> dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto close = qScopeGuard([dialog] {  // a failed check leaves no dialog open
                if (dialog && dialog->isVisible() && QTest::currentTestFailed())
                    dialog->reject();
            });
            dialog->setDirectory(folder);
            dialog->selectNameFilter(filter);
            QTRY_COMPARE(QApplication::activeWindow(), dialog.data());
            QWidget *target = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(target->hasFocus());
            if (how == "list") {
                auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
                auto pick = [&] {  // again while the listing is still sorted and a click misses
                    const QModelIndexList rows =
                        view->model()->match(view->model()->index(0, 0, view->rootIndex()), Qt::DisplayRole, typed);
                    if (!rows.isEmpty())
                        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(rows[0]).center());
                    return view->currentIndex().data().toString() == typed;
                };
                QTRY_VERIFY(pick());
                target = view;
            } else {
                QTest::keyClicks(target, typed);
            }
            answerNotFound(dialog);
            if (how == "button") {
                QPushButton *open = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open);
                QVERIFY(open->isEnabled());
                return clickOn(open);
            }
            QTest::keyClick(target, Qt::Key_Return);
        });
    }
    // The first thing the "not found" box's own event loop does, if one comes.
    void answerNotFound(QPointer<QFileDialog> dialog)
    {
        QTimer::singleShot(0, [this, dialog] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            notFound << box->text();
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(dialog->isVisible());  // for another name
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
    }
    QString folder, filter, how, typed;
    QStringList notFound;
};

QListWidget *list() { return control<QListWidget>(PageId::Tsave, "ur"); }

QStringList listLines()
{
    QStringList lines;
    for (int i = 0; i < list()->count(); ++i)
        lines << list()->item(i)->text();
    return lines;
}

void setList(const QStringList &lines)
{
    list()->clear();
    list()->addItems(lines);
}

// A button's or a menu entry's handler, by name.
void use(const QString &name)
{
    if (name.startsWith("Button"))
        clickOn(control<QAbstractButton>(PageId::Tsave, qPrintable(name)));
    else
        page(PageId::Tsave)->findChild<QAction *>(name)->trigger();
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

} // namespace

class OptionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        startProgram();
        goTo(PageId::Tsave);
    }
    void cleanupTestCase() { destroyPages(); }
    void init() { list()->clear(); }

    // Runs first: the store as the start left it. Then a short walk: a round pool
    // chosen and the options page reached through the menu.
    void summaryOnAFreshStartAndAfterAShortWalk()
    {
        QCOMPARE(control<QLineEdit>(PageId::Tsave, "beck_end")->text(), QStringLiteral("0,00"));
        QStringList block = {
            " ", QString(26, ' ') + "0", " ", "Beckenhöhe: 0 m", "Volumen: 0m³", "Beckenrandsteine: 0 €",
            "",  // no construction price
            "Gesamtbeckenpreis: 0", "Folienstärke: 0", "Beckengröße: 0", "", "Schwimmbadabdeckungen:",
            "Safetop 0", "Schwimmbadabdeckung Lupo 0", "0", "Leitertyp: 0", "0",
            "",  // the electrolysis slots are still empty; no heating line follows
            "0", "0", "Unterwasserbeleutung: 0", "0", "0", "0:  0 €", "0", "Schwimmbeckengesamtpreis: 0"};
        use("Button3");
        QCOMPARE(listLines(), block);

        goTo(PageId::Tbg);
        clickOn(control(PageId::Tbg, "Label1"));  // "Rundformbecken"
        QVERIFY(becomesActive(page(PageId::Trd)));
        page(PageId::Trd)->findChild<QAction *>("Optionen101")->trigger();
        QVERIFY(becomesActive(page(PageId::Tsave)));
        use("Button3");  // the second configuration collects below the first
        const QStringList first = block;
        block[1] = QString(26, ' ') + "Rundbecken";
        QCOMPARE(listLines(), first + block);
        closePage(PageId::Trd);
    }

    // Lines 7, 18 and 19 compare slots with "0,00" byte by byte, never as numbers.
    void summaryLinesThatDependOnSlots_data()
    {
        QTest::addColumn<QString>("price");  // aufbaupreis, wasseraufbereitungspreis and waermepumpenpreis
        QTest::addColumn<QStringList>("lines");  // lines 7, 18 and 19 (the nozzle line when no heating line)
        QTest::newRow("10,00") << "10,00" << QStringList{"Betonfreier Beckenaufbau: 10,00 €", "Salzelektrolyse 10,00",
                                                          "Wassererwärmung: 1450,00 inkl. Wärmepumpe"};
        QTest::newRow("0,00") << "0,00" << QStringList{"", "Keine Elektrolyseanlage ausgewählt",
                                                        "Wassererwärmung: 1450,00 ohne Wärmepumpe"};
        QTest::newRow("reset 0") << "0" << QStringList{"", "Salzelektrolyse 0", "Keine zusätzliche Einlaufdüse ausgewählt !!!"};
        QTest::newRow("never written") << "" << QStringList{"", "Salzelektrolyse ", "Keine zusätzliche Einlaufdüse ausgewählt !!!"};
    }
    void summaryLinesThatDependOnSlots()
    {
        QFETCH(QString, price);
        QFETCH(QStringList, lines);
        daten.aufbaupreis = daten.wasseraufbereitungspreis = daten.waermepumpenpreis = price;
        daten.elektrolyse = "Salzelektrolyse ";
        daten.heizungspreis = "1450,00";
        daten.duesenzeile = "Keine zusätzliche Einlaufdüse ausgewählt !!!";
        use("Button3");
        QCOMPARE(list()->count(), lines[2].startsWith("Wasser") ? 27 : 26);
        QCOMPARE((QStringList{listLines()[6], listLines()[17], listLines()[18]}), lines);
    }

    void hiddenSummaryVariant()
    {
        daten.handlauf = "Standardhandlauf";
        daten.heizungspreis = "1450,00";
        daten.waermepumpenpreis = "0,00";
        use("Daten1");
        QCOMPARE(list()->count(), 23);
        QCOMPARE(list()->item(6)->text(), QStringLiteral("Handlauf: (Falls für Beckentyp verfügbar) Standardhandlauf €"));
        QCOMPARE(list()->item(17)->text(), QStringLiteral("Geräte zur Wassererwärmung: 1450,00 €"));

        // The hidden entries carry the buttons' accelerators; the keys still reach the buttons.
        list()->clear();
        const std::tuple<Qt::Key, const char *, int> keys[] = {{Qt::Key_A, "Button3", 27}, {Qt::Key_E, "Button4", 26}};
        for (auto [key, button, lines] : keys) {
            list()->setCurrentRow(0);
            QSignalSpy clicked(control<QAbstractButton>(PageId::Tsave, button), &QAbstractButton::clicked);
            QTest::keyClick(page(PageId::Tsave), key, Qt::AltModifier);
            QVERIFY(clicked.wait());  // an accelerator clicks after a moment
            QCOMPARE(list()->count(), lines);
        }
    }

    // The help of the list buttons shows over any of the three and goes over the page.
    void buttonHelpFollowsTheMouse_data()
    {
        QTest::addColumn<QString>("button");
        for (const char *b : {"Button3", "Button4", "Button5"})
            QTest::newRow(b) << b;
    }
    void buttonHelpFollowsTheMouse()
    {
        QFETCH(QString, button);
        QWidget *help = control(PageId::Tsave, "Memo1");
        QVERIFY(!help->isVisible());
        moveMouseOver(control(PageId::Tsave, qPrintable(button)));
        QVERIFY(help->isVisible());
        moveMouseOver(control(PageId::Tsave, "ur"));  // over the list it stays
        QVERIFY(help->isVisible());
        moveOverBackground(PageId::Tsave);
        QVERIFY(!help->isVisible());
        QCOMPARE(list()->count(), 0);  // moving the mouse changes no line
    }

    void pictureLeadsToTheFurtherArticles()
    {
        clickOn(control(PageId::Tsave, "Image1"));
        QVERIFY(becomesActive(page(PageId::Tartikel)));
        closePage(PageId::Tartikel);
        goTo(PageId::Tsave);
    }

    void deleteTheSelectedLine_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("button") << "Button4" << 1 << QStringList{"a", "c"};
        QTest::newRow("button, no selection") << "Button4" << -1 << QStringList{"a", "b", "c"};
        QTest::newRow("hidden entry") << "Entfernen1" << 2 << QStringList{"a", "b"};
    }
    void deleteTheSelectedLine()
    {
        QFETCH(QString, entry);
        QFETCH(int, selected);
        QFETCH(QStringList, after);
        setList({"a", "b", "c"});
        list()->setCurrentRow(selected);
        use(entry);
        QCOMPARE(listLines(), after);
        use(entry);  // the neighbour does not become selected in the deleted line's place
        QCOMPARE(listLines(), after);
    }

    void clearAsksFirst()
    {
        QuoteUser user;
        setList({"a", "b"});
        use("Button5");
        QCOMPARE(listLines(), (QStringList{"a", "b"}));
        user.answerYes = true;
        use("Neu1");
        QCOMPARE(listLines(), QStringList());
        QCOMPARE(user.confirmations, QStringList(2, "Sollen wirklich alle Daten gelöscht werden? "
                                                    "Nicht gespeicherte Daten gehen verloren !"));
    }

    void saveAndReopen_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("summary lines")
            << QStringList{" ", "  Rundbecken", "", "Volumen: 13,6m³", "Beckengröße: 4,0 m", "Set:  89,00 €", "   "}
            << QByteArray(" \r\n  Rundbecken\r\n\r\nVolumen: 13,6m\xb3\r\nBeckengr\xf6\xdf" "e: 4,0 m\r\n"
                          "Set:  89,00 \x80\r\n   \r\n");
        QTest::newRow("empty list") << QStringList() << QByteArray();
    }
    void saveAndReopen()
    {
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QuoteUser user;
        user.fileToSave = user.fileToOpen = dir.filePath("angebot.nxr");
        writeBytes(user.fileToSave, "older quote\r\n");
        setList(lines);
        use("Speichern1");
        QCOMPARE(fileBytes(user.fileToSave), bytes);
        setList({"something else"});
        use("ffnen1");
        QCOMPARE(listLines(), lines);
        QCOMPARE(user.messages + user.errors, QStringList());
        QCOMPARE(user.fileDialogs, (QStringList{"SaveDialog1 nxr Nixarodocumente (*.nxr);;Alle Dateien (*)",
                                                "OpenDialog1 nxr Nixarodocumente (*.nxr);;Alle Dateien (*)"}));
    }

    // Open opens the name typed when that file exists, and adds ".nxr" only when it does
    // not, typed into the focused field or picked in the list; saving adds it to a name
    // typed without an extension.
    void typedNamesInTheFileDialogs_data()
    {
        QTest::addColumn<QStringList>("files");  // in the folder before
        QTest::addColumn<QString>("how");  // "Enter", "button" ("Öffnen"), "list"; a second word: the .nxr filter
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opened");  // empty: saved; "-": not found, nothing opened
        const QStringList both = {"angebot", "angebot.nxr"}, suffixed = {"angebot.nxr"};
        QTest::newRow("name without extension") << both << "Enter" << "angebot" << "angebot";
        QTest::newRow("name that needs .nxr") << suffixed << "Enter" << "angebot" << "angebot.nxr";
        QTest::newRow("needs .nxr, .nxr filter") << suffixed << "Enter nxr" << "angebot" << "angebot.nxr";
        QTest::newRow("needs .nxr, Öffnen") << suffixed << "button nxr" << "angebot" << "angebot.nxr";
        QTest::newRow("name with .nxr") << both << "Enter" << "angebot.nxr" << "angebot.nxr";
        QTest::newRow("other extension") << QStringList{"angebot.txt", "angebot.txt.nxr"} << "Enter" << "angebot.txt"
                                         << "angebot.txt";
        QTest::newRow("picked in the list") << both << "list" << "angebot" << "angebot";
        QTest::newRow("no such file") << QStringList{"angebot.txt"} << "Enter" << "angebot" << "-";
        QTest::newRow("saving adds .nxr") << QStringList{"angebot"} << "Enter" << "angebot" << "";
    }
    void typedNamesInTheFileDialogs()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, how);
        QFETCH(QString, typed);
        QFETCH(QString, opened);
        QTemporaryDir dir;
        for (const QString &file : files)
            writeBytes(dir.filePath(file), file.toLatin1() + "\r\n");
        TypingUser user;
        user.folder = dir.path();
        user.how = how.section(' ', 0, 0);
        user.filter = how.endsWith("nxr") ? "Nixarodocumente (*.nxr)" : "Alle Dateien (*)";
        user.typed = typed;
        setList({"Zeile"});
        use(opened.isEmpty() ? "Speichern1" : "ffnen1");
        QCOMPARE(user.messages + user.errors, QStringList());
        QCOMPARE(user.notFound.size(), opened == "-" ? 1 : 0);
        if (opened.isEmpty()) {
            QCOMPARE(fileBytes(dir.filePath(typed + ".nxr")), QByteArray("Zeile\r\n"));
            QCOMPARE(fileBytes(dir.filePath(typed)), typed.toLatin1() + "\r\n");
        } else if (opened == "-") {
            QVERIFY2(user.notFound[0].contains("Die Datei konnte nicht gefunden werden."), qPrintable(user.notFound[0]));
            QCOMPARE(listLines(), QStringList{"Zeile"});
        } else {
            QCOMPARE(listLines(), QStringList{opened});
        }
    }

    void cancelledDialogs()
    {
        QuoteUser user;
        setList({"a"});
        use("Speichern1");
        use("ffnen1");
        QCOMPARE(user.messages, QStringList{"Konnte nicht gespeichert werden!!!"});
        QCOMPARE(listLines(), QStringList{"a"});
    }

    void openReplacesOnlyTheList()
    {
        QTemporaryDir dir;
        QuoteUser user;
        user.fileToOpen = dir.filePath("fremd.txt");
        writeBytes(user.fileToOpen, "erste\nzweite\n");  // another editor's line ends
        daten.beckenform = "Rundbecken";
        daten.gesamtpreis = "7450,5";
        auto *total = control<QLineEdit>(PageId::Tsave, "beck_end");
        total->setText("7450,50");
        setList({"a", "b", "c"});
        use("ffnen1");
        QCOMPARE(listLines(), (QStringList{"erste", "zweite"}));
        QCOMPARE(total->text(), QStringLiteral("7450,50"));
        QCOMPARE(daten.gesamtpreis, QStringLiteral("7450,5"));
        QCOMPARE(daten.beckenform, QStringLiteral("Rundbecken"));
        use("Button3");  // the current configuration goes below the loaded lines
        QCOMPARE(list()->count(), 2 + 27);
        QCOMPARE(list()->item(3)->text(), QString(26, ' ') + "Rundbecken");
    }

    void readingAcceptsAnyLineEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        const QStringList ab = {"a", "b"};
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << ab;
        QTest::newRow("LF") << QByteArray("a\nb\n") << ab;
        QTest::newRow("CR") << QByteArray("a\rb\r") << ab;
        QTest::newRow("no last line end") << QByteArray("a\r\nb") << ab;
        QTest::newRow("NUL ends the text") << QByteArray("a\r\nb\0c\r\n", 8) << ab;
        QTest::newRow("empty and blank lines") << QByteArray("\r\n  \n\r\rx") << QStringList{"", "  ", "", "", "x"};
        QTest::newRow("CR before CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList();
    }
    void readingAcceptsAnyLineEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(quote::decodeQuote(bytes), lines);
    }

    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("vanished folder") << "weg/angebot.nxr";
        QTest::newRow("disk full") << "angebot.nxr";
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QuoteUser user;
        user.fileToSave = dir.filePath(name);
        writeBytes(dir.filePath("angebot.nxr"), "old quote\r\n");
        const QStringList lines(100, QString(40, 'x'));
        setList(lines);

        {
            FullDisk disk(1000);
            use("Speichern1");
        }

        QCOMPARE(user.errors.size(), 1);
        QVERIFY2(user.errors[0].startsWith("Cannot create file " + user.fileToSave), qPrintable(user.errors[0]));
        QCOMPARE(fileBytes(dir.filePath("angebot.nxr")), QByteArray("old quote\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"angebot.nxr"});  // no leftovers
        QCOMPARE(listLines(), lines);
    }

    void charactersOutsideTheCodePage()
    {
        QTemporaryDir dir;
        QuoteUser user;
        user.fileToSave = dir.filePath("angebot.nxr");
        setList({"Preis \u2192 12,50 €", "Ω"});
        use("Speichern1");
        QCOMPARE(fileBytes(user.fileToSave), QByteArray("Preis ? 12,50 \x80\r\n?\r\n"));
        QCOMPARE(user.messages.size(), 1);
        QVERIFY(user.messages[0].contains("\"?\""));
    }
};

NIXARO_TEST_MAIN(OptionsTest)
#include "tst_options.moc"
