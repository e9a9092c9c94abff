#pragma once

#include "app/page.h"
#include "ui_solarsizingpage.h"

// The solar absorber sizing page, reached from the water-heating page.
class Tsber : public app::Page
{
    Q_OBJECT

public:
    Tsber();

private:
    void Panel3Click();

    Ui::Tsber ui;
};
