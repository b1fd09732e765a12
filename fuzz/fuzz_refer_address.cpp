// referAddress on any five values: the address reads back, as the browser is handed it
// (QUrl in tolerant mode), to exactly page=vesk-refer-a-friend, taf1 to taf5 = the values
// and taf6 = the page script's folder, and QUrl keeps it byte for byte.
// Qt's full decoding turns the UTF-8 bytes of a Unicode noncharacter (U+FDD0, U+FFFE...) each
// into U+FFFD, although the address holds them right; so the values are compared as the
// bytes the page receives, and also fully decoded when they hold no noncharacter.
// The input is cut at 0xFF bytes (never part of UTF-8) into the five values, the fifth taking
// the rest; each is decoded as UTF-8.

#include "FuzzCheck.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <cstddef>
#include <cstdint>

namespace {

bool hasNonCharacter(const QString& text)
{
    for (char32_t code : text.toUcs4()) {
        if (QChar::isNonCharacter(code))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    QString values[5];
    qsizetype start = 0;
    for (int i = 0; i < 5; ++i) {
        const qsizetype end = i < 4 ? input.indexOf('\xFF', start) : -1;
        values[i] = QString::fromUtf8(input.mid(start, end < 0 ? -1 : end - start));
        if (end < 0)
            break;
        start = end + 1;
    }

    const QString address =
        modTellAFriend::referAddress(values[0], values[1], values[2], values[3], values[4]);
    const QUrl url(address, QUrl::TolerantMode);
    FUZZ_REQUIRE(url.isValid(), "the address is a valid URL");
    FUZZ_REQUIRE(url.toEncoded() == address.toUtf8(), "QUrl keeps the address byte for byte");

    const QString script = modHelp::PageScriptAddress();
    FUZZ_REQUIRE(url.toString(QUrl::RemoveQuery) == script, "the address opens the page script");
    const QList<QPair<QString, QString>> expected = {
        {QStringLiteral("page"), QStringLiteral("vesk-refer-a-friend")},
        {QStringLiteral("taf1"), values[0]},
        {QStringLiteral("taf2"), values[1]},
        {QStringLiteral("taf3"), values[2]},
        {QStringLiteral("taf4"), values[3]},
        {QStringLiteral("taf5"), values[4]},
        {QStringLiteral("taf6"), script.left(script.lastIndexOf(u'/') + 1)},
    };
    const QUrlQuery query(url);
    const QList<QPair<QString, QString>> encoded = query.queryItems(QUrl::FullyEncoded);
    const QList<QPair<QString, QString>> decoded = query.queryItems(QUrl::FullyDecoded);
    FUZZ_REQUIRE(encoded.size() == expected.size(), "the query has exactly seven items");
    FUZZ_REQUIRE(decoded.size() == expected.size(), "the query has exactly seven items");
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const auto& [key, value] = expected.at(i);
        FUZZ_REQUIRE(encoded.at(i).first == key, "the items come in order, named as expected");
        FUZZ_REQUIRE(QByteArray::fromPercentEncoding(encoded.at(i).second.toLatin1()) ==
                         value.toUtf8(),
                     "each item carries its value's UTF-8 bytes");
        if (!hasNonCharacter(value))
            FUZZ_REQUIRE(decoded.at(i) == expected.at(i), "each item reads back to its value");
    }
    return 0;
}
