#pragma once

#include "app/page.h"
#include "ui_moreaccessoriespage.h"

// Information page: pictures and notes on accessories.
class Tmzs : public app::Page
{
    Q_OBJECT

public:
    Tmzs();

private:
    Ui::Tmzs ui;
};
