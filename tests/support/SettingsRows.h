#pragma once
// The rows both settings stores must pass, the file on Linux and the registry on Windows, so
// that the two tests cannot drift apart.

#include <QtTest>

namespace SettingsRows {

// Columns name, value: each pair must come back as written, stored under one scrambled key.
inline void roundTrip()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("reminder date") << "Duration"
                                   << "12/10/2026";
    QTest::newRow("scrambled value starts with @") << "Duration"
                                                   << "1/2/2029";
    QTest::newRow("quotes, separators and blanks") << "Duration"
                                                   << " a;b,c=\"d\" \\e ";
    QTest::newRow("control character after scrambling") << "Duration"
                                                        << "a\tb";
    QTest::newRow("Latin-1 letters, blank in name") << "Last Name"
                                                    << "Zo\u00EB \u00D8rsted";
}

// Column name: names whose scrambled form cannot be a key; writing them must be refused.
inline void refusedNames()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("scrambles to nothing") << QString(QChar(255)) + QChar(250);
    QTest::newRow("U scrambles to a backslash") << "Update";
    QTest::newRow("( scrambles to a slash") << "(Note)";
}

} // namespace SettingsRows
