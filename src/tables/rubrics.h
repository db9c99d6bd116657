#pragma once

#include <QString>

class Session;

// The designation of a rubric, or "rubrique inconnue code=" followed by the code.
QString LookupRubricLabel(Session& session, int code);
