#pragma once

#include "app/page.h"
#include "ui_morepoolpage.h"

// Information page: pictures and notes on concrete-free pool wall.
class Tmss : public app::Page
{
    Q_OBJECT

public:
    Tmss();

private:
    Ui::Tmss ui;
};
