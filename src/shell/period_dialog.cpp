#include "period_dialog.h"

#include "ui_fonts.h"
#include "vocabulary.h"
#include "widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PeriodDialog::PeriodDialog(Session& session, QWidget* parent) : QDialog(parent), m_session(session)
{
    const QString title = u"Quorix 2021 - Mois de paye..."_s;
    setWindowTitle(title);
    setAccessibleName(title);
    setWindowIcon(QIcon(u":/pictures/icon.png"_s));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    ::setBackground(this, rgb(255, 255, 255));

    auto* banner = new QLabel;
    banner->setPixmap(QPixmap(u":/pictures/period_banner.png"_s));
    banner->setFixedSize(519, 203);
    banner->setAccessibleName(u"Quorix"_s);
    auto* side = new QLabel;
    side->setPixmap(QPixmap(u":/pictures/period_side.png"_s));
    side->setFixedSize(168, 171);
    side->setAccessibleName(u"Calendrier de paye"_s);

    auto* periodBox = new QGroupBox(u"Période..."_s);
    periodBox->setAccessibleName(periodBox->title());
    m_month = new QComboBox;
    m_month->setEditable(true);
    m_month->addItems(monthNames());
    m_month->setInsertPolicy(QComboBox::NoInsert);
    m_year = new QLineEdit(u"2023"_s);
    makeDigitsOnly(m_year);
    m_year->setMaxLength(4);
    auto* periodGrid = new QGridLayout(periodBox);
    periodGrid->addWidget(captionFor(m_month, u"MOIS DE PAYE: "_s), 0, 0);
    periodGrid->addWidget(m_month, 0, 1);
    periodGrid->addWidget(captionFor(m_year, u"ANNEE:"_s), 1, 0);
    periodGrid->addWidget(m_year, 1, 1);

    auto* countBox = new QFrame;
    countBox->setFrameShape(QFrame::StyledPanel);
    countBox->setAccessibleName(u"Jours et heures ouvrables"_s);
    m_days = new QLineEdit(u"30"_s);
    makeDigitsOnly(m_days);
    m_hours = new QLineEdit(u"173"_s);
    auto* countGrid = new QGridLayout(countBox);
    countGrid->addWidget(captionFor(m_days, u"Nbre de jours ouvrables:"_s), 0, 0);
    countGrid->addWidget(m_days, 0, 1);
    countGrid->addWidget(captionFor(m_hours, u"Nbre d'heures:"_s), 1, 0);
    countGrid->addWidget(m_hours, 1, 1);

    m_cancel = named(new QPushButton(u"Annuler"_s), u"Annuler"_s);
    m_validate = named(new QPushButton(u"Valider"_s), u"Valider"_s);
    m_validate->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    buttons->addWidget(m_validate);

    auto* right = new QVBoxLayout;
    right->addWidget(periodBox);
    right->addWidget(countBox);
    right->addStretch();
    right->addLayout(buttons);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(8, 8, 12, 10);
    middle->addWidget(side, 0, Qt::AlignTop);
    middle->addSpacing(8);
    middle->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addLayout(middle);

    for (QWidget* w : std::initializer_list<QWidget*>{periodBox, countBox})
        w->setFont(uiFont(8));
    setFixedSize(519, 203 + 200);

    connect(m_validate, &QPushButton::clicked, this, &PeriodDialog::validate);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    setEntry(periodPrefill(session));
}

void PeriodDialog::setEntry(const PeriodEntry& entry)
{
    m_month->setEditText(entry.monthName);
    m_year->setText(entry.year);
    m_days->setText(entry.days);
    m_hours->setText(entry.hours);
}

PeriodEntry PeriodDialog::entry() const
{
    return {m_month->currentText(), m_year->text(), m_days->text(), m_hours->text()};
}

void PeriodDialog::validate()
{
    m_period = validatePeriodEntry(entry(), m_session.today(), m_session.dialogs());
    if (m_period)
        accept();
}
