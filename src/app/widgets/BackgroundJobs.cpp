#include "app/widgets/BackgroundJobs.h"

#include <QtConcurrent/QtConcurrentRun>

#include <exception>

namespace tallyhand::app {

BackgroundJobs::~BackgroundJobs()
{
    for (QFuture<void>& f : m_futures)
        f.waitForFinished();
}

void BackgroundJobs::run(Work work, std::function<void(const QString&)> status,
                         std::function<void(const QString& error)> finished)
{
    ++m_running;
    auto onDone = [this, finished = std::move(finished)](const QString& error) {
        --m_running;
        finished(error);
    };
    m_futures.removeIf([](const QFuture<void>& f) { return f.isFinished(); });
    m_futures.append(QtConcurrent::run([this, work = std::move(work), status = std::move(status),
                                        onDone = std::move(onDone)] {
        const Report report = [this, &status](const std::string& text) {
            QMetaObject::invokeMethod(
                this, [status, t = QString::fromStdString(text)] { status(t); }, Qt::QueuedConnection);
        };
        QString error;
        try {
            work(report);
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
            if (error.isEmpty())
                error = QStringLiteral("unbekannter Fehler");
        } catch (...) {
            error = QStringLiteral("unbekannter Fehler");
        }
        QMetaObject::invokeMethod(this, [onDone, error] { onDone(error); }, Qt::QueuedConnection);
    }));
}

} // namespace tallyhand::app
