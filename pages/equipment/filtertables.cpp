#include "filtertables.h"

#include "app/catalogue.h"

#include <algorithm>

namespace filter {

namespace {

// Name, price, picture, rated pool volume in m³, the two description lines; a row
// without the empty line under its description says so with `false`. The character
// after 1 1/2 is the inch sign.
constexpr Filter rows[] = {
    // 1
    {u"Einhängekartuschenfilter Pumpenleistung 5 m³/h", u"599,95", "ef21", 16,
     {u"Einhänge-Kartuschenfilteranlage Pumpenleistung 5 m³/h",
      u"für Stahlmantelbecken bis 16 m3 Inhalt,inkl. Schutztrafo und Schraubfilterkartusche"}, false},
    // 2
    {u"Kunststoffkessel 300 / Top mount /Aqua Plus 4", u"349,95", "hp30", 20,
     {u"Filteranlage mit Kunststoffkessel 300mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Aqua Plus 4) / 0,18 kW P2. Pumpenleistung 4m³/h. Empf. max. Beckengröße 20m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 3
    {u"Kunststoffkessel 300 / Top mount /i-plus 55", u"459,95", "hp30i", 25,
     {u"Filteranlage mit Kunststoffkessel 300mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 55) / 0,25 kW P2. Pumpenleistung 5,5m³/h. Empf. max. Beckengröße 25m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 4
    {u"Kunststoffkessel 390 / Top mount /WP 4000", u"399,95", "hp30prem", 25,
     {u"Filteranlage mit Kunststoffkessel 390mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (WP 4000) / 0,20 kW P2. Pumpenleistung 4m³/h. Empf. max. Beckengröße 25m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 5
    {u"Kunststoffkessel 390 / Top mount / Zeitsteuerung /WP 4000", u"429,95", "hp30prem", 25,
     {u"Filteranlage mit Kunststoffkessel 390mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (WP 4000) / 0,20 kW P2. Pumpenleistung 4m³/h. Empf. max. Beckengröße 25m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 6
    {u"Glasfaser- Kunststoffkessel 350 / Side mount /i-plus 70", u"899,00", "caldera", 30,
     {u"Filteranlage mit glasfaserverstärktem Kunststoffkessel 350mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 70) / 0,37 kW P2. Pumpenleistung 7m³/h. Empf. max. Beckengröße 30m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 7
    {u"Kunststoffkessel 390 / Top mount /i-plus 70", u"519,00", "hp30prem", 30,
     {u"Filteranlage mit Kunststoffkessel 390mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 70) / 0,37 kW P2. Pumpenleistung 7m³/h. Empf. max. Beckengröße 30m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 8
    {u"Kunststoffkessel 400 / Side mount /Magic 6", u"799,00", "hp30i", 30,
     {u"Filteranlage mit Kunststoffkessel 400mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Magic 6) / 0,25 kW P2. Pumpenleistung 6m³/h. Empf. max. Beckengröße 30m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 9
    {u"Kunststoffkessel 390 / Top mount /Aqua Plus 6", u"399,95", "hp30", 30,
     {u"Filteranlage mit Kunststoffkessel 390mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Aqua Plus 6) / 0,25 kW P2. Pumpenleistung 6m³/h. Empf. max. Beckengröße 30m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 10
    {u"Kunststoffkessel geteilt 350 / Side mount /Aqua Plus 6", u"699,00", "hp4", 30,
     {u"Filteranlage mit geteiltem Kunststoffkessel 350mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Aqua Plus 6) / 0,25 kW P2. Pumpenleistung 6m³/h. Empf. max. Beckengröße 30m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 11
    {u"Kunststoffkessel 390 / Top mount /TC 80", u"429,95", "hp30i", 35,
     {u"Filteranlage mit Kunststoffkessel 390mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (TC 80) / 0,37 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 35m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 12
    {u"Kunststoffkessel geteilt 350 / Top mount /i-plus 70", u"799,00", "iplus", 35,
     {u"Filteranlage mit geteiltem Kunststoffkessel 350mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 70) / 0,37 kW P2. Pumpenleistung 7m³/h. Empf. max. Beckengröße 35m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 13
    {u"GFK Kessel 450 / Side mount  /i-plus 70", u"899,00", "gfkIplus", 35,
     {u"Filteranlage mit GFK Kessel 450 mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 70) / 0,37 kW P2. Pumpenleistung 7m³/h. Empf. max. Beckengröße 35m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 14
    {u"Kunststoffkessel 400 / Side mount /i-plus 70", u"769,00", "medium", 35,
     {u"Filteranlage mit Kunststoffkessel 400mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 70) / 0,37 kW P2. Pumpenleistung 7m³/h. Empf. max. Beckengröße 35m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 15
    {u"Kunststoffkessel 470 / Top mount /WP 6000", u"449,95", "hp30prem", 35,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (WP 6000) / 0,30 kW P2. Pumpenleistung 6m³/h. Empf. max. Beckengröße 35m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 16
    {u"Kunststoffkessel 470 / Top mount / Zeitsteuerung /WP 6000", u"479,95", "hp30prem", 35,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (WP 6000) / 0,30 kW P2. Pumpenleistung 6m³/h. Empf. max. Beckengröße 35m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 17
    {u"Kunststoffkessel 470 / Top mount /i-plus 90", u"569,00", "hp30i", 40,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 90) / 0,45 kW P2. Pumpenleistung 9m³/h. Empf. max. Beckengröße 40m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 18
    {u"Kunststoffkessel geteilt 350 / Side mount / Zeitsteuerung /TC 80", u"719,00", "hp4", 40,
     {u"Filteranlage mit geteiltem Kunststoffkessel 350mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (TC 80) / 0,37 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 40m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 19
    {u"Kunststoffkessel 400 / Side mount /Aqua Plus 8", u"899,00", "medium", 40,
     {u"Filteranlage mit Kunststoffkessel 400mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Aqua Plus 8) / 0,37 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 40m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 20
    {u"Kunststoffkessel 500 / Side mount /Magic 8", u"899,00", "medium", 40,
     {u"Filteranlage mit Kunststoffkessel 500mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Magic 8) / 0,37 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 40m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 21
    {u"Kunststoffkessel 400 / Side mount /Bettar 8", u"919,00", "medium", 40,
     {u"Filteranlage mit Kunststoffkessel 400mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Bettar 8) / 0,45 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 40m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 22
    {u"Kunststoffkessel 470 / Top mount /Aqua Plus 8", u"449,95", "hp4", 40,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Aqua Plus 8) / 0,37 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 40m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 23
    {u"Kunststoffkessel geteilt 400 / Side mount /Aqua Plus 8", u"789,00", "hp4", 40,
     {u"Filteranlage mit geteiltem Kunststoffkessel 400mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Aqua Plus 8) / 0,37 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 40m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 24
    {u"Glasfaser- Kunststoffkessel 450 / Side mount /i-plus 90", u"999,00", "caldera", 45,
     {u"Filteranlage mit glasfaserverstärktem Kunststoffkessel 450mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 90) / 0,45 kW P2. Pumpenleistung 9m³/h. Empf. max. Beckengröße 45m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 25
    {u"Kunststoffkessel 470 / Top mount /TC 110", u"499,95", "hp30", 45,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (TC 110) / 0,55 kW P2. Pumpenleistung 11m³/h. Empf. max. Beckengröße 45m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 26
    {u"Kunststoffkessel geteilt 400 / Top mount /i-plus 90", u"869,00", "hp4", 45,
     {u"Filteranlage mit geteiltem Kunststoffkessel 400mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 90) / 0,45 kW P2. Pumpenleistung 9m³/h. Empf. max. Beckengröße 45m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 27
    {u"GFK Kessel 500 / Side mount /i-plus 90", u"999,00", "gfkIplus", 45,
     {u"Filteranlage mit GFK Kessel 500 mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 90) / 0,45 kW P2. Pumpenleistung 9m³/h. Empf. max. Beckengröße 45m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 28
    {u"Kunststoffkessel 500 / Side mount /i-plus 90", u"829,00", "medium", 45,
     {u"Filteranlage mit Kunststoffkessel 500mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-plus 90) / 0,45 kW P2. Pumpenleistung 9m³/h. Empf. max. Beckengröße 45m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 29
    {u"Kunststoffkessel 470 / Top mount /WP 8000", u"499,95", "hp30prem", 45,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (WP 8000) / 0,45 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 45m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 30
    {u"Kunststoffkessel 470 / Top mount /WP 8000", u"499,95", "hp30prem", 45,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (WP 8000) / 0,45 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 45m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 31
    {u"Kunststoffkessel 470 / Top mount / Zeitsteuerung /WP 8000", u"529,00", "hp30prem", 45,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (WP 8000) / 0,45 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 45m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 32
    {u"Kunststoffkessel 470 / Side mount / Zeitsteuerung /WP 8000", u"599,00", "hp30prem", 45,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (WP 8000) / 0,45 kW P2. Pumpenleistung 8m³/h. Empf. max. Beckengröße 45m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 33
    {u"Kunststoffkessel geteilt 400 / Side mount /i-star 10", u"999,00", "hp4", 50,
     {u"Filteranlage mit geteiltem Kunststoffkessel 400mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 10) / 0,30 kW P2. Pumpenleistung 10m³/h. Empf. max. Beckengröße 50m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 34
    {u"Kunststoffkessel geteilt 400 / Heizfilteranlage / Side mount /i-star 10", u"2349,00", "infh", 50,
     {u"Heizfilteranlage mit geteitem Kunststoffkessel 400mm Ø zur gleichzeitigen Wassererwärmung. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 10) / 0,3kW P2, 230V.Pumpenleistung 10m³/h. Empf. max. ",
      u"Beckengröße 50m³. Kabel und Stecker vorinstalliert. Filter und Pumpe sind auf einer Palette vormontiert."}, false},
    // 35
    {u"Glasfaser- Kunststoffkessel 500 / Side mount /i-star 10", u"1229,00", "caldera", 50,
     {u"Filteranlage mit Glasfaser-Kunststoffkessel 500 mm Ø mit Restwasserentleerungsventil. Wasserverteilung durch Filterkreuz. Höhe Filterkessel 880mm. Seitlich abgehendem 6-Wege Ventil 1 1/2\", Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 10) / 0,30 kW P2, 230 V. Pumpenleistung 10m³/h. Empf. max. Beckengröße 50m³.",
      u"Kabel und Stecker vorinstalliert. Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 36
    {u"Kunststoffkessel geteilt 400 / Side mount / Zeitsteuerung /TC 110", u"809,00", "hp4", 50,
     {u"Filteranlage mit geteiltem Kunststoffkessel 400mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (TC 110) / 0,55 kW P2. Pumpenleistung 11m³/h. Empf. max. Beckengröße 50m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 37
    {u"GFK Kessel 450 / Side mount / Zeitsteuerung /TC 110", u"849,00", "gfkIplus", 50,
     {u"Filteranlage mit GFK Kessel 450 mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (TC 110) / 0,55 kW P2. Pumpenleistung 11m³/h. Empf. max. Beckengröße 50m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 38
    {u"Kunststoffkessel 400 / Side mount / Zeitsteuerung /TC 110", u"719,00", "medium", 50,
     {u"Filteranlage mit Kunststoffkessel 400mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (TC 110) / 0,55 kW P2. Pumpenleistung 11m³/h. Empf. max. Beckengröße 50m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 39
    {u"Kunststoffkessel 500 / Side mount /Aqua Plus 11", u"769,00", "medium", 50,
     {u"Filteranlage mit Kunststoffkessel 500mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Aqua Plus 11) / 0,55 kW P2. Pumpenleistung 11m³/h. Empf. max. Beckengröße 50m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 40
    {u"Kunststoffkessel 500 / Side mount /Bettar 12", u"999,00", "medium", 50,
     {u"Filteranlage mit Kunststoffkessel 500mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Bettar 12) / 0,65 kW P2. Pumpenleistung 12m³/h. Empf. max. Beckengröße 50m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 41
    {u"Kunststoffkessel 470 / Top mount /Aqua Plus 11", u"499,95", "hp30", 50,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Aqua Plus 11) / 0,55 kW P2. Pumpenleistung 11m³/h. Empf. max. Beckengröße 50m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 42
    {u"Kunststoffkessel geteilt 500 / Side mount /Aqua Plus 11", u"899,00", "hp30", 50,
     {u"Filteranlage mit geteiltem Kunststoffkessel 500mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Aqua Plus 11) / 0,55 kW P2. Pumpenleistung 11m³/h. Empf. max. Beckengröße 50m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 43
    {u"Kunststoffkessel 470 / Top mount /TC 140", u"539,00", "hp30", 55,
     {u"Filteranlage mit Kunststoffkessel 470mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (TC 140) / 0,75 kW P2. Pumpenleistung 14m³/h. Empf. max. Beckengröße 55m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 44
    {u"Kunststoffkessel geteilt 500 / Side mount / Zeitsteuerung /TC 140", u"919,00", "hp4", 60,
     {u"Filteranlage mit geteiltem Kunststoffkessel 500mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (TC 140) / 0,75 kW P2. Pumpenleistung 14m³/h. Empf. max. Beckengröße 60m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 45
    {u"GFK Kessel 500 / Side mount / Zeitsteuerung /C 140", u"949,00", "gfkIplus", 60,
     {u"Filteranlage mit GFK Kessel 500 mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (TC 140) / 0,75 kW P2. Pumpenleistung 14m³/h. Empf. max. Beckengröße 60m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 46
    {u"Kunststoffkessel 500 / Side mount / Zeitsteuerung /TC 140", u"789,00", "medium", 60,
     {u"Filteranlage mit Kunststoffkessel 500mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter und Zeitsteuerung (TC 140) / 0,75 kW P2. Pumpenleistung 14m³/h. Empf. max. Beckengröße 60m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 47
    {u"Kunststoffkessel geteilt 500 / Side mount /i-star 13", u"1149,00", "hp4", 65,
     {u"Filteranlage mit geteiltem Kunststoffkessel 500mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 13) / 0,45 kW P2. Pumpenleistung 13m³/h. Empf. max. Beckengröße 65m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 48
    {u"Kunststoffkessel geteilt 500 / Heizfilteranlage / Side mount /i-star 13", u"2549,00", "infh", 65,
     {u"Heizfilteranlage mit geteiltem Kunststoffkessel 500mm Ø zur gleichzeitigen Wassererwärmung. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 13) / 0,45kW P2, 230V. Pumpenleistung 13m³/h. Empf. max. Beckengröße 65m³.",
      u"Kabel und Stecker vorinstalliert. Filter und Pumpe sind auf einer Palette vormontiert."}, false},
    // 49
    {u"Kunststoffkessel geteilt 600 / Heizfilteranlage / Side mount /i-star 13", u"2649,00", "infh", 65,
     {u"Heizfilteranlage mit geteiltem Kunststoffkessel 600mm Ø zur gleichzeitigen Wassererwärmung. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 13) / 0,45kW P2, 230V. Pumpenleistung 13m³/h. Empf. max. Beckengröße 65m³.",
      u"Kabel und Stecker vorinstalliert. Filter und Pumpe sind auf einer Palette vormontiert."}, false},
    // 50
    {u"Glasfaser- Kunststoffkessel mit Revisionsöffnung 500 / Side mount /i-star 13", u"1999,00", "kessel", 65,
     {u"Filteranlage mit Glasfaser-Kunststoffkessel 500 mm Ø mit Revisionsöffnung und Restwasserentleerungsventil. Wasserverteilung durch Filterkreuz. Höhe Filterkessel 880mm. Seitlich abgehendem 6-Wege Ventil 1 1/2\", Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 13) / 0,45 kW P2, 230 V. Pumpenleistung 13m³/h. Empf. max. Beckengröße 65m³.",
      u"Kabel und Stecker vorinstalliert. Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 51
    {u"Kunststoffkessel 600 / Side mount /Bettar 14", u"1169,00", "medium", 65,
     {u"Filteranlage mit Kunststoffkessel 600mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Bettar 14) / 0,75 kW P2. Pumpenleistung 14m³/h. Empf. max. Beckengröße 65m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 52
    {u"Kunststoffkessel geteilt 600 / Side mount /i-star 17", u"1299,00", "inf", 85,
     {u"Filteranlage mit geteiltem Kunststoffkessel 600mm Ø. Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 17) / 0,55 kW P2. Pumpenleistung 17m³/h. Empf. max. Beckengröße 85m³. Kabel und Stecker vorinstalliert.",
      u"Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 53
    {u"Glasfaser- Kunststoffkessel 650 / Side mount /i-star 17", u"1399,00", "caldera", 85,
     {u"Filteranlage mit Glasfaser-Kunststoffkessel 650 mm Ø mit Restwasserentleerungsventil. Wasserverteilung durch Filterkreuz. Höhe Filterkessel 980mm. Seitlich abgehendem 6-Wege Ventil 1 1/2\", Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 17) / 0,55 kW P2, 230 V. Pumpenleistung 17m³/h. Empf. max. Beckengröße 85m³.",
      u"Kabel und Stecker vorinstalliert. Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 54
    {u"Glasfaser- Kunststoffkessel mit Revisionsöffnung 600 / Side mount /i-star 17", u"2099,00", "kessel", 85,
     {u"Filteranlage mit Glasfaser-Kunststoffkessel 600 mm Ø mit Revisionsöffnung und Restwasserentleerungsventil. Wasserverteilung durch Filterkreuz. Höhe Filterkessel 960mm. Seitlich abgehendem 6-Wege Ventil 1 1/2\", Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 17) / 0,55 kW P2, 230 V. Pumpenleistung 17m³/h. Empf. max. Beckengröße 85m³.",
      u"Kabel und Stecker vorinstalliert. Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 55
    {u"Glasfaser- Kunststoffkessel mit Revisionsöffnung 750 / Side mount /i-star 22", u"2499,00", "kessel", 110,
     {u"Filteranlage mit Glasfaser-Kunststoffkessel 750 mm Ø mit Revisionsöffnung und Restwasserentleerungsventil. Wasserverteilung durch Filterkreuz. Höhe Filterkessel 1010mm. Seitlich abgehendem 6-Wege Ventil 1 1/2\", Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 22) / 0,75 kW P2, 230 V. Pumpenleistung 22m³/h. Empf. max. Beckengröße 110m³.",
      u"Kabel und Stecker vorinstalliert. Filter und Pumpe sind auf einer Palette vormontiert."}},
    // 56
    {u"Glasfaser- Kunststoffkessel 800 / Side mount /i-star 26", u"1799,00", "kessel", 130,
     {u"Filteranlage mit GFK Kessel 800 mm Ø mit Restwasserentleerungsventil. Wasserverteilung durch Filterkreuz. Höhe Filterkessel 1045mm. Seitlich abgehendem 6-Wege Ventil 1 1/2\", Manometer. Selbstansaugende Pumpe mit Vorfilter (i-star 26) / 1,00 kW P2,",
      u"230 V.Pumpenleistung 26m³/h. Empf. max. Beckengröße 130m³. Kabel und Stecker vorinstalliert. Filter und Pumpe sind auf einer Palette vormontiert."}},
};

constexpr Band bandRows[] = {
    {"bis65", 64, 47},
    {"bis60", 59, 45},
    {"bis55", 54, 43},
    {"bis50", 49, 33},
    {"bis45", 44, 24},
    {"bis40", 39, 17},
    {"bis35", 34, 11},
    {"bis30", 29, 6},
    {"bis25", 24, 3},
    {"bis20", 0, 1},  // every other volume
};

constexpr QStringView hydrolife[] = {
    u"Sie wissen: Meerwasser ist gesund, aber salzig (Salzgehalt 2,5-3,5 %).",
    u"",
    u"In Ihrem Schwimmbad reicht schon ein Salzgehalt von 0,3 bis 0,5 %, damit Sie jederzeit ein erfrischendes "
    u"Gesundheitsbad",
    u"in Salzwasser >light< nehmen können. Bereits dieser leichte Salzgehalt im Wasser reicht für eine sichere "
    u"Entkeimung des Schwimbadwassers aus.",
    u"",
    u"Die Hydrolife 16 ist für private Schwimmbecken geeignet und enthält eine selbstreinigende Zelle.",
    u"Leistung: max. 16 g CL pro Std.; empf. Beckeninhalt max. 60 m³",
};

constexpr QStringView oxilife[] = {
    u"Es handelt sich um eine zweifache Wasserentkeimung.",
    u"Hydrolyse und Salzwasserelektrolyse werden zur optimalen Wasserdesinfektion kombiniert.",
    u"Mit nur 1,5g Salz pro Liter werden sowohl Chlor als auch Desinfektionsmittel auf Sauerstoffbasis erzeugt.",
    u"Daher wird bei Oxilife das optimale Desinfektionsergebnis hauptsächlich durch schnell abbauende "
    u"Sauerstoffverbindungen erzielt.",
};

constexpr QStringView wifiModule[] = {
    u"Fernsteuerungsmodul WIFI",
    u"ermöglicht die Steuerung des gesamten Schwimmbeckens durch Smartphone , Tablet oder Computer solange das WiFi "
    u"bis zum Gerät reicht",
};

constexpr QStringView closingLine = u"Größere Anlagen auf Anfrage erhältlich!";

constexpr Electrolysis units[] = {
    {u"Salzwasserelektrolyse Hydrolife", u"1399,00", hydrolife, false},
    {u"Salzwasserelektrolyse Oxilife", u"1549,00", oxilife, false},
    {u"Salzwasserelektrolyse Hydrolife mit WiFi Modul", u"1998,00", hydrolife, true},
    {u"Salzwasserelektrolyse Oxilife mit WiFi Modul", u"2148,00", oxilife, true},
};

} // namespace

const std::span<const Filter> catalogue = rows;
const std::span<const Band> bands = bandRows;
const std::span<const Electrolysis> electrolysisUnits = units;

QStringList Filter::description() const
{
    QStringList text = app::linesOf(lines);
    if (blankLine)
        text << QString();
    return text;
}

const Band &bandFor(app::Number volume)
{
    const auto band = std::find_if(bands.begin(), bands.end() - 1, [volume](const Band &b) { return volume > b.above; });
    return *band;
}

const Band &lowestBand()
{
    return bands.back();
}

QStringList namesFrom(int firstRow)
{
    QStringList names;
    for (const Filter &row : catalogue.subspan(firstRow - 1))
        names << row.name.toString();
    return names;
}

QStringList Electrolysis::text() const
{
    QStringList text = app::linesOf(lines);
    if (wifi)
        text << QString() << app::linesOf(wifiModule);
    text << closingLine.toString();
    return text;
}

QStringList electrolysisRows()
{
    QStringList rows{QString()};
    for (const Electrolysis &unit : electrolysisUnits)
        rows << unit.name.toString();
    return rows;
}

} // namespace filter
