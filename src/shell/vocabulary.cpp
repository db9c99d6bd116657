#include "vocabulary.h"

using namespace Qt::StringLiterals;

const QStringList& monthNames()
{
    static const QStringList names = {
        u"JANVIER"_s, u"FEVRIER"_s, u"MARS"_s,      u"AVRIL"_s,   u"MAI"_s,      u"JUIN"_s,
        u"JUILLET"_s, u"AOUT"_s,    u"SEPTEMBRE"_s, u"OCTOBRE"_s, u"NOVEMBRE"_s, u"DECEMBRE"_s,
    };
    return names;
}

const QStringList& wilayaNames()
{
    static const QStringList names = {
        u"ADRAR"_s,       u"CHLEF"_s,          u"LAGHOUAT"_s,   u"OUM EL-BOUAGHI"_s,
        u"BATNA"_s,       u"BEJAIA"_s,         u"BISKRA"_s,     u"BECHAR"_s,
        u"BLIDA"_s,       u"BOUIRA"_s,         u"TAMANRASSET"_s, u"TEBESSA"_s,
        u"TLEMCEN"_s,     u"TIARET"_s,         u"TIZI OUZOU"_s, u"ALGER"_s,
        u"DJELFA"_s,      u"JIJEL"_s,          u"SETIF"_s,      u"SAIDA"_s,
        u"SKIKDA"_s,      u"SIDI BEL-ABBES"_s, u"ANNABA"_s,     u"GUELMA"_s,
        u"CONSTANTINE"_s, u"MEDEA"_s,          u"MOSTAGANEM"_s, u"M'SILA"_s,
        u"MASCARA"_s,     u"OUARGLA"_s,        u"ORAN"_s,       u"EL-BAYED"_s,
        u"ILLIZI"_s,      u"B. B. ARRERIDJ"_s, u"BOUMERDES"_s,  u"EL-TAREF"_s,
        u"TINDOUF"_s,     u"TISSEMSILT"_s,     u"EL-OUED"_s,    u"KHENCHELA"_s,
        u"SOUK-AHRAS"_s,  u"TIPAZA"_s,         u"MILA"_s,       u"AIN-DEFLA"_s,
        u"NAAMA"_s,       u"AIN-TEMOUCHENT"_s, u"GHARDAIA"_s,   u"RELIZANE"_s,
    };
    return names;
}

const QStringList& formulaLabels()
{
    static const QStringList labels = {
        u"00 - Calculé par le logiciel"_s,
        u"01 - Montant fixe"_s,
        u"02 - Nombre de jours X Mnt journalier"_s,
        u"03 - % sur le salaire de base"_s,
        u"04 - (Salaire de base / Nbre jours ouv.) X Nbre Jours saisi"_s,
        u"05 - (Mnt fixe Mensuel/Nbre jours ouv.) x Nbre Jours saisi"_s,
        u"06 - Nbre d'heures travaillées X 1,50 X Taux horaire"_s,
        u"07 - Nbre d'heures travaillées X 1,75 X Taux horaire"_s,
        u"08 - Nbre d'heures travaillées X 2,00 X Taux horaire"_s,
        u"09 - Nbre d'heures travaillées X Taux saisi X Taux horaire"_s,
        u"10 - Base SS X Taux (%)"_s,
        u"11 - (Salaire de base / Nbre heures ouv.) X Nbre d'heures saisi"_s,
    };
    return labels;
}
