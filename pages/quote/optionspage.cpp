#include "optionspage.h"

#include "quotefile.h"
#include "quoteprinter.h"
#include "quotesummary.h"

#include "app/daten.h"
#include "app/dealer.h"
#include "app/dialogs.h"
#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/menus.h"
#include "app/navigation.h"

#include <QDir>
#include <QMenuBar>
#include <QPrinter>
#include <QStandardPaths>

using namespace app;

namespace {

// The help of the three list buttons; the continuation lines are indented with blanks
// to stand under the text of their first line.
const QStringList helpLines = {
    QStringLiteral("Daten Anzeigen:                 Ihre ausgewählten Schwimmbaddaten werden"),
    QString(41, u' ') + QStringLiteral("in dem unteren Fenster zusammengefaßt."),
    QString(),
    QStringLiteral("Alle Daten entfernen:           Alle Zeilen werden aus dem unteren"),
    QString(41, u' ') + QStringLiteral("Fenster gelöscht."),
    QString(),
    QStringLiteral("Entfernen:                           Markierte Zeilen in dem unteren "),
    QString(42, u' ') + QStringLiteral("Fenster werden gelöscht."),
    QString(42, u' ') + QStringLiteral("Sollte keine Zeile Markiert sein, "),
    QString(42, u' ') + QStringLiteral("wird jeweils die erste Zeile von "),
    QString(42, u' ') + QStringLiteral("oben entfernt."),
};

FileDialogSetup quoteFileDialog(const char *name, const QString &title)
{
    return {QString::fromLatin1(name), title,
            {QStringLiteral("Nixarodocumente (*.nxr)"), QStringLiteral("Alle Dateien (*)")},
            QStringLiteral("nxr"), {}};
}

// Entries of the main menu that the user never sees. They belong to the menu bar but
// stay off its list of entries: Qt would claim their accelerators there even while
// hidden, and take Alt+A, Alt+E and Alt+F away from the buttons that carry them too.
QAction *addHiddenEntry(QMenuBar *bar, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, bar);
    action->setObjectName(QString::fromLatin1(name));
    action->setVisible(false);
    return action;
}

} // namespace

Tsave::Tsave() : Page(QStringLiteral("Optionen"), {792, 514})
{
    ui.setupUi(client());
    ui.Memo1->setPlainText(helpLines.join(u'\n'));
    makePriceField(ui.beck_end);

    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *file = addMenu(bar, "Datei1", QStringLiteral("&Datei"));
    onTriggered(addMenuEntry(file, "Drucken1", QStringLiteral("D&rucken")), [this] { Drucken1Click(); });
    onTriggered(addMenuEntry(file, "ffnen1", QStringLiteral("&Öffnen")), [this] { ffnen1Click(); });
    onTriggered(addMenuEntry(file, "Speichern1", QStringLiteral("&Speichern unter")), [this] { Speichern1Click(); });
    onTriggered(addMenuEntry(file, "PDF1", QStringLiteral("Als &PDF speichern…")), [this] { PDF1Click(); });
    onTriggered(addMenuEntry(file, "EMail1", QStringLiteral("Per &E-Mail senden…")), [this] { EMail1Click(); });
    addExitEntry(file);
    addGoToMenu(bar, GoTo::Optionen, GoToCaptions::Options);
    addHiddenEntry(bar, "N1", QStringLiteral("--->--->--->--->"));
    onTriggered(addHiddenEntry(bar, "Daten1", QStringLiteral("Daten &Anzeigen")), [this] { Daten1Click(); });
    onTriggered(addHiddenEntry(bar, "Entfernen1", QStringLiteral("&Entfernen")), [this] { Entfernen1Click(); });
    onTriggered(addHiddenEntry(bar, "Neu1", QStringLiteral(" Alle Daten ent&fernen")), [this] { Neu1Click(); });

    onClick(ui.Button1, [this] { Button1Click(); });
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.Button3, [this] { Button3Click(); });
    onClick(ui.Button4, [this] { Button4Click(); });
    onClick(ui.Button5, [this] { Button5Click(); });
    onClick(ui.Button6, [this] { Button6Click(); });
    onClick(ui.Button7, [this] { Button7Click(); });
    onClick(ui.Image1, [this] { Image1Click(); });
    clickableByKeyboard(ui.Image1);
    for (QWidget *button : {ui.Button3, ui.Button4, ui.Button5}) {
        onMouseMove(button, [this](QPoint) { showHelp(); });
        showWhileFocused(button, [this] { showHelp(); }, [this] { ui.Memo1->hide(); });
    }
}

Tsave::~Tsave() = default;

void Tsave::FormActivate()
{
    setText(ui.beck_end, daten.gesamtpreis);
}

void Tsave::FormMouseMove(QPoint)
{
    ui.Memo1->hide();
}

QStringList Tsave::listLines() const
{
    QStringList lines;
    for (int i = 0; i < ui.ur->count(); ++i)
        lines << ui.ur->item(i)->text();
    return lines;
}

void Tsave::showHelp()
{
    ui.Memo1->show();
}

// Hidden "&Weiter -->": the final page.
void Tsave::Button1Click()
{
    showPage(PageId::Tendpr);
}

// "<-- &Zum Anfang": back to the welcome page, which resets the quote store.
void Tsave::Button2Click()
{
    showPage(PageId::Tbg);
}

// "Daten &Anzeigen": each press appends a block, so several configurations collect.
void Tsave::Button3Click()
{
    ui.ur->addItems(quote::summaryLines(daten));
}

// "&Entfernen": the selected line only; without a selection nothing.
void Tsave::Button4Click()
{
    const QList<QListWidgetItem *> selected = ui.ur->selectedItems();
    if (selected.isEmpty())
        return;
    delete ui.ur->takeItem(ui.ur->row(selected.first()));
    // The next line is not selected in its place, so a second press deletes nothing.
    ui.ur->setCurrentRow(-1);
}

// " Alle Daten ent&fernen"
void Tsave::Button5Click()
{
    if (dialogs().confirm(this, QStringLiteral("Sollen wirklich alle Daten gelöscht werden? "
                                               "Nicht gespeicherte Daten gehen verloren !")))
        ui.ur->clear();
}

// "Programm &Beenden"
void Tsave::Button6Click()
{
    confirmExit(this);
}

// "<-- &Zurück"
void Tsave::Button7Click()
{
    showPage(PageId::Tureiniger);
}

void Tsave::Image1Click()
{
    showPage(PageId::Tartikel);
}

// "&Datei" / "&Speichern unter"
void Tsave::Speichern1Click()
{
    const QString path = dialogs().saveFileName(this, quoteFileDialog("SaveDialog1", QStringLiteral("Speichern unter")));
    if (path.isEmpty()) {
        dialogs().message(this, QStringLiteral("Konnte nicht gespeichert werden!!!"));
        return;
    }
    bool lossy = false;
    quote::writeQuoteFile(path, listLines(), &lossy);
    if (lossy)
        dialogs().message(this, QStringLiteral("Einige Zeichen können in der Datei nicht gespeichert werden "
                                               "und wurden durch \"?\" ersetzt."));
}

// "&Datei" / "&Öffnen": the file's lines replace the list; the quote store stays as it is.
void Tsave::ffnen1Click()
{
    const QString path = dialogs().openFileName(this, quoteFileDialog("OpenDialog1", QStringLiteral("Öffnen")));
    if (path.isEmpty())
        return;
    const QStringList lines = quote::readQuoteFile(path);
    ui.ur->clear();
    ui.ur->addItems(lines);
}

// "&Datei" / "D&rucken"
void Tsave::Drucken1Click()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        quote::setUpQuotePrinter(*m_printer);
    }
    if (!dialogs().choosePrinter(this, *m_printer, QStringLiteral("PrintDialog1")))
        return;
    quote::printQuote(*m_printer, listLines());
}

// "&Datei" / "Als &PDF speichern…": the printed quote as a PDF file; cancelling does nothing.
void Tsave::PDF1Click()
{
    const QStringList lines = listLines();
    const QString proposed = QDir(quote::documentsFolder()).filePath(quote::pdfName(lines, QDate::currentDate()));
    const QString path = dialogs().saveFileName(this, {QStringLiteral("PDFDialog1"), QStringLiteral("Als PDF speichern"),
                                                       {QStringLiteral("PDF-Dokumente (*.pdf)")}, QStringLiteral("pdf"),
                                                       proposed});
    if (!path.isEmpty())
        quote::saveQuotePdf(path, lines);
}

// "&Datei" / "Per &E-Mail senden…": the PDF, kept in the cache folder, attached to a
// mail to the dealer that the customer's mail program opens.
void Tsave::EMail1Click()
{
    const QStringList lines = listLines();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(folder);
    const QString pdf = QDir(folder).filePath(quote::pdfName(lines, QDate::currentDate()));
    quote::saveQuotePdf(pdf, lines);
    dialogs().composeMail(this, {dealer::emails.constFirst(), quote::quoteTitle(lines), lines.join(u'\n'), pdf});
}

// Hidden "Daten &Anzeigen": the older summary.
void Tsave::Daten1Click()
{
    ui.ur->addItems(quote::hiddenSummaryLines(daten));
}

// Hidden "&Entfernen"
void Tsave::Entfernen1Click()
{
    Button4Click();
}

// Hidden " Alle Daten ent&fernen"
void Tsave::Neu1Click()
{
    Button5Click();
}
