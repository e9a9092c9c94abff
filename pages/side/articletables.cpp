#include "articletables.h"

#include "app/catalogue.h"

namespace articles {

namespace {

// ---- the texts several sub-topics share

constexpr QStringView contact[] = {u"Bei interesse wenden Sie sich bitte an unsere Fachberater."};

constexpr QStringView saunaLines[] = {
    u"Wir sind autorisierte Fachberater von",
    u"Knüllwald Helo Sauna",
    u"",
    u"Wir sind zuständig für",
    u"Beratung, Planung, Service, Verkauf, Aufmass und Montage",
    u"Das Programm:",
    u"",
    u"Sauna",
    u"Solarium",
    u"Dampfsauna",
    u"Infrarot-Wärmekabinen",
};

constexpr QStringView productsOnOffer[] = {u"Nachfolgende Produkte halten wir für Sie bereit:", u""};

// The products both the water care and the cleaning agents end with.
constexpr QStringView sharedProducts[] = {
    u"Duotabs (Sauerstoff, Algizid)",
    u"",
    u"Algenvernichtung (Algizid):",
    u"Pool Clearwater (Spezialkonzentrat mit Härtestabilisator)",
    u"Mini Pool Clearwater",
    u"",
    u"Poolflock (Flüssiges Flockungsmittel)",
    u"",
    u"pH-Wert korrektur (Flüssig):",
    u"pH-Wert senker",
    u"pH-Wert heber",
    u"",
    u"Überwinterungsmittel (mit Härtestabilisator):",
    u"Pool Winter Fit",
};

constexpr QStringView waterCareProducts[] = {
    u"Leichtlösliches Chlorgranulat (Calciumhypochlorid)",
    u"Schwerlösliches Chlorgranulat (Trichlorisocyanursäure)",
    u"Multitabs (Schwerlösliches Chlor, Algizid, Flockung)",
    u"Combitabs (Schwerlösliches Chlor, Algizid)",
};

// ---- the pictures, one group per sub-topic

constexpr const char *abdeck[] = {"abdeck_1", "abdeck_2", "abdeck_3", "abdeck_4", "abdeck_5"};
constexpr const char *reinigung[] = {"reinigung_1", "reinigung_2", "reinigung_3", "reinigung_4"};
constexpr const char *urein[] = {"urein_1", "urein_2", "urein_3", "urein_4", "urein_5"};
constexpr const char *beckenerwarm[] = {"beckenerwarm_1", "beckenerwarm_2", "beckenerwarm_3", "beckenerwarm_4",
                                        "beckenerwarm_5"};
constexpr const char *reinzub[] = {"reinzub_1", "reinzub_2", "reinzub_3", "reinzub_4", "reinzub_5"};
constexpr const char *beckenzub[] = {"beckenzub_1", "beckenzub_2", "beckenzub_3", "beckenzub_4", "beckenzub_5"};
constexpr const char *becken[] = {"becken_1", "becken_2", "becken_3", "becken_4", "becken_5"};
constexpr const char *wasserpflegetechnik[] = {"wasserpflegetechnik_1", "wasserpflegetechnik_2",
                                               "wasserpflegetechnik_4"};
constexpr const char *saun[] = {"saun_1", "saun_2", "saun_3", "saun_4"};
constexpr const char *infra[] = {"infra_1", "infra_2", "infra_3", "infra_4"};
constexpr const char *saunzub[] = {"saunzub_1", "saunzub_2", "saunzub_3", "saunzub_4", "saunzub_5"};

// The groups above, and two pictures that no sub-topic shows: the fifth cleaning agent
// and the third water-care unit.
constexpr const char *allPictures[] = {
    "abdeck_1", "abdeck_2", "abdeck_3", "abdeck_4", "abdeck_5",
    "reinigung_1", "reinigung_2", "reinigung_3", "reinigung_4", "reinigung_5",
    "urein_1", "urein_2", "urein_3", "urein_4", "urein_5",
    "beckenerwarm_1", "beckenerwarm_2", "beckenerwarm_3", "beckenerwarm_4", "beckenerwarm_5",
    "reinzub_1", "reinzub_2", "reinzub_3", "reinzub_4", "reinzub_5",
    "beckenzub_1", "beckenzub_2", "beckenzub_3", "beckenzub_4", "beckenzub_5",
    "becken_1", "becken_2", "becken_3", "becken_4", "becken_5",
    "wasserpflegetechnik_1", "wasserpflegetechnik_2", "wasserpflegetechnik_3", "wasserpflegetechnik_4",
    "saun_1", "saun_2", "saun_3", "saun_4",
    "infra_1", "infra_2", "infra_3", "infra_4",
    "saunzub_1", "saunzub_2", "saunzub_3", "saunzub_4", "saunzub_5",
};

// ---- the topics

constexpr QStringView sauna[] = {u"Holzblock Saunen", u"Infrarotkabinen", u"Sauna Zubehör"};
constexpr QStringView schwimmbad[] = {u"Zubehör", u"Abdeckungen", u"Unterwasserreiniger", u"Wassererwärmung",
                                      u"Becken"};
constexpr QStringView wasseraufbereitung[] = {u"automatische Wasserdesinfektion", u"Wasserpflegemittel"};
constexpr QStringView reinigungszubehoer[] = {u"Reinigungszubehör"};
constexpr QStringView reinigungsmittel[] = {u"Reinigungsmittel"};

constexpr Topic topicTable[] = {
    {u"Sauna", sauna},
    {u"Schwimmbad", schwimmbad},
    {u"Wasseraufbereitung", wasseraufbereitung},
    {u"Reinigungszubehör", reinigungszubehoer},
    {u"Reinigungsmittel", reinigungsmittel},
};

// ---- the sub-topics: their own lines, then the shared pieces in their order

constexpr QStringView abdeckungenOwn[] = {
    u"Neben den bereits in diesem Programm aufgeführten Schwimmbadabdeckungen haben wir noch weitere im Programm."};
constexpr Lines abdeckungenText[] = {abdeckungenOwn, contact};
constexpr Caption abdeckungenCaptions[] = {
    {2, u"Aufrollvorrichtungen für Abdeckungen"},
    {4, u"Gewebeverstärkte Folie mit Ösen und Kordel"},
};

constexpr QStringView wasserpflegemittelOwn[] = {u"Wir bieten Ihnen Beratung und Verkauf zur Wasseraufbereitung an. "};
constexpr Lines wasserpflegemittelText[] = {wasserpflegemittelOwn, contact, productsOnOffer, waterCareProducts,
                                            sharedProducts};

constexpr QStringView reinigungsmittelOwn[] = {u"Wir bieten Ihnen Beratung und Verkauf für Reinigungsmittel an."};
constexpr QStringView cleaningAgents[] = {
    u"Hydro Bio (Spezialreiniger für Kalk- sowie Eisen- und Manganablagerungen",
    u"Hydro 2000 Super (extra starker Kalklöser)",
    u"K90 (metalschonender Kalklöser auf biologischer Basis",
    u"Alpha Gelb (starker Fett- und Schmutzlöser",
};
constexpr Lines reinigungsmittelText[] = {reinigungsmittelOwn, contact, productsOnOffer, cleaningAgents,
                                          sharedProducts};

constexpr QStringView unterwasserreinigerOwn[] = {
    u"Neben den bereits in diesem Programm aufgeführten Unterwasserreinigern können wir Ihnen noch weitere Modelle "
    u"anbieten.",
    u"Die Unterwasserreiniger gibt sowohl für den Privaten als auch für den Gewerblichen Bereich.",
};
constexpr Lines unterwasserreinigerText[] = {unterwasserreinigerOwn, contact};

constexpr QStringView wassererwaermungOwn[] = {
    u"Neben den bereits in diesem Programm aufgeführten Geräten zur Wassererwärmung haben wir noch weitere Artikel "
    u"dazu im Angebot."};
constexpr Lines wassererwaermungText[] = {wassererwaermungOwn, contact};
constexpr Caption wassererwaermungCaptions[] = {
    {0, u"Solarkollektoren"},
    {1, u"Elektroheizer"},
    {2, u"Wärmetauscher für Hausheizungsanschluss"},
    {3, u"Mit einer Wärmepumpe verlängern Sie Ihre Badesaison ganz entscheidend."},
    {4, u""},
};

constexpr QStringView reinigungszubehoerOwn[] = {
    u"Professionelle und effektive Reinigung für den Privaten und Gewerblichen Einsatz.",
    u"",
    u"Boden- Fenster- Wandwischer, Gummiabzieher, Bürsten, Teleskopstangen, uvm.",
};
constexpr Lines reinigungszubehoerText[] = {reinigungszubehoerOwn, contact};
constexpr Caption reinigungszubehoerCaptions[] = {
    {0, u"Fenster-, Wand- und Bodenwischer"},
    {1, u"Wasserabzieher"},
    {2, u"Breiter Eimer für Wischer"},
    {3, u"Vielzweckgreifer"},
    {4, u"Teleskopstangen (ausziehbar)"},
};

constexpr QStringView zubehoerOwn[] = {
    u"Wir bieten Ihnen eine große Auswahl an Schwimmbadzubehör.",
    u"",
    u"Thermomter, Wasserspielzeug, Gegenstromanlagen, Umkleidekabinen uvm.",
};
constexpr Lines zubehoerText[] = {zubehoerOwn, contact};
constexpr Caption zubehoerCaptions[] = {
    {0, u"Thermometer für Privaten und Gewerblichen gebrauch"},
    {2, u"Wasserspielzeug für groß und klein"},
    {3, u"Gegenstromanlagen für den sportlichen Aspekt"},
    {4, u"Diverse Kescher"},
};

constexpr QStringView beckenOwn[] = {
    u"Neben den bereits in diesem Programm aufgeführten Stahlwand und Betonbecken haben wir noch weitere im Programm."};
constexpr Lines beckenText[] = {beckenOwn, contact};
constexpr Caption beckenCaptions[] = {
    {0, u"Abkühlung ohne große Anstrengungen"},
    {1, u"Stabile Planschbecken für mehr Spaß"},
    {2, u"Fertigschwimmbecken aus GFK"},
    {3, u"Elegante Holzverkleidung"},
    {4, u"Individuelle Gestaltung durch Gebogene Styroporsteine"},
};

constexpr QStringView desinfektionOwn[] = {
    u"Wir bieten Ihnen auch Beratung und Verkauf für automatische Chlordosieranlage, Salzwasserelktrolyse, "
    u"UV-Anlagen oder kombinationen an."};
constexpr Lines desinfektionText[] = {desinfektionOwn, contact};
constexpr Caption desinfektionCaptions[] = {
    {0, u"Chlordosieranlagen"},
    {1, u"Desinfektion durch Salzwasserelektrolyse"},
    {3, u"Hygienisches Wasser durch UV-Licht"},
};

constexpr Lines saunaText[] = {saunaLines};
constexpr Caption holzblockCaptions[] = {
    {0, u""},
    {1, u"Individuell Planbare Saunen"},
    {2, u"Außen sowie Innen einsetzbar"},
    {3, u"Beratung und Planung durch geschultes Personal"},
};

constexpr QStringView infrarotLines[] = {
    u"Infrarotkabinen sind für jedes Lebensalter, selbst für Kinder und Senioren, geeignet. Der Körper wird durch "
    u"die Infrarotstrahlen direkt aufgewärmt.",
    u"Die Luft in der Kabine bleibt dabei mit 30 bis 50 °C angenehm mild.",
    u"Der Kreislauf wird deshalb viel weniger belastet als in der klassischen Sauna.",
    u"Eine Infrarotkabine ist in wenigen Minuten aufgeheizt und braucht nur eine normale Steckdose.",
    u"Besonders zu empfehlen sind Infrarotkabinen auch für Menschen,",
    u"die wegen Krampfadern nicht in die Sauna dürfen.",
};
constexpr Lines infrarotText[] = {infrarotLines};
constexpr Caption infrarotCaptions[] = {
    {0, u"Einfach oder..."},
    {1, u"...elegant."},
    {2, u"Entspannend individuell"},
    {3, u"schnell und effizient."},
};

constexpr Caption saunaZubehoerCaptions[] = {
    {0, u"Rund um die Sauna"},
    {1, u"Saunadüfte"},
    {2, u"Saunaöfen"},
    {3, u"Entspannung durch Lichteinsatz"},
};

constexpr QStringView arbeitsschutzLines[] = {
    u"In unserem Sortiment finden Sie neben Arbeitsbekleidung auch Persönliche Schutzausrüstung."};
constexpr Lines arbeitsschutzText[] = {arbeitsschutzLines};

constexpr QStringView bootszubehoerLines[] = {
    u"Für die Bootsfahrer haben wir unter anderem Rettungsringe, Bootshaken und weitere Artikel im Angebot."};
constexpr Lines bootszubehoerText[] = {bootszubehoerLines};

constexpr QStringView schwimmbadabdeckungenLines[] = {
    u"Zusätzlich zu den im Programm bereits aufgeführten Schwimmbadabdeckungen gibt es noch weitere,",
    u"über die Sie unser Fachpersonal informieren kann.",
    u"",
    u"", u"", u"", u"", u"", u"", u"", u"",
};
constexpr Lines schwimmbadabdeckungenText[] = {schwimmbadabdeckungenLines};

using Fill = SubTopic::Fill;

constexpr SubTopic subTopicTable[] = {
    {u"Abdeckungen", abdeckungenText, abdeck, abdeckungenCaptions},
    {u"Wasserpflegemittel", wasserpflegemittelText, {}, {}, Fill::AddLines, fullMemoHeight},
    {u"Reinigungsmittel", reinigungsmittelText, reinigung, {}},
    {u"Unterwasserreiniger", unterwasserreinigerText, urein, {}},
    {u"Wassererwärmung", wassererwaermungText, beckenerwarm, wassererwaermungCaptions},
    {u"Reinigungszubehör", reinigungszubehoerText, reinzub, reinigungszubehoerCaptions},
    {u"Zubehör", zubehoerText, beckenzub, zubehoerCaptions},
    {u"Becken", beckenText, becken, beckenCaptions},
    {u"automatische Wasserdesinfektion", desinfektionText, wasserpflegetechnik, desinfektionCaptions},
    {u"Holzblock Saunen", saunaText, saun, holzblockCaptions},
    {u"Infrarotkabinen", infrarotText, infra, infrarotCaptions},
    {u"Sauna Zubehör", saunaText, saunzub, saunaZubehoerCaptions},
    {u"Arbeitsschutz", arbeitsschutzText, {}, {}, Fill::WholeText},
    {u"Bootszubehör", bootszubehoerText, {}, {}, Fill::WholeText},
    {u"Sauna", saunaText, {}, {}},
    {u"Schwimmbadabdeckungen", schwimmbadabdeckungenText, abdeck, {}},
};

} // namespace

const std::span<const char *const> pictureNames = allPictures;
const std::span<const Topic> topics = topicTable;
const std::span<const SubTopic> subTopics = subTopicTable;

const Topic *findTopic(QStringView name)
{
    return app::lookUp(topics, name);
}

const SubTopic *findSubTopic(QStringView key)
{
    for (const SubTopic &subTopic : subTopics)
        if (key == subTopic.key)
            return &subTopic;
    return nullptr;
}

QStringList textLines(const SubTopic &subTopic)
{
    QStringList lines;
    for (const Lines &piece : subTopic.text)
        lines << app::linesOf(piece);
    return lines;
}

} // namespace articles
