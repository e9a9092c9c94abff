#pragma once

#include "app/page.h"
#include "ui_ovalpoolpage.h"

// The oval pool page: the pool kit of an oval pool.
class Tol : public app::Page
{
    Q_OBJECT

public:
    Tol();

private:
    void Button2Click();
    void Button3Click();

    Ui::Tol ui;
};
