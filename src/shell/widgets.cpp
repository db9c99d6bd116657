#include "widgets.h"

#include "session.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>

using namespace Qt::StringLiterals;

QLabel* captionFor(QWidget* control, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(control);
    control->setAccessibleName(caption);
    return label;
}

void makeUpperCase(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(cursor);
    });
}

void makeUpperCase(QComboBox* combo)
{
    if (combo->lineEdit())
        makeUpperCase(combo->lineEdit());
}

void makeDigitsOnly(QLineEdit* edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), edit));
}

void setBackground(QWidget* widget, Rgb colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, QColor(int(colour >> 16) & 0xff, int(colour >> 8) & 0xff,
                                        int(colour) & 0xff));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, Rgb colour)
{
    QPalette p = widget->palette();
    const QColor c(int(colour >> 16) & 0xff, int(colour >> 8) & 0xff, int(colour) & 0xff);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    widget->setPalette(p);
}

QString periodLine(const Session& session)
{
    return u"PAYE DU MOIS DE: "_s + session.period.monthName + u' ' + session.period.yearText;
}

BarProgress::BarProgress(QProgressBar* bar, std::function<void(const QString&)> caption)
    : m_bar(bar), m_caption(std::move(caption))
{
}

void BarProgress::setRange(int minimum, int maximum)
{
    m_bar->setRange(minimum, maximum);
    repaint();
}

void BarProgress::setValue(int value)
{
    m_bar->setValue(qBound(m_bar->minimum(), value, m_bar->maximum()));
    repaint();
}

int BarProgress::value() const
{
    return m_bar->value();
}

void BarProgress::setStatus(const QString& text)
{
    if (m_caption)
        m_caption(text);
    repaint();
}

void BarProgress::repaint()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
