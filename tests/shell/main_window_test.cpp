#include "shell/main_window.h"
#include "support/test_support.h"

#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Opened {
    Module module;
    int tab;
    bool operator==(const Opened&) const = default;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.openPeriod(2023, 3);
        for (Module m : {Module::Tables, Module::Payroll, Module::Reports, Module::Annual,
                         Module::Parameters})
            registry.set(m, [this, m](Session& s, QWidget*) { opened.push_back({m, s.tabRequest}); });
        window = std::make_unique<MainWindow>(folder.session(), registry);
    }
    QPushButton* pictureButton(const QString& tooltip)
    {
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->toolTip() == tooltip)
                return b;
        return nullptr;
    }

    TestFolder folder;
    ModuleRegistry registry;
    std::vector<Opened> opened;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, EveryMenuItemOpensItsWindowOnItsTabAndTheRequestIsReset)
{
    const std::tuple<const char16_t*, Module, int> items[] = {
        {u"Mise à jour des paramètres", Module::Tables, 0},
        {u"Liste des rubriques", Module::Tables, 1},
        {u"Mise à jour du personnel", Module::Tables, 2},
        {u"Liste du personnel", Module::Tables, 3},
        {u"Mise à jour nouvelle paye", Module::Payroll, 0},
        {u"Calcul paye", Module::Payroll, 1},
        {u"Bloquer/Débloquer une paye", Module::Payroll, 2},
        {u"Importer la paye du mois précédent", Module::Payroll, 3},
        {u"Sauvegarder la paye du mois en cours", Module::Payroll, 4},
        {u"Bulletins de paie", Module::Reports, 0},
        {u"Journal de paye", Module::Reports, 1},
        {u"Etat de paye (Net à payer)", Module::Reports, 2},
        {u"Etat récapitulatif", Module::Reports, 3},
        {u"Etat de virement", Module::Reports, 4},
        {u"Liste détaillée par rubrique", Module::Reports, 5},
        {u"Etat de paye (détail)", Module::Reports, 6},
        {u"Déclaration annuelle (DAS)", Module::Annual, 0},
        {u"Bordereau de dépôt de la DAS", Module::Annual, 1},
        {u"Etat récapitulatif annuel", Module::Annual, 2},
        {u"Paramètres...", Module::Parameters, 0},
    };
    for (const auto& [item, module, tab] : items) {
        QAction* action = window->menuAction(QString::fromUtf16(item));
        ASSERT_NE(action, nullptr) << QString::fromUtf16(item).toStdString();
        opened.clear();
        action->trigger();
        EXPECT_EQ(opened, (std::vector<Opened>{{module, tab}})) << QString::fromUtf16(item).toStdString();
        EXPECT_EQ(folder.session().tabRequest, 0);
    }
}

TEST_F(MainWindowTest, PictureButtonsOpenTheFirstTabEvenAfterAMenuChoice)
{
    window->menuAction(u"Journal de paye"_s)->trigger();
    pictureButton(u"Bulletins de paie et journaux mensuels"_s)->click();
    EXPECT_EQ(opened, (std::vector<Opened>{{Module::Reports, 1}, {Module::Reports, 0}}));

    const std::pair<const char16_t*, Module> buttons[] = {
        {u"Table des rubriques, table du personnel", Module::Tables},
        {u"Mise à jour et calcul de la paye mensuelle", Module::Payroll},
        {u"Bulletins de paie et journaux mensuels", Module::Reports},
        {u"Déclarations annuelles et DAS", Module::Annual},
        {u"Paramètres employeur et configurations", Module::Parameters},
    };
    int left = -1;
    for (const auto& [tooltip, module] : buttons) {
        QPushButton* button = pictureButton(QString::fromUtf16(tooltip));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->accessibleName(), QString::fromUtf16(tooltip));
        EXPECT_EQ(button->size(), QSize(162, 75));
        EXPECT_EQ(button->x(), left < 0 ? button->x() : left);  // side by side, no gap
        left = button->x() + 162;
        opened.clear();
        button->click();
        EXPECT_EQ(opened, (std::vector<Opened>{{module, 0}}));
    }
}

TEST_F(MainWindowTest, MenuHasItsSubMenusAndEndsWithQuit)
{
    EXPECT_EQ(window->windowTitle(), u"Quorix v.12 (Logiciel de gestion paye du personnel - 2021)"_s);
    QStringList menus;
    for (QAction* a : window->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{u"Tables"_s, u"Paye mensuelle"_s, u"Etats mensuels"_s,
                                  u"Rapports et déclarations annuels"_s, u"Paramètres et utilitaires"_s}));
    QMenu* tables = window->menuBar()->actions().first()->menu();
    QStringList submenus;
    for (QAction* a : tables->actions())
        submenus << a->text();
    EXPECT_EQ(submenus, (QStringList{u"Table des rubriques"_s, u"Table du personnel"_s}));
    const QList<QAction*> last = window->menuBar()->actions().last()->menu()->actions();
    ASSERT_EQ(last.size(), 3);
    EXPECT_EQ(last[0]->text(), u"Paramètres..."_s);
    EXPECT_TRUE(last[1]->isSeparator());
    EXPECT_EQ(last[2], window->quitAction());
    EXPECT_EQ(last[2]->text(), u"Quitter"_s);
}

TEST_F(MainWindowTest, QuitClosesAtOnceWithoutQuestion)
{
    window->show();
    window->quitAction()->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(folder.dialogs.entries().empty());
}

TEST(ModuleRegistry, AModuleNotYetInstalledIsAnnounced)
{
    TestFolder folder;
    ModuleRegistry empty;
    dispatchModule(folder.session(), empty, Module::Annual, 2, nullptr);
    EXPECT_EQ(folder.dialogs.lastText(), u"Ce module n'est pas encore disponible dans cette version."_s);
    EXPECT_EQ(folder.session().tabRequest, 0);
}

} // namespace
