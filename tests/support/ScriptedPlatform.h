#pragma once
// Test double for the platform seam: answers come from a script the test writes,
// everything shown is recorded, and an unscripted dialog fails the test at once.

#include "Platform.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <optional>
#include <random>

// Catches every web address the program opens, instead of a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;
    QStringList opened;     // as QUrl::toString()
    QList<QUrl> openedUrls; // the same, as handed over, for checks on their exact encoding
public slots:
    void open(const QUrl& url);
};

// Installed by the shared test main for the whole process: any message box, file dialog or
// process end outside a ScriptedPlatform's life fails the running test instead of blocking.
Platform::Services unscriptedServices();

class ScriptedPlatform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform(); // fails the test if scripted answers were left unused, and puts back
                         // the services that were in force before it
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    void answerNext(Platform::Answer answer) { answers.push_back(answer); }
    void chooseNext(const QString& path) { files.push_back(path); }
    void cancelNextDialog() { files.push_back(QString()); }
    // The next random fraction; unscripted draws come from a generator seeded with clockSeed.
    void drawNext(double fraction) { draws.push_back(fraction); }

    QList<Platform::Message> messages;        // every message box shown, in order
    QList<Platform::OpenFileRequest> dialogs; // every file dialog shown
    QDate today{2026, 12, 10};
    unsigned clockSeed = 1;
    int seedCount = 0; // how often the generator was re-seeded from the clock
    int endCount = 0;  // how often the process would have ended
    UrlRecorder urls;

private:
    Platform::Services previous; // a script in force before this one, or the unscripted one
    std::deque<Platform::Answer> answers;
    std::deque<QString> files; // a null text stands for Cancel
    std::deque<double> draws;
    std::mt19937 generator;
};
