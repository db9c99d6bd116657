#pragma once

#include "period.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

// The small fixed-size dialog that asks for the payroll period at start-up.
class PeriodDialog : public QDialog {
    Q_OBJECT
public:
    explicit PeriodDialog(Session& session, QWidget* parent = nullptr);

    void setEntry(const PeriodEntry& entry);
    PeriodEntry entry() const;
    // The period once "Valider" accepted it.
    const std::optional<Period>& period() const { return m_period; }

    QComboBox* monthBox() const { return m_month; }
    QLineEdit* yearField() const { return m_year; }
    QLineEdit* daysField() const { return m_days; }
    QLineEdit* hoursField() const { return m_hours; }
    QPushButton* validateButton() const { return m_validate; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    void validate();

    Session& m_session;
    QComboBox* m_month;
    QLineEdit* m_year;
    QLineEdit* m_days;
    QLineEdit* m_hours;
    QPushButton* m_validate;
    QPushButton* m_cancel;
    std::optional<Period> m_period;
};
