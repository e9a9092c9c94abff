#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The quote store: the named texts that carry the configuration from page to page.
// Every slot starts as the empty text; numbers are decimal-comma texts.
struct QuoteStore
{
    QString beckenform;
    QString aufbaupreis;
    QString randsteinpreis;
    QString handlauf;
    QString beckenhoehe;
    QString summe1;
    QString volumen;
    QString folienstaerke;
    QString beckengroesse;
    QString summe2;
    QString abdeckung1;
    QString abdeckung2;
    QString abdeckung3;
    QString leitertyp;
    QString summe3;
    QString filtertyp;
    QString elektrolyse;
    QString wasseraufbereitungspreis;
    QString summe4;
    QString heizungspreis;
    QString waermepumpenpreis;
    QString summe5;
    QString skimmermodus;
    QString skimmerzeile;
    QString duesenzeile;
    QString summe6;
    QString lichtzeile;
    QString lichtpreis;
    QString summe7;
    QString bodenablauf;
    QString bodenset;
    QString bodensetpreis;
    QString summe8;
    QString reinigerzeile;
    QString gesamtpreis;

    // "0" into every slot but aufbaupreis, elektrolyse, wasseraufbereitungspreis and
    // waermepumpenpreis, which keep their texts (the welcome page's activation).
    void reset();

    // Access by slot name; an unknown name is a programming error.
    QString value(QStringView name) const;
    void setValue(QStringView name, const QString &text);
    static QStringList slotNames();
};

// The one store of the program.
extern QuoteStore daten;

} // namespace app
