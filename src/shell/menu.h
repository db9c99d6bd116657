#pragma once

#include <QString>
#include <vector>

// The five module windows the main window opens.
enum class Module { Tables, Payroll, Reports, Annual, Parameters };

// One item of the main menu: its menu, its sub-menu (or none), its caption, the window it
// opens and the tab it asks for. The "Quitter" item is not a module and is kept apart.
struct MenuEntry {
    QString menu;
    QString submenu;
    QString item;
    Module module;
    int tab;
};

const std::vector<MenuEntry>& menuEntries();

// The picture buttons in their order, with their tooltips.
struct PictureButton {
    Module module;
    QString tooltip;
    QString picture;  // resource path
};
const std::vector<PictureButton>& pictureButtons();
