#include "cleanertables.h"

#include "app/catalogue.h"

namespace cleaners {

namespace {

constexpr QStringView buggy[] = {
    u"           Unterwasserreiniger \"BUGGY\"",
    u"wird an vorhandenen Sand- oder Einhängefilter",
    u"mit mind. 5 m³ /h Umwälzleistung angeschlossen.",
    u"Inkl. Schlauch zum Anschluß an Skimmerplatte.",
    u"Der Schwimmbeckenboden wird durch den \"BUGGY\" selbstständig gereinigt.",
    u"",
    u"Durch den Einsatz wird die Wasserzyrkulation verbessert.",
    u"",
    u"",
    u"Zubehör:",
    u"Wandkonsole",
    u"Grobfilter",
    u"",
};

constexpr QStringView smartActive[] = {
    u"Dieser Reinigungsroboter ist für Schwimmbäder mit einer Länge von bis zu 8 Metern geeignet.",
    u"Er reinigt den Beckenboden selbstständig und ohne Anschluß an die Filteranlage.",
    u"",
    u"Anschlußspannung:    230 V",
    u"Gerätespannung:      24 V",
    u"Kabellänge:          15 m",
    u"",
    u"Reinigungszyklus:    2,5 Stunden",
    u"Fernbedienung:       Nein",
    u"Reinigungsprogramm:  Bodenreinigung",
    u"Lauffläche:          PVC-Bürsten",
    u"Zusätzl. Funktionen: Automatische Abschaltung nach dem Reinigungszyklus",
    u"Saugleistung:        16 m³ /h",
    u"Filtersystem:        Filterkorb (fein) von oben zu entnehmen",
    u"Gerätegewicht:       ca. 9,5 kg",
    u"Transportwagen:      Nein",
    u"Garantie:            2 Jahre",
    u"Technische Änderungen vorbehalten!",
};

constexpr QStringView iTopCl[] = {
    u"Dieser wandkletternde Reinigungsroboter ist für Schwimmbäder mit einer Länge von bis zu 10 Metern geeignet.",
    u"Er reinigt Beckenboden und Beckenwände selbstständig und ohne Anschluß an die Filteranlage.",
    u"",
    u"Anschlußspannung:    230 V",
    u"Gerätespannung:      24 V",
    u"Kabellänge:          16,5 m inkl. Drehgelenk",
    u"",
    u"Reinigungszyklus:    3 Stunden",
    u"Fernbedienung:       Nein",
    u"Reinigungsprogramm:  Boden- und Wandreinigung",
    u"Lauffläche:          PVA-Schwammbürsten",
    u"Zusätzl. Funktionen: Anzeige für vollen Filterbeutel",
    u"Saugleistung:        16 m³ /h",
    u"Filtersystem:        Filtersack (fein) von oben zu entnehmen",
    u"Gerätegewicht:       ca. 9,5 kg",
    u"Transportwagen:      Nein",
    u"Garantie:            Motor, Elektronik und Netzteil",
    u"Garantie:                         3 Jahre",
};

constexpr QStringView comfortActive[] = {
    u"Dieser wandkletternde Reinigungsroboter ist für Schwimmbäder mit einer Länge von bis zu 12 Metern geeignet.",
    u"Er reinigt Beckenboden, Beckenwände und Wasserlinie selbstständig und ohne Anschluß an die Filteranlage.",
    u"",
    u"Anschlußspannung:    230 V",
    u"Gerätespannung:      24 V",
    u"Kabellänge:          18 m inkl. Drehgelenk",
    u"",
    u"Reinigungszyklus:    3 Stunden",
    u"Fernbedienung:       Nein",
    u"Reinigungsprogramm:  Boden- und Wandreinigung bis Wasserlinie",
    u"Lauffläche:          PVC-Bürsten inkl. zusätzlicher Reinigungswalze",
    u"Zusätzl. Funktionen: Anzeige für vollen Filterbeutel, Betriebs-Verzögerung",
    u"Saugleistung:        17 m³ /h",
    u"Filtersystem:        Filtersack (fein) von oben zu entnehmen",
    u"Gerätegewicht:       ca. 10 kg",
    u"Transportwagen:      Caddy",
    u"Garantie:            2 Jahre",
    u"Technische Änderungen vorbehalten!",
};

constexpr QStringView deluxeActive[] = {
    u"Dieser wandkletternde Reinigungsroboter ist für Schwimmbäder mit einer Länge von bis zu 12 Metern geeignet.",
    u"Er Reinigt das gesamte Schwimmbad, einschließlich Beckenboden, Beckenwände und Wasserlinie.",
    u"",
    u"Anschlußspannung:    230 V",
    u"Gerätespannung:      24 V",
    u"Kabellänge:          18 m inkl. Drehgelenk",
    u"",
    u"Reinigungszyklus:    1,5 / 2,5 / 3,5 Stunden",
    u"Fernbedienung:       Einstellung der Parameter und Reinigungs-Programme",
    u"Reinigungsprogramm:  Boden- und Wandreinigung bis Wasserlinie",
    u"Lauffläche:          PVC-Bürsten inkl. zusätzlicher Reinigungswalze",
    u"Zusätzl. Funktionen: Anzeige für vollen Filterbeutel, Betriebs-Verzögerung, Reinigung d. Wasserlinie",
    u"Saugleistung:        17 m³ /h",
    u"Filtersystem:        Filtersack (fein) von oben zu entnehmen",
    u"Gerätegewicht:       ca. 10 kg",
    u"Transportwagen:      Caddy",
    u"Garantie:            2 Jahre",
    u"Technische Änderungen vorbehalten!",
};

constexpr Cleaner cleanerList[] = {
    {u"Ich möchte keinen Unterwasserreiniger auswählen", u"0,00", nullptr, {}},
    {u"Automatischer Unterwasserreiniger \"Buggy\"", u"260,00", "buggyimage", buggy},
    {u"Vollautomatischer Unterwasserreingiger \"Smart ACTIVE Cleaner\"", u"1100,00", "infimage", smartActive},
    {u"Vollautomatischer Unterwasserreingiger \"I-Top CL\"", u"1399,00", "vivaimage", iTopCl},
    {u"Vollautomatischer Unterwasserreingiger \"Comfort ACTIVE Cleaner\"", u"1850,00", "urein4", comfortActive},
    {u"Vollautomatischer Unterwasserreingiger \"Deluxe ACTIVE Cleaner\"", u"2350,00", "urein5", deluxeActive},
};

} // namespace

const std::span<const Cleaner> catalogue = cleanerList;

QStringList names()
{
    QStringList list;
    for (const Cleaner &cleaner : catalogue)
        list << cleaner.name.toString();
    return list;
}

QStringList description(const Cleaner &cleaner)
{
    return app::linesOf(cleaner.description);
}

} // namespace cleaners
