#pragma once

#include "report_table.h"

#include <QDialog>

class QLabel;
class QTabWidget;
class QVBoxLayout;
class Session;

// The frame every module window shares: the size of the desktop, centred, a tab panel at
// 10, 10 that is 50 pixels narrower and 100 pixels lower, a " Fermer" tab that closes it,
// and its own event loop opened on the session's tab request.
class ModuleWindow : public QDialog {
    Q_OBJECT
public:
    ModuleWindow(Session& session, const QString& title, Rgb background, QWidget* parent);

    QTabWidget* tabs() const { return m_tabs; }
    Session& session() const { return m_session; }
    // Adds a working tab; its page is named after the caption.
    int addTab(QWidget* page, const QString& caption);
    // Adds the closing tab; must come last.
    void addCloseTab(const QString& caption = QStringLiteral(" Fermer"));
    // Shows the window on the requested tab and runs its event loop until it closes.
    int run(int tab);

    // A tab title in interface font 2, and the period line in font 5 under it.
    static QLabel* addTitle(QVBoxLayout* layout, const QString& title);
    static QLabel* addPeriodLine(QVBoxLayout* layout, const Session& session);

private:
    Session& m_session;
    QTabWidget* m_tabs;
    int m_closeTab = -1;
};
