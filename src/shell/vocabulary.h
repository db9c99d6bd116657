#pragma once

#include <QStringList>

// The fixed vocabularies of the program, built once.
const QStringList& monthNames();    // index 0 to 11: "JANVIER" ... "DECEMBRE"
const QStringList& wilayaNames();   // index 0 to 47: wilaya number minus one
const QStringList& formulaLabels(); // index 0 to 11: "00 - Calculé par le logiciel" ...
