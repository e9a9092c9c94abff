#pragma once

#include "app/page.h"
#include "ui_floorcleaningpage.h"

// The floor-cleaning sets page, step 8 of the walk.
class Tbrs : public app::Page
{
    Q_OBJECT

public:
    Tbrs();

private:
    void Button3Click();
    void Button1Click();

    Ui::Tbrs ui;
};
