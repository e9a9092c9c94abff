#pragma once

#include "app/page.h"
#include "ui_optionspage.h"

// The options page, step 10 of the walk: the grand total and the quote list.
class Tsave : public app::Page
{
    Q_OBJECT

public:
    Tsave();

private:
    void Button1Click();
    void Button2Click();
    void Button6Click();
    void Button7Click();

    Ui::Tsave ui;
};
