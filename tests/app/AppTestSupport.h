#pragma once

#include "app/calculator/CalculatorPanel.h"
#include "app/calculator/CardEdit.h"
#include "app/window/MainWindow.h"
#include "app/window/StartupSequence.h"
#include "history/HandHistoryGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

namespace tallyhand::app::testing {

// Waits until the start-up sequence has run to its end.
inline bool waitForStartup(Tfrm_tallyhand& window, int timeoutMs = 120000)
{
    if (window.startup()->done())
        return true;
    QSignalSpy spy(window.startup(), &StartupSequence::finished);
    return spy.wait(timeoutMs) || window.startup()->done();
}

// A configuration file naming the user, so that the start-up runs through.
inline bool writeIniFile(const QString& homeDir, const QByteArray& userName = "Hero")
{
    QFile ini(QDir(homeDir).filePath(QStringLiteral("Tallyhand.ini")));
    const QByteArray text = "[USER]\r\nusername=" + userName + "\r\n";
    return ini.open(QIODevice::WriteOnly) && ini.write(text) == text.size();
}

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the bytes, making the folder first.
inline bool writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes generated hand histories into `dir` (names after `prefix`); returns
// the number of games written.
inline int generateHands(const QString& dir, std::size_t games, std::uint64_t seed, const QString& prefix = {})
{
    QDir().mkpath(dir);
    int total = 0;
    generateHandHistories({games, seed, "Hero"}, [&](GeneratedFile&& file) {
        QFile out(dir + QLatin1Char('/') + prefix + QString::fromStdString(file.name));
        const QByteArray bytes = QByteArray::fromStdString(file.bytes);
        if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size())
            total += static_cast<int>(file.games);
    });
    return total;
}

// Sum of the counts at the end of each row ("A K s 12", "123 7").
inline int countSum(const QListWidget* list)
{
    int sum = 0;
    for (int i = 0; i < list->count(); ++i)
        sum += list->item(i)->text().section(QLatin1Char(' '), -1).toInt();
    return sum;
}

template <class T = QLineEdit>
T* field(const QWidget& window, const QString& name)
{
    T* w = window.findChild<T*>(name);
    if (!w)
        qWarning("no widget %s", qPrintable(name));
    return w;
}

} // namespace tallyhand::app::testing
