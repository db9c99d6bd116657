#pragma once

#include <QString>

class Progress;
class Session;

// The pay calculation: turns the month's pay elements into payslip lines.
// One employee ("Calculer"): his lines are replaced in one transaction.
void CalculateOneEmployee(Session& session, const QString& mat, Progress& employee);
// Every employee of the month ("Calculer la paye pour l'ensemble des employés"), committed
// employee by employee; employee shows the engine's progress, run the whole run's.
void CalculateAllEmployees(Session& session, Progress& employee, Progress& run);
