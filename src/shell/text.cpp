#include "text.h"

#include <QStringList>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// True when the leading number of the text (C-style prefix parse, "." as decimal point)
// is zero or absent: every digit of the mantissa is 0.
bool readsAsZero(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            if (c != u'0')
                return false;
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    return true;
}

QString withoutSpaces(QString text)
{
    text.remove(u' ');
    return text;
}

} // namespace

QString AmountToCents(const QString& typed)
{
    QString text = typed.trimmed();
    qsizetype point = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'.' || text[i] == u',') {
            point = i;
            break;
        }
    }
    if (point < 0) {
        text += u"00";
    } else {
        QString decimals = text.mid(point + 1, 2).trimmed();
        if (decimals.size() == 1)
            decimals += u'0';
        else if (decimals.isEmpty())
            decimals = u"00"_s;
        text = text.left(point).trimmed() + decimals;
    }
    return withoutSpaces(text).trimmed();
}

QString CentsToAmount(const QString& cents)
{
    QString text = cents.trimmed();
    text.remove(u'.');
    text.remove(u',');
    text = text.trimmed();
    const qsizetype n = text.size();
    if (n == 1)
        text.prepend(u"0.0");
    else if (n == 2)
        text.prepend(u"0.");
    else if (n > 2)
        text.insert(n - 2, u'.');
    text = text.trimmed();
    if (readsAsZero(text))
        text = u"0.00"_s;
    if (text.startsWith(u'.') || text.startsWith(u','))
        text.prepend(u'0');
    return text.trimmed();
}

QString GroupThousands(const QString& decimal)
{
    QString text = withoutSpaces(decimal);
    QString tail;
    const qsizetype n = text.size();
    if (n >= 3 && (text[n - 3] == u'.' || text[n - 3] == u',')) {
        tail = text.right(3);
        text.chop(3);
    }
    QStringList groups;
    if (!text.isEmpty() && text.size() <= 18) {
        qsizetype end = text.size();
        while (end > 0) {
            const qsizetype start = qMax<qsizetype>(0, end - 3);
            groups.prepend(text.mid(start, end - start));
            end = start;
        }
    }
    QString result = (groups.join(u' ') + tail).trimmed();
    if (result == u"0")
        result = u"0.00"_s;
    return result;
}

QString FormatRate(float value)
{
    // QString::number ignores the process locale, so the point stays a point.
    const QString fixed = QString::number(static_cast<double>(value), 'f', 2);
    if (fixed.size() >= 18)
        return fixed.left(18);
    return fixed.rightJustified(18, u' ');
}

bool IsNumericText(const QString& text)
{
    QString rest = withoutSpaces(text);
    if (rest.startsWith(u'-'))
        rest.remove(0, 1);
    if (rest.isEmpty())
        return false;
    int separators = 0;
    for (const QChar c : rest) {
        if (c == u'.' || c == u',')
            ++separators;
        else if (!isDigit(c))
            return false;
    }
    return separators <= 1;
}

qint64 integerValue(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr quint64 limit = static_cast<quint64>(std::numeric_limits<qint64>::max());
    quint64 value = 0;
    bool saturated = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        const auto digit = static_cast<quint64>(text[i].unicode() - u'0');
        if (value > (limit - digit) / 10) {
            saturated = true;
            break;
        }
        value = value * 10 + digit;
    }
    if (saturated)
        return negative ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return negative ? -static_cast<qint64>(value) : static_cast<qint64>(value);
}

QString displayAmount(const QString& cents)
{
    return GroupThousands(CentsToAmount(cents));
}

QString numberFieldError(const QString& caption, const QString& text, bool allowEmpty)
{
    const QString compact = withoutSpaces(text);
    if (compact.isEmpty() && allowEmpty)
        return {};
    bool tooLong = false;
    if (IsNumericText(compact)) {
        int digits = 0;
        for (const QChar c : compact) {
            if (c == u'.' || c == u',')
                break;
            if (isDigit(c))
                ++digits;
        }
        tooLong = digits > 15;
        if (!tooLong)
            return {};
    }
    QString field = caption.trimmed();
    if (field.endsWith(u':'))
        field.chop(1);
    field = field.trimmed();
    if (tooLong)
        return u"Le champ « %1 » dépasse 15 chiffres avant la virgule !"_s.arg(field);
    return u"Le champ « %1 » doit contenir un nombre (exemple : 1500.50) !"_s.arg(field);
}
