#pragma once

#include "app/page.h"
#include "ui_lightspage.h"

#include <QList>

// The underwater lights page, step 7 of the walk: one kind of light and how many.
class TLight : public app::Page
{
    Q_OBJECT

public:
    TLight();

protected:
    void FormShow() override;

private:
    void licht_auswahlChange();
    void Button2Click();
    void Button1Click();

    void lineTotals();

    Ui::TLight ui;
    QList<QWidget *> m_pictures;
};
