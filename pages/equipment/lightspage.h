#pragma once

#include "app/page.h"
#include "ui_lightspage.h"

// The underwater lights page, step 7 of the walk.
class TLight : public app::Page
{
    Q_OBJECT

public:
    TLight();

private:
    void Button2Click();
    void Button1Click();

    Ui::TLight ui;
};
