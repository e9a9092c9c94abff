#pragma once

#include "app/page.h"
#include "ui_underwatercleanerpage.h"

// The underwater cleaners page, step 9 of the walk.
class Tureiniger : public app::Page
{
    Q_OBJECT

public:
    Tureiniger();

private:
    void Button3Click();
    void Button1Click();

    Ui::Tureiniger ui;
};
