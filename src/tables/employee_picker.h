#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class ReportView;
class Session;

struct PickedEmployee {
    QString mat;
    QString nom;
    QString prenom;
};

// The 920 x 500 list of employees, sorted by name, that the payroll window opens to choose
// an employee: a click on a row chooses him and closes it.
class EmployeePickerDialog : public QDialog {
    Q_OBJECT
public:
    EmployeePickerDialog(Session& session, QWidget* parent = nullptr);
    ReportView* list() const { return m_list; }
    const std::optional<PickedEmployee>& choice() const { return m_choice; }

private:
    ReportView* m_list;
    std::optional<PickedEmployee> m_choice;
};

// Shows the picker and returns the employee chosen; none when it was closed.
std::optional<PickedEmployee> PickEmployee(Session& session, QWidget* parent = nullptr);
