#include "quotesummary.h"

#include "app/codepage.h"
#include "app/daten.h"

namespace quote {

namespace {

const QString zero = QStringLiteral("0,00");
const QString euro = QStringLiteral(" €");
const QString sizeLabel = QStringLiteral("Beckengröße: ");

// Lines 1 to 6 of both blocks: the shape set off by blank lines, height, volume, stones.
QStringList head(const app::QuoteStore &d)
{
    return {
        QStringLiteral(" "),
        QString(26, u' ') + d.beckenform,
        QStringLiteral(" "),
        QStringLiteral("Beckenhöhe: ") + d.beckenhoehe + QStringLiteral(" m"),
        QStringLiteral("Volumen: ") + d.volumen + QStringLiteral("m³"),
        QStringLiteral("Beckenrandsteine: ") + d.randsteinpreis + euro,
    };
}

QStringList poolTotalAndLiner(const app::QuoteStore &d)
{
    return {
        QStringLiteral("Gesamtbeckenpreis: ") + d.gesamtpreis,
        QStringLiteral("Folienstärke: ") + d.folienstaerke,
        sizeLabel + d.beckengroesse,
        QString(),
        QStringLiteral("Schwimmbadabdeckungen:"),
    };
}

QString floorSet(const app::QuoteStore &d)
{
    return d.bodenset + QStringLiteral(":  ") + d.bodensetpreis + euro;
}

} // namespace

// Slots are compared with "0,00" as texts, byte by byte, as the pages store them: a
// price sorts after "0,00" when it starts with a digit from 1 to 9.
QStringList summaryLines(const app::QuoteStore &d)
{
    QStringList lines = head(d);
    lines << (app::sortsAfter(d.aufbaupreis, zero)
                  ? QStringLiteral("Betonfreier Beckenaufbau: ") + d.aufbaupreis + euro
                  : QString());
    lines << poolTotalAndLiner(d);
    lines << QStringLiteral("Safetop ") + d.abdeckung1
          << QStringLiteral("Schwimmbadabdeckung Lupo ") + d.abdeckung2
          << d.abdeckung3
          << QStringLiteral("Leitertyp: ") + d.leitertyp
          << d.filtertyp;
    lines << (d.wasseraufbereitungspreis != zero ? d.elektrolyse + d.wasseraufbereitungspreis
                                                 : QStringLiteral("Keine Elektrolyseanlage ausgewählt"));
    // A water-heating page never confirmed leaves the slot empty: no heating line then.
    if (app::sortsAfter(d.waermepumpenpreis, zero))
        lines << QStringLiteral("Wassererwärmung: ") + d.heizungspreis + QStringLiteral(" inkl. Wärmepumpe");
    else if (d.waermepumpenpreis == zero)
        lines << QStringLiteral("Wassererwärmung: ") + d.heizungspreis + QStringLiteral(" ohne Wärmepumpe");
    lines << d.duesenzeile
          << d.skimmerzeile
          << QStringLiteral("Unterwasserbeleutung: ") + d.lichtzeile
          << d.lichtpreis
          << d.bodenablauf
          << floorSet(d)
          << d.reinigerzeile
          << QStringLiteral("Schwimmbeckengesamtpreis: ") + d.gesamtpreis;
    return lines;
}

QStringList hiddenSummaryLines(const app::QuoteStore &d)
{
    QStringList lines = head(d);
    lines << QStringLiteral("Handlauf: (Falls für Beckentyp verfügbar) ") + d.handlauf + euro;
    lines << poolTotalAndLiner(d);
    lines << d.abdeckung1 << d.abdeckung2 << d.abdeckung3
          << QStringLiteral("Leitertyp: ") + d.leitertyp
          << d.filtertyp
          << QStringLiteral("Geräte zur Wassererwärmung: ") + d.heizungspreis + euro
          << d.duesenzeile
          << d.skimmerzeile
          << d.bodenablauf
          << floorSet(d)
          << d.reinigerzeile;
    return lines;
}

QList<Pool> poolsOf(const QStringList &list)
{
    // The shapes the welcome page hands on; a store never filled shows "0".
    static const QStringList shapes = {QStringLiteral("Rundbecken"), QStringLiteral("Ovalformbecken"),
                                       QStringLiteral("Achtformbecken"), QStringLiteral("Rechteckbecken")};
    QList<Pool> pools;
    Pool pool;
    bool sized = false;
    auto add = [&] {
        if (!pool.shape.isEmpty() && !pools.contains(pool))
            pools << pool;
    };
    for (const QString &line : list) {
        if (shapes.contains(line.trimmed())) {
            add();
            pool = {line.trimmed(), {}};
            sized = false;
        } else if (!sized && !pool.shape.isEmpty() && line.startsWith(sizeLabel)) {
            const QString size = line.mid(sizeLabel.size()).trimmed();
            pool.size = size == u"0" ? QString() : size;
            sized = true;
        }
    }
    add();
    return pools;
}

} // namespace quote
