#include "modTellAFriend.h"

#include "Platform.h"
#include "TrimBlanks.h"
#include "modHelp.h"

#include <QUrl>

namespace modTellAFriend {

QString strReferName;
QString strReferEmail;
QString strReferMessage;
QString strReferFriendName;
QString strReferFriendEmail;
QString strReferAddress;

namespace {

// A value still empty or still showing its field's placeholder was never filled in.
bool missing(const QString& value, const char* placeholder)
{
    const QString trimmed = trimBlanks(value);
    return trimmed.isEmpty() || trimmed == QLatin1String(placeholder);
}

// Every value is encoded in full, so that "&", "=", "#", "%" or a line break typed into the
// form reaches the page as text instead of cutting or adding query parameters.
QString QueryValue(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

void SubmitReferral()
{
    struct Check {
        const QString& value;
        const char* placeholder;
        const char* complaint;
    };
    const Check required[] = {
        {strReferName, "Your Name", "Please Enter Your Name"},
        {strReferEmail, "Your Email Address", "Please Enter Your Email"},
        {strReferMessage, "Your Message", "Please Enter Your Message"},
        {strReferFriendName, "Friend's Name", "Please Enter Your Friend's Name"},
        {strReferFriendEmail, "Friend's Email Address", "Please Enter Your Friend's Email"},
    };
    for (const Check& check : required) {
        if (missing(check.value, check.placeholder)) {
            Platform::showMessage(
                Platform::Message{QString::fromLatin1(check.complaint), Platform::Icon::Critical});
            return;
        }
    }

    strReferAddress = referAddress(strReferName, strReferEmail, strReferMessage, strReferFriendName,
                                   strReferFriendEmail);
    OpenReferAddress();
}

QString referAddress(const QString& name, const QString& email, const QString& message,
                     const QString& friendName, const QString& friendEmail)
{
    const QString script = modHelp::PageScriptAddress();
    const QString folder = script.left(script.lastIndexOf(u'/') + 1);
    return script + QStringLiteral("?page=vesk-refer-a-friend") + QStringLiteral("&taf1=") +
           QueryValue(name) + QStringLiteral("&taf2=") + QueryValue(email) +
           QStringLiteral("&taf3=") + QueryValue(message) + QStringLiteral("&taf4=") +
           QueryValue(friendName) + QStringLiteral("&taf5=") + QueryValue(friendEmail) +
           QStringLiteral("&taf6=") + QueryValue(folder);
}

void OpenReferAddress() { modHelp::OpenWebAddress(strReferAddress); }

} // namespace modTellAFriend
