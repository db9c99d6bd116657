#include "startup.h"

#include "period_dialog.h"

bool openPayrollPeriod(Session& session)
{
    if (!openReferenceStore(session))
        return false;
    std::optional<Period> period;
    {
        PeriodDialog dialog(session);
        if (dialog.exec() != QDialog::Accepted || !dialog.period())
            return false;
        period = dialog.period();
    }
    if (!recordPeriod(session, *period))
        return false;
    if (!session.OpenDataStores())
        return false;
    session.loadEmployer();
    return true;
}
