#pragma once

#include "app/page.h"
#include "ui_morepoolpage.h"

#include <QList>

// Information page "Mehr Schwimmbad": how the concrete-free pool wall of foam blocks is
// built, in five pictures with their notes. A click enlarges a picture and hides the
// rest of the page, a double-click puts everything back.
class Tmss : public app::Page
{
    Q_OBJECT

public:
    Tmss();

private:
    void fitToScreen();
    void pictureClick(int index);
    void pictureDblClick(int index);

    Ui::Tmss ui;
    QList<QWidget *> m_pictures;
    QList<QWidget *> m_notes;
};
