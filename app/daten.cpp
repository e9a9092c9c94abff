#include "daten.h"

#include <array>

namespace app {

QuoteStore daten;

namespace {

struct Slot
{
    const char16_t *name;
    QString QuoteStore::*text;
    bool keptOnReset = false;
};

#define SLOT(n) Slot{u## #n, &QuoteStore::n}
#define KEPT_SLOT(n) Slot{u## #n, &QuoteStore::n, true}
const std::array slotTable = {
    SLOT(beckenform), KEPT_SLOT(aufbaupreis), SLOT(randsteinpreis), SLOT(handlauf),
    SLOT(beckenhoehe), SLOT(summe1), SLOT(volumen), SLOT(folienstaerke), SLOT(beckengroesse),
    SLOT(summe2), SLOT(abdeckung1), SLOT(abdeckung2), SLOT(abdeckung3), SLOT(leitertyp),
    SLOT(summe3), SLOT(filtertyp), KEPT_SLOT(elektrolyse), KEPT_SLOT(wasseraufbereitungspreis),
    SLOT(summe4), SLOT(heizungspreis), KEPT_SLOT(waermepumpenpreis), SLOT(summe5),
    SLOT(skimmermodus), SLOT(skimmerzeile), SLOT(duesenzeile), SLOT(summe6), SLOT(lichtzeile),
    SLOT(lichtpreis), SLOT(summe7), SLOT(bodenablauf), SLOT(bodenset), SLOT(bodensetpreis),
    SLOT(summe8), SLOT(reinigerzeile), SLOT(gesamtpreis),
};
#undef SLOT
#undef KEPT_SLOT
static_assert(slotTable.size() == 35);

const Slot &slotNamed(QStringView name)
{
    for (const Slot &s : slotTable)
        if (name == QStringView(s.name))
            return s;
    qFatal("unknown quote slot %s", qPrintable(name.toString()));
}

} // namespace

void QuoteStore::reset()
{
    for (const Slot &s : slotTable)
        if (!s.keptOnReset)
            this->*s.text = QStringLiteral("0");
}

QString QuoteStore::value(QStringView name) const
{
    return this->*slotNamed(name).text;
}

void QuoteStore::setValue(QStringView name, const QString &text)
{
    this->*slotNamed(name).text = text;
}

QStringList QuoteStore::slotNames()
{
    QStringList names;
    for (const Slot &s : slotTable)
        names << QString::fromUtf16(s.name);
    return names;
}

} // namespace app
