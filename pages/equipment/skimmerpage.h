#pragma once

#include "app/page.h"
#include "ui_skimmerpage.h"

// The skimmer and inlet nozzles page, step 6 of the walk.
class TSkimmer : public app::Page
{
    Q_OBJECT

public:
    TSkimmer();

private:
    void Button2Click();
    void Button1Click();

    Ui::TSkimmer ui;
};
