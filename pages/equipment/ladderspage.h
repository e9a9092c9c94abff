#pragma once

#include "ladderstables.h"

#include "app/look.h"
#include "app/page.h"
#include "ui_ladderspage.h"

#include <QHash>
#include <QList>

// The ladders page, step 3 of the walk: first how the pool is installed, then a ladder
// or stair for that installation, the pool's wall height and shape, and the ladder tilt
// hinge, added to the running total brought from the covers page.
class TLeitern : public app::Page
{
    Q_OBJECT

public:
    TLeitern();

    // F2 / F1: the page's own font one point larger or smaller.
    void fontStep(int points) override;

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormMouseMove(QPoint) override;

private:
    void neingClick();
    void heingClick();
    void eingClick();
    void LeiterauswahlChange();
    void leitergelenkClick();
    void Button1Click();
    void Button2Click();

    void readStore();
    void offerLadders(ladders::Installation installation);
    void showLadderPictures(const ladders::Ladder *ladder);
    void computeTotal();

    Ui::TLeitern ui;
    // The ladder pictures, all directly on the page; the hinge picture is not one of them.
    QHash<QString, QWidget *> m_pictures;
    // The page's font and that of each of its texts: under a style sheet Qt passes no
    // change of a page's font on to its controls.
    QList<app::SteppedFont> m_pageFonts;
};
