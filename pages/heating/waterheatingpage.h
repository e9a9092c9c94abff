#pragma once

#include "app/page.h"
#include "ui_waterheatingpage.h"

// The water-heating page, step 5 of the walk.
class Tsolar : public app::Page
{
    Q_OBJECT

public:
    Tsolar();

private:
    void Button3Click();
    void Button2Click();

    Ui::Tsolar ui;
};
