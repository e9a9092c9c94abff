#pragma once

#include "app/page.h"
#include "ui_underwatercleanerpage.h"

#include <QList>

// The underwater cleaners page, step 9 of the walk and the last catalogue page: at most
// one cleaner, added to the running total of the floor-cleaning page as the grand total.
class Tureiniger : public app::Page
{
    Q_OBJECT

public:
    Tureiniger();

protected:
    void FormActivate() override;

private:
    void urein_auswahlChange();
    void Button3Click();
    void Button1Click();

    Ui::Tureiniger ui;
    QList<QWidget *> m_pictures;
};
