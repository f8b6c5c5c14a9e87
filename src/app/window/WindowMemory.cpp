#include "app/window/WindowMemory.h"

#include <QDir>
#include <QEvent>
#include <QMainWindow>
#include <QSettings>
#include <QTabWidget>

namespace tallyhand::app {

namespace {

const QString kGeometry = QStringLiteral("Fenster/Geometrie");
const QString kTabs = QStringLiteral("Reiter/");

} // namespace

WindowMemory::WindowMemory(QMainWindow* window, const QString& homeDir)
    : QObject(window), m_window(window), m_file(QDir(homeDir).filePath(QString::fromLatin1(kFileName)))
{
    window->installEventFilter(this);
}

bool WindowMemory::restore()
{
    QSettings settings(m_file, QSettings::IniFormat);
    // Tabs by caption: the order of pages may change between versions.
    for (QTabWidget* pages : m_window->findChildren<QTabWidget*>()) {
        const QString caption = settings.value(kTabs + pages->objectName()).toString();
        for (int i = 0; !caption.isEmpty() && !pages->objectName().isEmpty() && i < pages->count(); ++i)
            if (pages->tabText(i) == caption && pages->isTabVisible(i))
                pages->setCurrentIndex(i);
    }
    const QByteArray geometry = settings.value(kGeometry).toByteArray();
    return !geometry.isEmpty() && m_window->restoreGeometry(geometry);
}

void WindowMemory::save()
{
    QSettings settings(m_file, QSettings::IniFormat);
    settings.setValue(kGeometry, m_window->saveGeometry());
    for (QTabWidget* pages : m_window->findChildren<QTabWidget*>())
        if (!pages->objectName().isEmpty() && pages->currentIndex() >= 0)
            settings.setValue(kTabs + pages->objectName(), pages->tabText(pages->currentIndex()));
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Close)
        save();
    return QObject::eventFilter(watched, event);
}

} // namespace tallyhand::app
