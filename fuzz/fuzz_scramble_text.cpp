// ScrambleText and UnscrambleText on any text: each gives what its documented walk gives
// (never longer than its input, "" past 32,767 characters, codes out of range dropped), and
// the round trip holds whenever no code leaves 0 to 255.
//
// The first input byte picks how the rest becomes text: bits 0-1 the decoding (1: UTF-16 code
// units, lone surrogates too; 2: UTF-8; else Latin-1); bits 2 and 3 both set repeat the text to a
// length near the 32,767 limit, bits 4-7 say how near. Long texts are slow to fuzz, hence the
// two bits: most runs stay short.

#include "FuzzCheck.h"
#include "Scrambler.h"

#include <QString>

#include <cstddef>
#include <cstdint>

// The checks below are not what is being explored: left out of the coverage, they neither
// steer libFuzzer nor slow down the long texts.
#define HCN_CHECK_ONLY __attribute__((no_sanitize("coverage")))

namespace {

constexpr qsizetype Longest = 32767;

QString decode(int how, const char* bytes, qsizetype size)
{
    switch (how) {
    case 1: {
        QString text;
        for (qsizetype i = 0; i + 1 < size; i += 2)
            text.append(QChar(char16_t(std::uint8_t(bytes[i]) | std::uint8_t(bytes[i + 1]) << 8)));
        return text;
    }
    case 2:
        return QString::fromUtf8(bytes, size);
    default:
        return QString::fromLatin1(bytes, size);
    }
}

// Characters outside Latin-1 count as "?".
HCN_CHECK_ONLY int codeOf(QChar character)
{
    return character.unicode() <= 0xFF ? character.unicode() : '?';
}

// The walk as the header describes it, written out character by character.
HCN_CHECK_ONLY QString model(const QString& text, int shift)
{
    if (text.size() > Longest)
        return QString();
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const int code = codeOf(text.at(i)) + shift;
        if (code >= 0 && code <= 255)
            *out++ = QChar(char16_t(code));
    }
    result.truncate(out - result.constData());
    return result;
}

// Every character is Latin-1 and stays within 0 to 255 when shifted.
HCN_CHECK_ONLY bool allShiftable(const QString& text, int shift)
{
    for (QChar character : text) {
        const int code = character.unicode() + shift;
        if (character.unicode() > 0xFF || code < 0 || code > 255)
            return false;
    }
    return true;
}

HCN_CHECK_ONLY bool allWithin(const QString& text, int low, int high)
{
    for (QChar character : text) {
        if (character.unicode() < low || character.unicode() > high)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int flags = data[0];
    QString text = decode(flags & 3, reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if ((flags & 0x0C) == 0x0C && !text.isEmpty()) {
        const qsizetype length = Longest - 7 + (flags >> 4); // 32,760 to 32,775
        text = text.repeated(length / text.size() + 1).left(length);
    }

    const int offset = modHelp::ScrambleOffset;
    const QString scrambled = modHelp::ScrambleText(text);
    const QString unscrambled = modHelp::UnscrambleText(text);

    FUZZ_REQUIRE(scrambled.size() <= text.size(), "scrambled text is never longer");
    FUZZ_REQUIRE(unscrambled.size() <= text.size(), "unscrambled text is never longer");
    if (text.size() > Longest) {
        FUZZ_REQUIRE(scrambled.isEmpty(), "a text over 32,767 characters scrambles to \"\"");
        FUZZ_REQUIRE(unscrambled.isEmpty(), "a text over 32,767 characters unscrambles to \"\"");
        return 0;
    }
    FUZZ_REQUIRE(allWithin(scrambled, offset, 255), "scrambled codes are 7 to 255");
    FUZZ_REQUIRE(allWithin(unscrambled, 0, 255 - offset), "unscrambled codes are 0 to 248");
    FUZZ_REQUIRE(scrambled == model(text, offset), "scrambling is the shifted reversed walk");
    FUZZ_REQUIRE(unscrambled == model(text, -offset), "unscrambling is the inverse walk");

    if (allShiftable(text, offset)) {
        FUZZ_REQUIRE(scrambled.size() == text.size(), "no code is dropped when all fit");
        FUZZ_REQUIRE(modHelp::UnscrambleText(scrambled) == text, "unscramble(scramble(t)) == t");
    }
    if (allShiftable(text, -offset)) {
        FUZZ_REQUIRE(unscrambled.size() == text.size(), "no code is dropped when all fit");
        FUZZ_REQUIRE(modHelp::ScrambleText(unscrambled) == text, "scramble(unscramble(t)) == t");
    }
    return 0;
}
