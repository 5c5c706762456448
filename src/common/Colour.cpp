#include "common/Colour.h"

namespace common {

QString colourToHex(Colour colour) {
    return QStringLiteral("#%1%2%3")
        .arg(colourRed(colour), 2, 16, QLatin1Char('0'))
        .arg(colourGreen(colour), 2, 16, QLatin1Char('0'))
        .arg(colourBlue(colour), 2, 16, QLatin1Char('0'))
        .toUpper();
}

bool colourFromHex(const QString& text, Colour& colour) {
    if (text.size() != 7 || text[0] != QLatin1Char('#'))
        return false;
    int channels[3];
    for (int channel = 0; channel < 3; ++channel) {
        bool valid = false;
        const QString digits = text.mid(1 + 2 * channel, 2);
        for (const QChar digit : digits)
            if (!digit.isDigit() && !QStringLiteral("abcdefABCDEF").contains(digit))
                return false;
        channels[channel] = digits.toInt(&valid, 16);
        if (!valid)
            return false;
    }
    colour = makeColour(channels[0], channels[1], channels[2]);
    return true;
}

} // namespace common
