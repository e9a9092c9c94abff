#pragma once

#include "app/navigation.h"
#include "app/page.h"
#include "ui_furtherarticlespage.h"

#include <QList>

class QCheckBox;
class QPushButton;

// The further articles of the dealer's range, beyond the priced configurator: a topic
// chosen in the list loads its sub-topics into the selection box, and a sub-topic
// shows its text and up to five captioned pictures. No prices, no quote slots.
class Tartikel : public app::Page
{
    Q_OBJECT

public:
    Tartikel();

private:
    void themenClick();
    void themenMouseMove();
    void AuswahlChange();
    void deleteClick();
    void captiondelClick();
    void infoPageClick(QCheckBox *box, app::PageId infoPage);
    void SpeedButton1Click();
    void SpeedButton2Click();

    Ui::Tartikel ui;
    QPushButton *m_delete;  // "delete": its name is a word of C++, so the form cannot declare it
    QList<QWidget *> m_pictures;
    QList<QLabel *> m_captions;
};
