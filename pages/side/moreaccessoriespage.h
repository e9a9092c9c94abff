#pragma once

#include "app/page.h"
#include "ui_moreaccessoriespage.h"

#include <QList>

// Information page "Mehr Zubehör": five accessories in pictures. A click enlarges a
// picture with its title above it, a double-click puts it back; the hang-in light
// shows its exchangeable colour discs beside it while enlarged.
class Tmzs : public app::Page
{
    Q_OBJECT

public:
    Tmzs();

private:
    void pictureClick(int index);
    void pictureDblClick(int index);
    void showDiscs(bool visible);

    Ui::Tmzs ui;
    QList<QWidget *> m_pictures;
};
