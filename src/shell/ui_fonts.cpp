#include "ui_fonts.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

struct FontSpec {
    const char16_t* face;
    int points;
    bool bold;
};

constexpr std::array<FontSpec, 10> kFonts = {{
    {u"Arial", 8, false},         {u"Arial", 14, false},   {u"Tahoma", 8, false},
    {u"Tahoma", 9, true},         {u"verdana", 9, true},   {u"arial", 9, false},
    {u"trebuchet ms", 10, false}, {u"verdana", 9, false},  {u"verdana", 10, false},
    {u"verdana", 10, true},
}};

std::array<QFont, 10>& loaded()
{
    static std::array<QFont, 10> fonts;
    return fonts;
}

bool& isLoaded()
{
    static bool flag = false;
    return flag;
}

} // namespace

void LoadUiFonts()
{
    for (size_t i = 0; i < kFonts.size(); ++i) {
        QFont font(QString::fromUtf16(kFonts[i].face), kFonts[i].points,
                   kFonts[i].bold ? QFont::Bold : QFont::Normal);
        // fontconfig maps the Windows faces onto Liberation and DejaVu.
        font.setStyleHint(QFont::SansSerif);
        loaded()[i] = font;
    }
    isLoaded() = true;
}

QFont uiFont(int number)
{
    if (!isLoaded())
        LoadUiFonts();
    if (number < 1 || number > 10)
        return QFont();
    return loaded()[size_t(number - 1)];
}
