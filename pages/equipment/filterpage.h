#pragma once

#include "app/page.h"
#include "ui_filterpage.h"

// The filter systems page, step 4 of the walk.
class TFip : public app::Page
{
    Q_OBJECT

public:
    TFip();

private:
    void skimClick();
    void Button2Click();

    Ui::TFip ui;
};
