#pragma once

#include "app/page.h"

// The window that goes with the quote store; never shown (the store is app::daten).
class Tdatenspeicher : public app::Page
{
    Q_OBJECT

public:
    Tdatenspeicher();
};
