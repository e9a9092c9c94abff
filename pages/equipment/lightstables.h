#pragma once

#include <QStringView>

#include <span>

// The underwater lights of the season's list, in the order the list offers them: the
// name the list shows, the unit price, the pictures and the description.
namespace lights {

// How a description goes into the memo: as its whole text, or line by line below what
// the memo holds, as a memo's lines are added.
enum class Fill { WholeText, AddedLines };

struct Light
{
    QStringView name;
    QStringView price;
    std::span<const char *const> pictures;   // object names of the pictures shown with it
    std::span<const QStringView> description;
    Fill fill;
};

// Every item of the list, the prompt and the empty last item included.
std::span<const Light> catalogue();

// Every picture of the page, shown or not.
std::span<const char *const> allPictures();

} // namespace lights
