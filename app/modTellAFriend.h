#pragma once
// The refer-a-friend request: the form's values, their checks and the page that takes them.

#include <QString>

namespace modTellAFriend {

// Filled by the farewell window's form before each request; empty at start.
extern QString strReferName;
extern QString strReferEmail;
extern QString strReferMessage;
extern QString strReferFriendName;
extern QString strReferFriendEmail;
// The page address of the last request that passed the checks.
extern QString strReferAddress;

// Checks that every value is filled in (not blank, not its field's placeholder), builds
// strReferAddress and opens it. The first failing check shows its message and ends.
void SubmitReferral();
void OpenReferAddress();

// The refer-a-friend page's address for these values: the page script with
// page=vesk-refer-a-friend, taf1 to taf5 the values in this order and taf6 the page script's
// folder, each in full percent-encoding.
QString referAddress(const QString& name, const QString& email, const QString& message,
                     const QString& friendName, const QString& friendEmail);

} // namespace modTellAFriend
