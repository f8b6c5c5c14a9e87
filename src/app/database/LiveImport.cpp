#include "app/database/LiveImport.h"

#include "app/database/GameData.h"
#include "app/widgets/BusyLock.h"
#include "store/HomeStore.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QtConcurrent/QtConcurrentRun>

namespace tallyhand::app {
namespace {

// The periodic look, for file systems whose changes the watcher misses.
constexpr int kCheckIntervalMs = 1000;

QString display(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

LiveImport::LiveImport(std::filesystem::path home, GameData* data, const BusyLock* busy, QObject* parent)
    : QObject(parent), m_home(std::move(home)), m_data(data), m_busy(busy),
      m_action(new QAction(QStringLiteral("Live-Import"), this))
{
    m_action->setObjectName(QStringLiteral("act_live_import"));
    m_action->setCheckable(true);
    m_action->setChecked(true);
    m_action->setToolTip(QStringLiteral("Neue und wachsende Hand-History-Dateien laufend importieren"));
    connect(m_action, &QAction::toggled, this, [this](bool on) {
        if (on)
            check();
        else
            m_stop->store(true);
    });
    m_timer.setInterval(kCheckIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &LiveImport::check);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &LiveImport::check);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &LiveImport::check);
    connect(&m_future, &QFutureWatcher<NewGames>::finished, this, &LiveImport::finished);
}

LiveImport::~LiveImport()
{
    m_stop->store(true);
    m_future.waitForFinished();
}

void LiveImport::start(const std::string& userName)
{
    m_userName = userName;
    m_started = true;
    watchFolders();
    m_timer.start();
}

void LiveImport::watchFolders()
{
    QStringList paths;
    for (const HandFolder& folder : configuredHandFolders(m_home)) {
        const QString dir = QFile::decodeName(folder.path.c_str());
        paths << dir;
        // A growing file changes no directory entry; watch the files too.
        for (const QString& name : QDir(dir).entryList(QDir::Files))
            paths << QDir(dir).filePath(name);
    }
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    for (const QString& path : paths)
        if (!watched.contains(path))
            m_watcher.addPath(path);
}

void LiveImport::check()
{
    if (!m_started || !m_action->isChecked() || m_data->database().storeFile.empty())
        return;
    if (m_future.isRunning() || m_waiting) {
        m_again = true;
        return;
    }
    m_stop->store(false);
    const HomeFolders folders{m_home};
    m_future.setFuture(QtConcurrent::run([folders, user = m_userName, store = m_store, stop = m_stop,
                                          file = m_data->database().storeFile]() -> NewGames {
        try {
            if (!*store)
                *store = std::make_unique<GameStore>(file);
            return importNewGames(**store, folders, user, stop.get());
        } catch (const DatabaseError& e) {
            NewGames failed;
            failed.result.error = e.what();
            return failed;
        }
    }));
}

void LiveImport::finished()
{
    m_waiting = m_future.result();
    apply();
}

void LiveImport::apply()
{
    if (!m_waiting)
        return;
    if (m_busy->busy()) {
        QTimer::singleShot(200, this, &LiveImport::apply);
        return;
    }
    const NewGames round = std::move(*m_waiting);
    m_waiting.reset();
    for (const std::string& problem : round.result.folderProblems)
        emit status(display(problem));
    if (!round.busy && !round.result.ok && !round.result.error.empty())
        emit status(display(round.result.error));
    if (!round.lists.storeFile.empty()) {
        m_data->replace(round.lists);
        if (round.result.added > 0) {
            emit status(display(startup_text::liveImported(round.result.added)));
            emit imported(static_cast<int>(round.result.added));
        }
    }
    watchFolders();
    if (m_again) {
        m_again = false;
        check();
    }
}

} // namespace tallyhand::app
