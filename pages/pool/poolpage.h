#pragma once

#include "app/look.h"
#include "app/mainmenu.h"
#include "app/page.h"
#include "pooltables.h"

#include <QColor>
#include <QList>
#include <QRect>


class QCheckBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace pool {
// Caption colours of the pool pages' check boxes.
inline const QColor aqua(0, 255, 255);
inline const QColor navy(0, 0, 128);
inline const QColor yellow(255, 255, 0);
inline const QColor red(255, 0, 0);
} // namespace pool

// Step 1 of the walk, common to the four pool shapes: the choice of size, liner and
// wall height, the recompute of kit, edge stones, construction, summary list and pool
// total, the store on "&Weiter -->", the edge-stone samples, the zoomable pool picture
// and the font steps. A shape's page sets up its form, then calls wire(); its prices
// and texts come from its pool::Shape, its own events are small overrides.
class PoolPage : public app::Page
{
    Q_OBJECT

public:
    PoolPage(const QString &caption, QSize clientSize, const pool::Shape &shape,
             app::GoToCaptions menuCaptions = app::GoToCaptions::Standard);

    // F2 / F1: the size, liner and height groups, the page's own font and the summary list.
    void fontStep(int points) override;

protected:
    // Finds the common controls on the form and wires their handlers.
    void wire();

    // The recompute: rebuilds every derived text from the state of the controls.
    void Button1Click();
    // A click on a size, liner or height button.
    virtual void choiceClick();
    // First step of the recompute, for what a shape resets on every change.
    virtual void beforeRecompute() {}

    void showHandrailNote(bool visible);
    // The edge-stone samples back to their place and size on the form.
    void handrailNoteWhileFocused();
    void samplesHome();

    const pool::Shape &shape;

    // Common controls; those a shape does not have stay nullptr.
    QList<QRadioButton *> sizeButtons, linerButtons, heightButtons;
    QCheckBox *beckenrand = nullptr;
    QCheckBox *conzero = nullptr;
    QCheckBox *hand = nullptr;
    QList<QWidget *> samples;
    QLineEdit *pr = nullptr, *du = nullptr, *hh = nullptr, *mmm = nullptr, *fo = nullptr, *flies = nullptr,
              *randpr = nullptr, *conzeropreis = nullptr, *handtxt = nullptr, *bet = nullptr, *sbges = nullptr;
    QListWidget *zus = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;
    QWidget *handlauf_txt = nullptr, *handlauf_bmp = nullptr;
    QWidget *Panel6 = nullptr, *Image2 = nullptr;

private:
    void Button2Click();
    void Button3Click();
    void beckenrandClick();
    void Image2Click();
    void Image2DblClick();
    void MehrinfoszumAufbau1Click();
    void Hierklickenfrmehrinformationen1Click();

    void writeSlots();
    int chosen(const QList<QRadioButton *> &group) const;
    const pool::Size *chosenSize() const;

    QList<QLineEdit *> m_summaryEdits;
    QList<QRect> m_sampleHome;
    QRect m_pictureHome;

    // F2 / F1 on the size, liner and height groups, the page and the summary list.
    app::SteppedFont m_panel3Font, m_panel4Font, m_panel5Font, m_pageFont, m_zusFont;
};
