#include "Platform.h"

#include "Identity.h"

#include <QDateTime>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace Platform {

const QString ApplicationTitle = QString::fromUtf8(Identity::ProductName);

namespace {

std::mt19937& generator()
{
    static std::mt19937 generator;
    return generator;
}

[[noreturn]] void missing(const char* service)
{
    std::fprintf(stderr, "Platform::%s was called, but no widget side has installed it\n", service);
    std::abort();
}

} // namespace

Services coreServices()
{
    Services services;
    services.showMessage = [](const Message&) -> Answer { missing("showMessage"); };
    services.chooseFileToOpen = [](const OpenFileRequest&) -> std::optional<QString> {
        missing("chooseFileToOpen");
    };
    services.openWebAddress = [](const QUrl&) { missing("openWebAddress"); };
    services.today = [] { return QDate::currentDate(); };
    services.seedRandomFromClock = [] {
        generator().seed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
    };
    services.randomFraction = [] {
        return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
    };
    services.endProcess = [] { missing("endProcess"); };
    return services;
}

Services& current()
{
    static Services services = coreServices();
    return services;
}

Answer showMessage(const Message& message) { return current().showMessage(message); }

std::optional<QString> chooseFileToOpen(const OpenFileRequest& request)
{
    return current().chooseFileToOpen(request);
}

void openWebAddress(const QUrl& address) { current().openWebAddress(address); }

QDate today() { return current().today(); }

void seedRandomFromClock() { current().seedRandomFromClock(); }

double randomFraction() { return current().randomFraction(); }

void endProcess() { current().endProcess(); }

} // namespace Platform
