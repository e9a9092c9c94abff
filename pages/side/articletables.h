#pragma once

#include <QStringList>
#include <QStringView>

#include <span>

// The further articles of the dealer's range: the topics and their sub-topics, and for
// each sub-topic the lines of its text, the pictures shown and the captions under them,
// with the texts exactly as the page shows them.
namespace articles {

// The text of the selection box while no sub-topic is chosen.
inline constexpr QStringView prompt = u"Wählen Sie aus dieser Liste Ihren Themenbereich";

// Height of the text box above the pictures, and of the one that covers the picture
// area for the long product list that has no pictures.
inline constexpr int memoHeight = 97;
inline constexpr int fullMemoHeight = 505;

// The caption labels, left to right under the picture places 1 to 5.
inline constexpr const char *captionLabels[] = {"bmp1_txt", "BMP2_txt", "bmp3_txt", "bmp4_txt", "bmp5_txt"};
inline constexpr int captionCount = int(std::size(captionLabels));

// Every picture of the page, in groups of one sub-topic each; only one group shows.
extern const std::span<const char *const> pictureNames;

struct Topic
{
    QStringView name;
    std::span<const QStringView> subTopics;
};
extern const std::span<const Topic> topics;

// A run of text lines; an empty line is an empty text.
using Lines = std::span<const QStringView>;

struct Caption
{
    int label;  // index into captionLabels
    QStringView text;
};

struct SubTopic
{
    enum class Fill {
        AddLines,   // the text box is cleared, the lines added one by one
        WholeText,  // the text becomes the box's whole text
    };

    QStringView key;
    std::span<const Lines> text;  // pieces, shared ones among them, in order
    std::span<const char *const> pictures;
    std::span<const Caption> captions;
    Fill fill = Fill::AddLines;
    int memoHeight = articles::memoHeight;
};
// In the order they are compared; the last four are in no topic's list.
extern const std::span<const SubTopic> subTopics;

// The topic of that name, or nullptr.
const Topic *findTopic(QStringView name);
// The first sub-topic whose key equals the text exactly, or nullptr.
const SubTopic *findSubTopic(QStringView key);
// A sub-topic's text, its pieces joined.
QStringList textLines(const SubTopic &subTopic);

} // namespace articles
