#include "ScriptedPlatform.h"

#include "DesktopPlatform.h"

#include <QDesktopServices>
#include <QtTest>

UrlRecorder::UrlRecorder()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

UrlRecorder::~UrlRecorder()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlRecorder::open(const QUrl& url)
{
    opened << url.toString();
    openedUrls << url;
}

Platform::Services unscriptedServices()
{
    Platform::Services services = desktopServices();
    services.showMessage = [](const Platform::Message& message) {
        QTest::qFail(qPrintable("unscripted message box: " + message.text), __FILE__, __LINE__);
        return message.buttons == Platform::Buttons::Ok ? Platform::Answer::Ok
                                                        : Platform::Answer::No;
    };
    services.chooseFileToOpen = [](const Platform::OpenFileRequest& request) {
        QTest::qFail(qPrintable("unscripted file dialog: " + request.title), __FILE__, __LINE__);
        return std::optional<QString>{};
    };
    services.endProcess = [] { QTest::qFail("unscripted process end", __FILE__, __LINE__); };
    return services;
}

ScriptedPlatform::ScriptedPlatform() : previous(Platform::current())
{
    Platform::Services& services = Platform::current();
    services.showMessage = [this](const Platform::Message& message) {
        messages << message;
        if (answers.empty()) {
            QTest::qFail(qPrintable("unscripted message box: " + message.text), __FILE__, __LINE__);
            return message.buttons == Platform::Buttons::Ok ? Platform::Answer::Ok
                                                            : Platform::Answer::No;
        }
        const Platform::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    };
    services.chooseFileToOpen = [this](const Platform::OpenFileRequest& request) {
        dialogs << request;
        if (files.empty()) {
            QTest::qFail("unscripted file dialog", __FILE__, __LINE__);
            return std::optional<QString>{};
        }
        const QString path = files.front();
        files.pop_front();
        return path.isNull() ? std::nullopt : std::make_optional(path);
    };
    services.today = [this] { return today; };
    services.seedRandomFromClock = [this] {
        ++seedCount;
        generator.seed(clockSeed);
    };
    services.randomFraction = [this] {
        if (draws.empty())
            return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
        const double fraction = draws.front();
        draws.pop_front();
        return fraction;
    };
    services.endProcess = [this] { ++endCount; };
}

ScriptedPlatform::~ScriptedPlatform()
{
    if (!answers.empty() || !files.empty() || !draws.empty())
        QTest::qFail("scripted answers left unused", __FILE__, __LINE__);
    Platform::current() = previous;
}
