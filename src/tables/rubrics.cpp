#include "rubrics.h"

#include "shell/session.h"

using namespace Qt::StringLiterals;

QString LookupRubricLabel(Session& session, int code)
{
    QStringList row;
    if (queryFirstRow(session.frub, u"SELECT * FROM Frub WHERE CodeRub=?"_s,
                      {QString::number(code)}, &row))
        return row.value(1);
    return u"rubrique inconnue code="_s + QString::number(code);
}
