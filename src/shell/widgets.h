#pragma once

#include "progress.h"
#include "report_table.h"

#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;
class Session;

// Gives a control its caption as accessible name, so screen readers and AT-SPI clients
// find it by what the operator reads.
template <typename W>
W* named(W* widget, const QString& caption)
{
    widget->setAccessibleName(caption);
    return widget;
}

// A label for a control: the label is the control's buddy and its text the control's name.
QLabel* captionFor(QWidget* control, const QString& caption, QWidget* parent = nullptr);

// Text fields that take upper case only, or digits only.
void makeUpperCase(QLineEdit* edit);
void makeUpperCase(QComboBox* combo);
void makeDigitsOnly(QLineEdit* edit);

void setBackground(QWidget* widget, Rgb colour);
void setTextColour(QWidget* widget, Rgb colour);

// "PAYE DU MOIS DE: MARS 2023"
QString periodLine(const Session& session);

// Binds the progress seam to a bar and a caption; every change repaints at once while
// user input stays blocked, so a long operation shows its progress.
class BarProgress : public Progress {
public:
    BarProgress(QProgressBar* bar, std::function<void(const QString&)> caption);
    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    int value() const override;
    void setStatus(const QString& text) override;

private:
    void repaint();
    QProgressBar* m_bar;
    std::function<void(const QString&)> m_caption;
};
