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

} // namespace modTellAFriend
