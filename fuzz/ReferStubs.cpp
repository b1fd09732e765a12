// What modTellAFriend calls besides the address: the page script is the configured one, and
// nothing may show a message or open a browser while the address is only being built.

#include "Platform.h"
#include "modHelp.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Unexpected(const char* what)
{
    std::fprintf(stderr, "%s was called while building an address\n", what);
    std::abort();
}

} // namespace

QString modHelp::PageScriptAddress() { return QStringLiteral(HCN_PAGE_SCRIPT_ADDRESS); }

void modHelp::OpenWebAddress(const QString&) { Unexpected("OpenWebAddress"); }

Platform::Answer Platform::showMessage(const Message&) { Unexpected("ShowMessage"); }
