#include "main_window.h"

#include "dialogs.h"
#include "session.h"
#include "ui_fonts.h"
#include "widgets.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

void ModuleRegistry::open(Module module, Session& session, QWidget* parent) const
{
    const auto it = m_openers.find(module);
    if (it == m_openers.end()) {
        session.dialogs().message(u"Quorix"_s,
                                  u"Ce module n'est pas encore disponible dans cette version."_s);
        return;
    }
    it->second(session, parent);
}

void dispatchModule(Session& session, const ModuleRegistry& registry, Module module, int tab,
                    QWidget* parent)
{
    session.tabRequest = tab;
    registry.open(module, session, parent);
    session.tabRequest = 0;
}

MainWindow::MainWindow(Session& session, const ModuleRegistry& registry)
    : m_session(session), m_registry(registry)
{
    const QString title = u"Quorix v.12 (Logiciel de gestion paye du personnel - 2021)"_s;
    setWindowTitle(title);
    setAccessibleName(title);
    setWindowIcon(QIcon(u":/pictures/icon.png"_s));
    LoadUiFonts();
    buildMenu();
    buildPictures();
    // Sized to the desktop too, for desktops without a window manager to maximise it.
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    setGeometry(desktop);
    setWindowState(Qt::WindowMaximized);
}

void MainWindow::buildMenu()
{
    QMenu* menu = nullptr;
    QMenu* submenu = nullptr;
    QString menuTitle;
    QString submenuTitle;
    for (const MenuEntry& entry : menuEntries()) {
        if (entry.menu != menuTitle) {
            menuTitle = entry.menu;
            menu = menuBar()->addMenu(menuTitle);
            menu->setAccessibleName(menuTitle);
            submenu = nullptr;
            submenuTitle.clear();
        }
        QMenu* target = menu;
        if (!entry.submenu.isEmpty()) {
            if (entry.submenu != submenuTitle) {
                submenuTitle = entry.submenu;
                submenu = menu->addMenu(submenuTitle);
                submenu->setAccessibleName(submenuTitle);
            }
            target = submenu;
        }
        QAction* action = target->addAction(entry.item);
        const Module module = entry.module;
        const int tab = entry.tab;
        connect(action, &QAction::triggered, this, [this, module, tab] {
            dispatchModule(m_session, m_registry, module, tab, this);
        });
        m_actions[entry.item] = action;
    }
    menu->addSeparator();
    m_quit = menu->addAction(u"Quitter"_s);
    connect(m_quit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::buildPictures()
{
    auto* central = new QWidget(this);
    ::setBackground(central, rgb(255, 255, 255));
    setCentralWidget(central);

    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    const QPixmap banner(u":/pictures/main_banner.png"_s);
    auto* bannerLabel = new QLabel(central);
    bannerLabel->setPixmap(banner);
    bannerLabel->setAccessibleName(u"Quorix"_s);
    bannerLabel->setGeometry((desktop.width() - banner.width()) / 2, 50, banner.width(),
                             banner.height());

    const auto& buttons = pictureButtons();
    constexpr int width = 162;
    constexpr int height = 75;
    const int rowWidth = width * int(buttons.size());
    const int left = (desktop.width() - rowWidth) / 2;
    const int top = 50 + banner.height();
    for (size_t i = 0; i < buttons.size(); ++i) {
        const PictureButton& b = buttons[i];
        auto* button = new QPushButton(central);
        button->setIcon(QIcon(b.picture));
        button->setIconSize(QSize(width, height));
        button->setFlat(true);
        button->setStyleSheet(u"QPushButton { border: none; padding: 0; }"_s);
        button->setGeometry(left + int(i) * width, top, width, height);
        button->setToolTip(b.tooltip);
        button->setAccessibleName(b.tooltip);
        const Module module = b.module;
        connect(button, &QPushButton::clicked, this, [this, module] {
            dispatchModule(m_session, m_registry, module, 0, this);
        });
    }
}

QAction* MainWindow::menuAction(const QString& item) const
{
    const auto it = m_actions.find(item);
    return it == m_actions.end() ? nullptr : it->second;
}
