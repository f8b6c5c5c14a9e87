#pragma once

#include <QFuture>
#include <QList>
#include <QObject>

#include <functional>
#include <string>

namespace tallyhand::app {

// Long work off the window's thread. Status texts reach the window in the order
// the work reported them, followed by the completion call; the owner waits for
// running work before it goes away.
class BackgroundJobs : public QObject {
    Q_OBJECT
public:
    using Report = std::function<void(const std::string&)>;
    using Work = std::function<void(const Report&)>;

    explicit BackgroundJobs(QObject* parent = nullptr) : QObject(parent) {}
    ~BackgroundJobs() override;

    // `status` and `finished` run on this object's thread; `finished` gets an
    // empty text on success, else the failure's message.
    void run(Work work, std::function<void(const QString&)> status,
             std::function<void(const QString& error)> finished);
    bool busy() const { return m_running > 0; }

private:
    QList<QFuture<void>> m_futures;
    int m_running = 0;
};

} // namespace tallyhand::app
