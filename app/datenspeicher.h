#pragma once

#include "app/page.h"

// The window that goes with the quote store; created at start-up, never shown.
class Tdatenspeicher : public app::Page
{
    Q_OBJECT

public:
    Tdatenspeicher();
};
