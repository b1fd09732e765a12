#pragma once
// The few platform services the program calls, each a thin wrapper over Qt.
// Every one goes through a replaceable function so that tests can script it. Only QtCore
// here: the message box, the file dialog, the browser and the end are the widget side's
// (desktopServices), which the start-up installs.

#include <QDate>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

namespace Platform {

extern const QString ApplicationTitle; // caption of every message box

enum class Icon { Information, Critical };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Message {
    QString text;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
};

struct OpenFileRequest {
    QString title;
    QString filter; // "Description (*.ext)"
    QString defaultSuffix;
};

// Modal message box with the application title; returns the button pressed.
Answer showMessage(const Message& message);

// Modal open-file dialog for an existing file; nullopt when cancelled.
std::optional<QString> chooseFileToOpen(const OpenFileRequest& request);

// Hands the address to the default browser; returns at once and never reports failure.
void openWebAddress(const QUrl& address);

QDate today();

// The program's one pseudo-random generator.
void seedRandomFromClock();
double randomFraction(); // 0 <= r < 1

// Ends the program with exit code 0: it leaves every event loop, so that main returns.
void endProcess();

// What the services above call; tests swap them.
struct Services {
    std::function<Answer(const Message&)> showMessage;
    std::function<std::optional<QString>(const OpenFileRequest&)> chooseFileToOpen;
    std::function<void(const QUrl&)> openWebAddress;
    std::function<QDate()> today;
    std::function<void()> seedRandomFromClock;
    std::function<double()> randomFraction;
    std::function<void()> endProcess;
};

// The services in force; coreServices() until others are installed.
Services& current();
// The real date and random generator. The services that need a widget or a GUI are not
// among them: calling one stops the process with a message that names it.
Services coreServices();

} // namespace Platform
