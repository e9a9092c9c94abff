#pragma once

#include "app/page.h"
#include "ui_furtherarticlespage.h"

// The further articles of the dealer's range, beyond the priced configurator.
class Tartikel : public app::Page
{
    Q_OBJECT

public:
    Tartikel();

private:
    void SpeedButton1Click();

    Ui::Tartikel ui;
};
