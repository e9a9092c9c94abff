#pragma once

#include "app/page.h"
#include "ui_filterpage.h"

#include <QList>

// The filter systems page, step 4 of the walk: a filter system from the catalogue
// narrowed to the pool's volume, a salt-water electrolysis unit, and the running total.
class TFip : public app::Page
{
    Q_OBJECT

public:
    TFip();

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormMouseMove(QPoint) override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Button3Click();
    void vmChange();
    void FilterauswahlChange();
    void elektroChange();
    void Button1Click();
    void Button2Click();
    void skimClick();

    Ui::TFip ui;
    QList<QWidget *> m_filterPictures;
    QList<QWidget *> m_electrolysisPictures;
};
