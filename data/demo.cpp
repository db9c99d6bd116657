#include "datafile.h"


using namespace Qt::StringLiterals;

namespace datagen {

namespace {

struct DemoEmployee {
    const char16_t* mat;
    const char16_t* nom;
    const char16_t* prenom;
    const char16_t* born;
    const char16_t* wilaya;
    const char16_t* job;
    const char16_t* unit;
    const char16_t* clas;
    const char16_t* echelon;
    const char16_t* hired;
    const char16_t* status;
    const char16_t* family;
    int children;
    const char16_t* sex;
    const char16_t* bank;   // empty: paid in cash
    const char16_t* account;
    qint64 salary;          // dinars
    int iepPercent;         // experience allowance, hundredths of a percent
    int overtimeHours;      // at 50 %
    int absentDays;
};

constexpr DemoEmployee kStaff[] = {
    {u"0001", u"BENALI", u"KARIM", u"12/03/1972", u"CHLEF", u"DIRECTEUR GENERAL", u"DIRECTION", u"20", u"10", u"01/09/2005", u"P", u"M", 3, u"M", u"BNA", u"00100234000123456789", 185000, 1800, 0, 0},
    {u"0002", u"HADJ AHMED", u"SAMIRA", u"05/07/1981", u"ALGER", u"CHEF COMPTABLE", u"FINANCES", u"17", u"7", u"15/01/2010", u"P", u"M", 2, u"F", u"CPA", u"00400512000987654321", 98000, 1200, 0, 0},
    {u"0003", u"KHELIFI", u"MOHAMED AMINE", u"23/11/1988", u"BLIDA", u"COMPTABLE", u"FINANCES", u"13", u"4", u"02/05/2015", u"P", u"C", 0, u"M", u"CPA", u"00400512000111222333", 62000, 800, 4, 0},
    {u"0004", u"BOUZIDI", u"AMINA", u"30/01/1990", u"CHLEF", u"ASSISTANTE DE DIRECTION", u"DIRECTION", u"11", u"3", u"10/10/2016", u"P", u"M", 1, u"F", u"BADR", u"00300087000444555666", 48500, 600, 0, 0},
    {u"0005", u"MEZIANE", u"YACINE", u"14/06/1985", u"ORAN", u"CHEF DE DEPOT", u"LOGISTIQUE", u"14", u"6", u"03/03/2012", u"P", u"M", 4, u"M", u"BEA", u"00200341000777888999", 71000, 1000, 12, 0},
    {u"0006", u"CHERIF", u"NADIA", u"09/09/1993", u"TIPAZA", u"AGENT COMMERCIAL", u"COMMERCIAL", u"10", u"2", u"01/02/2019", u"P", u"C", 0, u"F", u"BNA", u"00100234000222333444", 42000, 400, 0, 0},
    {u"0007", u"SAIDI", u"OMAR", u"17/04/1979", u"AIN-DEFLA", u"CHAUFFEUR LIVREUR", u"LOGISTIQUE", u"7", u"8", u"20/06/2008", u"P", u"M", 2, u"M", u"", u"", 36000, 1400, 20, 2},
    {u"0008", u"BELKACEM", u"FATIMA ZOHRA", u"28/02/1987", u"TLEMCEN", u"RESPONSABLE RESSOURCES HUMAINES", u"ADMINISTRATION", u"16", u"5", u"11/04/2013", u"P", u"D", 1, u"F", u"CNEP BANQUE", u"00500123000333444555", 79000, 900, 0, 0},
    {u"0009", u"AMRANI", u"RACHID", u"03/12/1975", u"CHLEF", u"MAGASINIER", u"LOGISTIQUE", u"6", u"9", u"05/01/2007", u"P", u"V", 3, u"M", u"", u"", 33500, 1500, 8, 0},
    {u"0010", u"TOUATI", u"LEILA", u"19/08/1995", u"MEDEA", u"SECRETAIRE", u"ADMINISTRATION", u"8", u"1", u"01/09/2021", u"T", u"C", 0, u"F", u"BDL", u"00700456000666777888", 34000, 200, 0, 1},
    {u"0011", u"BENSALEM", u"NOUREDDINE", u"07/05/1983", u"RELIZANE", u"TECHNICIEN DE MAINTENANCE", u"TECHNIQUE", u"12", u"6", u"14/02/2011", u"P", u"M", 2, u"M", u"BADR", u"00300087000999000111", 55000, 1100, 6, 0},
    {u"0012", u"ZERROUKI", u"SOFIANE", u"25/10/1998", u"CHLEF", u"AGENT DE SECURITE", u"ADMINISTRATION", u"5", u"1", u"01/03/2023", u"T", u"C", 0, u"M", u"", u"", 26000, 200, 0, 0},
};

QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QString cents(qint64 value)
{
    return QString::number(value);
}

} // namespace

bool writeDemo(const QString& root, QDate month, QString* error)
{
    constexpr int days = 22;
    constexpr int hours = 173;
    const int y = month.year();
    const int m = month.month();
    if (!writePeriod(root, y, m, days, hours, error))
        return false;
    if (!insertRows(root + u'/' + QString::number(y) + u"/dataP/femp.db"_s,
                    u"UPDATE Femp SET numemp=?, denomination=?, raisonsociale=?, adresse=?"_s,
                    {{u"0216042512"_s, u"ATLAS DISTRIBUTION"_s, u"SARL ATLAS DISTRIBUTION"_s,
                      u"12, RUE DES FRERES BOUADOU - CHLEF"_s}},
                    error))
        return false;

    std::vector<QStringList> people;
    std::vector<Element> elements;
    int n = 0;
    for (const DemoEmployee& e : kStaff) {
        ++n;
        const QString mat = s(e.mat);
        const QString bank = s(e.bank);
        people.push_back({mat, s(e.nom), s(e.prenom), s(e.born),
                          u"CITE %1 LOGEMENTS BT %2 N° %3"_s.arg(100 + 20 * n).arg(n % 7 + 1).arg(n * 3),
                          s(e.wilaya), s(e.job), s(e.unit), s(e.clas), s(e.echelon), s(e.hired),
                          QString(), QString(), s(e.status), s(e.family), QString::number(e.children),
                          u"%1%2"_s.arg(e.sex == std::u16string_view(u"M") ? u"1" : u"2").arg(
                              QString::number(7204000 + 137 * n) + QString::number(1000 + n)),
                          s(e.sex), s(e.account), bank, cents(e.salary * 100),
                          bank.isEmpty() ? u"E"_s : u"V"_s});

        const int worked = days - e.absentDays;
        elements.push_back({mat, 100, cents(worked * 100), u"00"_s, u"00"_s,
                            e.absentDays ? u"ABSENCE %1 JOUR(S)"_s.arg(e.absentDays) : QString()});
        elements.push_back({mat, 101, u"00"_s, cents(e.iepPercent), u"00"_s, QString()});
        if (e.overtimeHours)
            elements.push_back({mat, 110, cents(e.overtimeHours * 100), u"00"_s, u"00"_s, QString()});
        if (n == 1 || n == 5)
            elements.push_back({mat, 120, u"00"_s, u"00"_s, cents(n == 1 ? 1500000 : 600000), QString()});
        elements.push_back({mat, 133, cents(worked * 100), u"20000"_s, u"00"_s, QString()});
        elements.push_back({mat, 136, cents(worked * 100), u"15000"_s, u"00"_s, QString()});
        if (e.children > 0)
            elements.push_back({mat, 200, cents(e.children * 100), u"60000"_s, u"00"_s, QString()});
        elements.push_back({mat, 300, u"00"_s, u"900"_s, u"00"_s, QString()});
        elements.push_back({mat, 400, u"00"_s, u"00"_s, u"00"_s, QString()});
    }
    return addEmployees(root, y, m, people, error) && addElements(root, y, m, elements, error);
}

} // namespace datagen
