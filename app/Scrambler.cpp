#include "Scrambler.h"

namespace modHelp {

namespace {

// Lengths were counted in 16-bit signed integers where these texts come from.
constexpr qsizetype LongestText = 32767;

int latin1Code(QChar character)
{
    const char16_t code = character.unicode();
    return code <= 0xFF ? int(code) : int('?');
}

// Walking backwards and appending gives the same text as walking forwards and prepending.
QString shiftReversed(const QString& text, int shift)
{
    if (text.size() > LongestText)
        return QString();
    QString result;
    result.reserve(text.size());
    for (auto it = text.crbegin(); it != text.crend(); ++it) {
        const int code = latin1Code(*it) + shift;
        if (code >= 0 && code <= 0xFF)
            result.append(QChar(code));
    }
    return result;
}

} // namespace

QString ScrambleText(const QString& text) { return shiftReversed(text, ScrambleOffset); }

QString UnscrambleText(const QString& text) { return shiftReversed(text, -ScrambleOffset); }

} // namespace modHelp
