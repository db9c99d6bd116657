#pragma once

#include "dialogs.h"

// The dialog seam shown on screen: message boxes over the active window.
class QtDialogs : public Dialogs {
public:
    void message(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;
};
