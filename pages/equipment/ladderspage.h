#pragma once

#include "app/page.h"
#include "ui_ladderspage.h"

// The ladders page, step 3 of the walk.
class TLeitern : public app::Page
{
    Q_OBJECT

public:
    TLeitern();

private:
    void Button1Click();
    void Button2Click();

    Ui::TLeitern ui;
};
