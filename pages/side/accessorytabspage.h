#pragma once

#include "app/page.h"
#include "ui_accessorytabspage.h"

// Information page: covers and lights on tabs.
class Tmezs : public app::Page
{
    Q_OBJECT

public:
    Tmezs();

private:
    Ui::Tmezs ui;
};
