#include "menu.h"

using namespace Qt::StringLiterals;

const std::vector<MenuEntry>& menuEntries()
{
    static const std::vector<MenuEntry> entries = {
        {u"Tables"_s, u"Table des rubriques"_s, u"Mise à jour des paramètres"_s, Module::Tables, 0},
        {u"Tables"_s, u"Table des rubriques"_s, u"Liste des rubriques"_s, Module::Tables, 1},
        {u"Tables"_s, u"Table du personnel"_s, u"Mise à jour du personnel"_s, Module::Tables, 2},
        {u"Tables"_s, u"Table du personnel"_s, u"Liste du personnel"_s, Module::Tables, 3},
        {u"Paye mensuelle"_s, {}, u"Mise à jour nouvelle paye"_s, Module::Payroll, 0},
        {u"Paye mensuelle"_s, {}, u"Calcul paye"_s, Module::Payroll, 1},
        {u"Paye mensuelle"_s, {}, u"Bloquer/Débloquer une paye"_s, Module::Payroll, 2},
        {u"Paye mensuelle"_s, {}, u"Importer la paye du mois précédent"_s, Module::Payroll, 3},
        {u"Paye mensuelle"_s, {}, u"Sauvegarder la paye du mois en cours"_s, Module::Payroll, 4},
        {u"Etats mensuels"_s, {}, u"Bulletins de paie"_s, Module::Reports, 0},
        {u"Etats mensuels"_s, {}, u"Journal de paye"_s, Module::Reports, 1},
        {u"Etats mensuels"_s, {}, u"Etat de paye (Net à payer)"_s, Module::Reports, 2},
        {u"Etats mensuels"_s, {}, u"Etat récapitulatif"_s, Module::Reports, 3},
        {u"Etats mensuels"_s, {}, u"Etat de virement"_s, Module::Reports, 4},
        {u"Etats mensuels"_s, {}, u"Liste détaillée par rubrique"_s, Module::Reports, 5},
        {u"Etats mensuels"_s, {}, u"Etat de paye (détail)"_s, Module::Reports, 6},
        {u"Rapports et déclarations annuels"_s, {}, u"Déclaration annuelle (DAS)"_s, Module::Annual, 0},
        {u"Rapports et déclarations annuels"_s, {}, u"Bordereau de dépôt de la DAS"_s, Module::Annual, 1},
        {u"Rapports et déclarations annuels"_s, {}, u"Etat récapitulatif annuel"_s, Module::Annual, 2},
        {u"Paramètres et utilitaires"_s, {}, u"Paramètres..."_s, Module::Parameters, 0},
    };
    return entries;
}

const std::vector<PictureButton>& pictureButtons()
{
    static const std::vector<PictureButton> buttons = {
        {Module::Tables, u"Table des rubriques, table du personnel"_s, u":/pictures/button_tables.png"_s},
        {Module::Payroll, u"Mise à jour et calcul de la paye mensuelle"_s, u":/pictures/button_payroll.png"_s},
        {Module::Reports, u"Bulletins de paie et journaux mensuels"_s, u":/pictures/button_reports.png"_s},
        {Module::Annual, u"Déclarations annuelles et DAS"_s, u":/pictures/button_annual.png"_s},
        {Module::Parameters, u"Paramètres employeur et configurations"_s, u":/pictures/button_settings.png"_s},
    };
    return buttons;
}
