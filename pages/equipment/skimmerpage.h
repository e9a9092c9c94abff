#pragma once

#include "app/page.h"
#include "skimmertables.h"
#include "ui_skimmerpage.h"

// The skimmer and inlet nozzles page, step 6 of the walk: a built-in skimmer and
// additional inlet nozzles, priced for the pool's shape, refused with the hang-on
// cartridge filter.
class TSkimmer : public app::Page
{
    Q_OBJECT

public:
    TSkimmer();

protected:
    void FormActivate() override;
    void FormMouseMove(QPoint) override;
    void FormMouseDown(QPoint) override;
    void FormMouseUp(QPoint) override;

private:
    void ebsk1Click();
    void BronzeskimClick();
    void KeinSkimClick();
    void zedClick();
    void anzedChange();
    void Button2Click();
    void Button1Click();

    void chooseSkimmer(const skimmer::Skimmer &chosen, QRadioButton *other);
    void totals();
    void setChoicesEnabled(bool enabled);
    bool rectangularPool() const;
    bool cartridgeFilter() const;
    QString nozzleQuoteLine() const;

    Ui::TSkimmer ui;
    // Set while an activation re-runs the nozzles: the count the user chose stays.
    bool m_keepCount = false;
};
