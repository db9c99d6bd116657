#include "module_window.h"

#include "session.h"
#include "ui_fonts.h"
#include "widgets.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

ModuleWindow::ModuleWindow(Session& session, const QString& title, Rgb background, QWidget* parent)
    : QDialog(parent), m_session(session)
{
    LoadUiFonts();
    setWindowTitle(title);
    setAccessibleName(title);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    ::setBackground(this, background);

    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    resize(desktop.size());
    move(desktop.topLeft());

    m_tabs = new QTabWidget(this);
    m_tabs->setGeometry(10, 10, desktop.width() - 50, desktop.height() - 100);
    m_tabs->tabBar()->setFont(uiFont(1));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && index == m_closeTab)
            reject();
    });
}

int ModuleWindow::addTab(QWidget* page, const QString& caption)
{
    page->setAccessibleName(caption.trimmed());
    page->setAutoFillBackground(true);
    return m_tabs->addTab(page, caption);
}

void ModuleWindow::addCloseTab(const QString& caption)
{
    auto* page = new QWidget;
    page->setAccessibleName(caption.trimmed());
    const QSignalBlocker block(m_tabs);
    m_closeTab = m_tabs->addTab(page, caption);
}

int ModuleWindow::run(int tab)
{
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(tab >= 0 && tab < m_tabs->count() ? tab : 0);
    }
    // The requested tab may itself be the closing one.
    if (m_tabs->currentIndex() == m_closeTab)
        return QDialog::Rejected;
    setWindowState(windowState() | Qt::WindowMaximized);
    return exec();
}

QLabel* ModuleWindow::addTitle(QVBoxLayout* layout, const QString& title)
{
    auto* label = new QLabel(title);
    label->setFont(uiFont(2));
    label->setAccessibleName(title);
    layout->addWidget(label);
    return label;
}

QLabel* ModuleWindow::addPeriodLine(QVBoxLayout* layout, const Session& session)
{
    auto* label = new QLabel(periodLine(session));
    label->setFont(uiFont(5));
    label->setAccessibleName(label->text());
    layout->addWidget(label);
    return label;
}
