#pragma once

#include <QFont>

// The interface fonts 1 to 10 the windows use for their controls; each window loads them
// again when it opens.
void LoadUiFonts();
QFont uiFont(int number);
