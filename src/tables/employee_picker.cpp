#include "employee_picker.h"

#include "shell/report_view.h"
#include "shell/session.h"
#include "shell/ui_fonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

EmployeePickerDialog::EmployeePickerDialog(Session& session, QWidget* parent) : QDialog(parent)
{
    LoadUiFonts();
    const QString title = u"Sélectionnez un salarié sur la liste"_s;
    setWindowTitle(title);
    setAccessibleName(title);
    resize(920, 500);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - QPoint(460, 250));

    m_list = new ReportView(title, this);
    ReportTable table;
    table.addColumn(u"Matricule"_s, 100);
    table.addColumn(u"Nom"_s, 200);
    table.addColumn(u"Prénoms"_s, 200);
    Rows rows;
    CheckDatabaseQuery(session.pers, u"select * from fpers order by nom,prenom"_s, {}, &rows);
    for (const QStringList& r : rows)
        table.addRow({r.value(0), r.value(1), r.value(2)});
    m_list->setTable(std::move(table));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    connect(m_list, &ReportView::rowChosen, this, [this](int row) {
        m_choice = PickedEmployee{m_list->text(row, 0), m_list->text(row, 1), m_list->text(row, 2)};
        accept();
    });
}

std::optional<PickedEmployee> PickEmployee(Session& session, QWidget* parent)
{
    EmployeePickerDialog dialog(session, parent);
    dialog.exec();
    return dialog.choice();
}
