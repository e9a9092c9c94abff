#include "datenspeicher.h"

Tdatenspeicher::Tdatenspeicher() : Page(QStringLiteral("datenspeicher"), {320, 240}) {}
