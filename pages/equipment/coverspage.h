#pragma once

#include "app/page.h"
#include "ui_coverspage.h"

// The pool covers page, step 2 of the walk.
class Tabdeckung : public app::Page
{
    Q_OBJECT

public:
    Tabdeckung();

private:
    void Button1Click();
    void Button2Click();

    Ui::Tabdeckung ui;
};
