#pragma once

#include "menu.h"

#include <QMainWindow>
#include <functional>
#include <map>

class Session;

// Which function opens each module window. main() registers the windows; tests register
// recorders. Each opener reads the session's tab request and returns when its window closes.
class ModuleRegistry {
public:
    using Opener = std::function<void(Session&, QWidget* parent)>;
    void set(Module module, Opener opener) { m_openers[module] = std::move(opener); }
    bool has(Module module) const { return m_openers.count(module) != 0; }
    void open(Module module, Session& session, QWidget* parent) const;

private:
    std::map<Module, Opener> m_openers;
};

// Sets the tab request, opens the module window, and sets the request back to 0 once the
// window has closed, so a picture button always opens a window on its first tab.
void dispatchModule(Session& session, const ModuleRegistry& registry, Module module, int tab,
                    QWidget* parent);

// The maximised main window: menu, banner and the five picture buttons. It does no work
// itself; every command opens a module window through the registry.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Session& session, const ModuleRegistry& registry);

    // The menu action of an item caption, for tests and accessibility clients.
    QAction* menuAction(const QString& item) const;
    QAction* quitAction() const { return m_quit; }

private:
    void buildMenu();
    void buildPictures();

    Session& m_session;
    const ModuleRegistry& m_registry;
    std::map<QString, QAction*> m_actions;
    QAction* m_quit = nullptr;
};
