#pragma once

#include <QString>
#include <QtGlobal>

// Conversions between the amounts users type, the hundredths the stores hold and the
// texts screens and prints show. Pure functions: no state, never fail.

// Typed amount to stored hundredths ("1 500.5" -> "150050"). A comma separates decimals
// like a point does.
QString AmountToCents(const QString& typed);
// Stored hundredths to a decimal text with two decimals ("150050" -> "1500.50").
QString CentsToAmount(const QString& cents);
// Decimal text to display text with groups of three digits ("1500.50" -> "1 500.50").
QString GroupThousands(const QString& decimal);
// Two decimals, right-aligned in exactly 18 characters (first 18 of a longer text).
QString FormatRate(float value);
// Digits with at most one "." or ",", an optional leading "-", spaces ignored.
bool IsNumericText(const QString& text);

// The one decimal parse of stored texts: leading blanks skipped, optional sign, then the
// digits up to the first other character; no digit reads 0. Saturates at the 64-bit limits.
qint64 integerValue(const QString& text);

// Display shorthand used by every list: hundredths to grouped text ("150050" -> "1 500.50").
QString displayAmount(const QString& cents);

// A number field of a form may be stored when it is empty (where allowEmpty) or numeric with
// at most 15 integer digits. Returns the message that refuses it, naming the field, or an
// empty text when it may be stored.
QString numberFieldError(const QString& caption, const QString& text, bool allowEmpty);
