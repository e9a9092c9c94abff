#pragma once

#include "app/numbertext.h"
#include "app/page.h"
#include "ui_solarsizingpage.h"

#include <QList>

// The solar absorber sizing page, reached from the water-heating page: the water surface
// and volume of a pool and how much of the surface a number of absorbers would match.
class Tsber : public app::Page
{
    Q_OBJECT

public:
    Tsber();

protected:
    void FormActivate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rClick();
    void shapeClick(QCheckBox *shape);
    void dimensionChange(QLineEdit *dimension);
    void hEnter();
    void hExit();
    void anzddChange();
    void vChange();
    void displayFormat(QLineEdit *result);
    void Panel3Click();
    void Panel4Click();
    void Button1Click();

    app::Number absorberArea() const;

    Ui::Tsber ui;
    QList<QCheckBox *> m_shapes;
};
