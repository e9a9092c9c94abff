// The tables of the further articles, without windows: every topic's sub-topic has its
// entry, every picture an entry shows exists once, captions fit the five labels, and the
// shared texts are shared.
#include "pages/side/articletables.h"

#include <QSet>
#include <QTest>

using namespace articles;

namespace {

QStringList names(std::span<const char *const> pictures)
{
    QStringList out;
    for (const char *name : pictures)
        out << QString::fromLatin1(name);
    return out;
}

QStringList linesOf(const char *key)
{
    const SubTopic *subTopic = findSubTopic(QString::fromUtf8(key));
    return subTopic ? textLines(*subTopic) : QStringList{QStringLiteral("(no entry)")};
}

} // namespace

class ArticleTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySubTopicOfATopicHasAnEntry()
    {
        QStringList listed;
        for (const Topic &topic : topics) {
            QVERIFY(!topic.subTopics.empty());
            for (QStringView row : topic.subTopics) {
                QVERIFY2(findSubTopic(row), qPrintable(row.toString()));
                listed << row.toString();
            }
        }
        QCOMPARE(listed.size(), 12);
        // Reached only by typing them.
        QStringList unlisted;
        for (const SubTopic &subTopic : subTopics)
            if (!listed.contains(subTopic.key.toString()))
                unlisted << subTopic.key.toString();
        QCOMPARE(unlisted, (QStringList{"Arbeitsschutz", "Bootszubehör", "Sauna", "Schwimmbadabdeckungen"}));
        // The topics "Reinigungszubehör" and "Reinigungsmittel" are sub-topics of their own.
        QVERIFY(findTopic(u"Reinigungsmittel") && findSubTopic(u"Reinigungsmittel"));
        QVERIFY(!findTopic(u"Abdeckungen"));
    }

    void fiftyTwoPicturesEachShownByAtMostOneGroup()
    {
        const QStringList all = names(pictureNames);
        QCOMPARE(all.size(), 52);
        QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), 52);
        QSet<QString> shown;
        for (const SubTopic &subTopic : subTopics)
            for (const QString &name : names(subTopic.pictures)) {
                QVERIFY2(all.contains(name), qPrintable(name));
                shown << name;
            }
        // Two pictures of the page belong to no sub-topic.
        QSet<QString> never(all.begin(), all.end());
        never.subtract(shown);
        QCOMPARE(never, (QSet<QString>{"reinigung_5", "wasserpflegetechnik_3"}));
    }

    void captionsFitTheFiveLabels()
    {
        for (const SubTopic &subTopic : subTopics) {
            QSet<int> used;
            for (const Caption &caption : subTopic.captions) {
                QVERIFY(caption.label >= 0 && caption.label < captionCount);
                QVERIFY2(!used.contains(caption.label), qPrintable(subTopic.key.toString()));
                used << caption.label;
            }
            // A caption stands under a picture of the group.
            if (subTopic.pictures.empty())
                QVERIFY(subTopic.captions.empty());
        }
    }

    void onlyTheLongProductListCoversThePictures()
    {
        for (const SubTopic &subTopic : subTopics)
            QCOMPARE(subTopic.memoHeight, subTopic.key == u"Wasserpflegemittel" ? fullMemoHeight : memoHeight);
        QCOMPARE(memoHeight, 97);
        QCOMPARE(fullMemoHeight, 505);
    }

    void sharedTextsAreTheSame()
    {
        const QString contact = QStringLiteral("Bei interesse wenden Sie sich bitte an unsere Fachberater.");
        for (const char *key : {"Abdeckungen", "Unterwasserreiniger", "Wassererwärmung", "Reinigungszubehör",
                                "Zubehör", "Becken", "automatische Wasserdesinfektion"})
            QCOMPARE(linesOf(key).last(), contact);
        QCOMPARE(linesOf("Wasserpflegemittel").at(1), contact);
        QCOMPARE(linesOf("Reinigungsmittel").at(1), contact);

        const QStringList sauna = linesOf("Sauna");
        QCOMPARE(sauna.size(), 11);
        QCOMPARE(linesOf("Holzblock Saunen"), sauna);
        QCOMPARE(linesOf("Sauna Zubehör"), sauna);

        // Both product lists end with the same fourteen lines, from "Duotabs" on.
        const QStringList water = linesOf("Wasserpflegemittel"), cleaning = linesOf("Reinigungsmittel");
        QCOMPARE(water.mid(water.size() - 14), cleaning.mid(cleaning.size() - 14));
        QCOMPARE(water.at(water.size() - 14), QStringLiteral("Duotabs (Sauerstoff, Algizid)"));
        QCOMPARE(cleaning.at(cleaning.size() - 15), QStringLiteral("Alpha Gelb (starker Fett- und Schmutzlöser"));
    }

    void firstEqualKeyDecides()
    {
        QVERIFY(!findSubTopic(u"abdeckungen"));
        QVERIFY(!findSubTopic(u"Abdeckungen "));
        QVERIFY(!findSubTopic(prompt));
        QCOMPARE(findSubTopic(u"Abdeckungen")->pictures.size(), std::size_t(5));
    }
};

QTEST_APPLESS_MAIN(ArticleTablesTest)
#include "tst_articletables.moc"
