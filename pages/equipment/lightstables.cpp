#include "lightstables.h"

#include <array>

namespace lights {

namespace {

constexpr const char *halogenPictures[] = {"einhHalo"};
constexpr const char *ledAbsPictures[] = {"led_uw_1", "led_uw_2"};
constexpr const char *flatPictures[] = {"led_flach_weiss_abs"};

// "1½\"": one and a half inches, the straight double quote as the inch sign.
constexpr QStringView halogen[] = {
    u"aus Kunststoff inkl. 4 Farbscheiben rot, gelb, grün, blau, zum Nachrüsten für Stahlwandbecken ohne "
    u"HP-Handlauf, steckerfertig montiert, inkl. Trafo, Kabellänge 7 m, 75 W/12 V",
};
constexpr QStringView ledAbs[] = {
    u"Befestigung an einer Einlaufdüse. RGB Farblicht 180 LED, 7 Farben und 3 verschiedenen Programme. Farbwahl "
    u"durch schnelles Ein-/Ausschalten oder per Fernbedienung.6 m Kabel; Trafo 230/12 V",
};
constexpr QStringView flatWhite[] = {
    u"Betriebsdauer ca. 10.000 Std. 1½\" AG zum Einbau in bauseitige Durchführung oder Düsengrundelement, "
    u"39 LEDS . Leistung: 24,2 W, 1.860 Lumen. ",
    u"inkl.  Kabel",
};
constexpr QStringView flatRgb[] = {
    u"Licht: RGB 11 Farben und 5 Programme, inkl. Fernedienung Betriebsdauer ca. 15.000 Std. 1½\" AG zum Einbau "
    u"in bauseitige Durchführung oder Düsengrundelement, mit Kabel, 270 LEDS. Leistung: 510 Lumen.",
    u"",
};

constexpr std::array items = {
    Light{u"Wählen Sie einen Unterwasserscheinwerfer aus dieser Liste", u"0,00", {}, {}, Fill::WholeText},
    Light{u"Einhänge-Halogen-Scheinwerfer", u"149,95", halogenPictures, halogen, Fill::WholeText},
    Light{u"LED-Unterwasserscheinwerfer aus ABS für Aufstellbecken", u"209,95", ledAbsPictures, ledAbs,
          Fill::WholeText},
    Light{u"LED-Flachscheinwerfer aus ABS, Licht: weiß 24,2 Watt", u"229,95", flatPictures, flatWhite,
          Fill::AddedLines},
    Light{u"LED-Flachscheinwerfer aus ABS, Licht: RGB", u"279,95", flatPictures, flatRgb, Fill::AddedLines},
    Light{u"", u"0,00", {}, {}, Fill::WholeText},
};

// The last seven belong to lights no longer in the list; they are never shown.
constexpr const char *pictures[] = {
    "einhHalo",   "led_uw_1",   "led_uw_2",   "led_flach_weiss_abs", "led_magnet",          "uw_einfa_1",
    "uw_einfa_2", "uw_einfa_3", "led_UW_252", "aqua_slime_line",     "aqua_delight_compact",
};

} // namespace

std::span<const Light> catalogue()
{
    return items;
}

std::span<const char *const> allPictures()
{
    return pictures;
}

} // namespace lights
