#include "SessionPlatform.h"

namespace {

bool hasValue(const QProcessEnvironment& environment, const QString& name)
{
    return !environment.value(name).isEmpty(); // Qt, too, reads an empty variable as unset
}

// Qt takes "-platform name" and "--platform name"; a last "-platform" with no name is ignored.
bool platformArgumentGiven(const QStringList& arguments)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
        if (arguments[i] == QLatin1String("-platform") ||
            arguments[i] == QLatin1String("--platform"))
            return true;
    return false;
}

} // namespace

QByteArray platformForSession(const QProcessEnvironment& environment, const QStringList& arguments)
{
    if (hasValue(environment, QStringLiteral("QT_QPA_PLATFORM")) ||
        platformArgumentGiven(arguments))
        return {};
    const bool wayland =
        hasValue(environment, QStringLiteral("WAYLAND_DISPLAY")) ||
        environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    if (!wayland)
        return {};
    if (hasValue(environment, QStringLiteral("DISPLAY")))
        return QByteArrayLiteral("xcb;wayland");
    return QByteArrayLiteral("wayland");
}
