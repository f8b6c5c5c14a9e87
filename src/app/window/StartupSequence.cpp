#include "app/window/StartupSequence.h"

#include "app/calculator/CalculatorPanel.h"
#include "app/statistics/ChipChartPanel.h"
#include "app/database/GameData.h"
#include "app/database/ImportForm.h"
#include "app/window/MainWindow.h"
#include "app/database/RebuildPage.h"
#include "app/settings/UserSettings.h"
#include "app/statistics/StatisticsPage.h"
#include "app/calculator/TableController.h"
#include "history/TextDecoding.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tallyhand::app {

namespace {

QString display(const std::string& bytes)
{
    return QString::fromStdString(decodeForDisplay(bytes));
}

// Progress reaches the import form at most this often (stage changes always).
constexpr std::chrono::milliseconds kProgressInterval{40};

} // namespace

// Shared by the worker and the window: wakes the worker when the window has
// answered, or when the window goes away.
struct StartupSequence::Sync {
    std::mutex mutex;
    std::condition_variable wake;
    bool closing = false;
};

// The start-up's view of the window; every call comes from the worker.
class StartupSequence::View : public StartupView {
public:
    explicit View(StartupSequence& owner) : m_owner(owner) {}

    void showStatus(const std::string& text) override
    {
        m_owner.post([w = m_owner.m_window, t = QString::fromStdString(text)] { w->showStatus(t); });
    }

    void showMessage(const std::string& text) override
    {
        m_owner.await([o = &m_owner, t = QString::fromStdString(text)](std::function<void(bool)> answer) {
            o->ask(t, false, std::move(answer));
        });
    }

    bool askContinue(const std::string& text) override
    {
        return m_owner.await([o = &m_owner, t = QString::fromStdString(text)](std::function<void(bool)> answer) {
            o->ask(t, true, std::move(answer));
        });
    }

    ImportResult runImport(StoreImport& job) override
    {
        m_owner.post([o = &m_owner] { o->openImportForm(); });
        std::string lastStage;
        auto last = std::chrono::steady_clock::time_point{};
        ImportResult result = job.run([&](const ImportProgress& progress) {
            const auto now = std::chrono::steady_clock::now();
            if (progress.stage == lastStage && now - last < kProgressInterval)
                return;
            lastStage = progress.stage;
            last = now;
            m_owner.post([o = &m_owner, progress] {
                if (o->m_form)
                    o->m_form->showProgress(progress);
            });
        });
        ImportResult summary;
        summary.ok = result.ok;
        summary.error = result.error;
        summary.files = result.files;
        summary.games = result.games;
        summary.skipped = result.skipped;
        // The next step waits until the form has closed itself.
        m_owner.await([o = &m_owner, summary](std::function<void(bool)> answer) {
            o->closeImportForm(summary, std::move(answer));
        });
        return result;
    }

    void userAccepted(const std::string& userName) override
    {
        m_owner.post([o = &m_owner, name = QString::fromStdString(userName)] { o->acceptUser(name); });
    }

    void clearOuts() override
    {
        m_owner.post([o = &m_owner] { o->clearOuts(); });
    }

private:
    StartupSequence& m_owner;
};

StartupSequence::StartupSequence(Tfrm_tallyhand* window, GameData* data)
    : QObject(window), m_window(window), m_data(data), m_sync(std::make_shared<Sync>()),
      m_view(std::make_unique<View>(*this))
{
    m_timer.setObjectName(QStringLiteral("timer_start"));
    m_timer.setInterval(100);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &StartupSequence::run);

    m_prompt = [this](const QString& text, bool question, std::function<void(bool)> answer) {
        showBox(text, question, std::move(answer));
    };

    StartupHooks hooks;
    hooks.loadCombinations = [this] {
        awaitTableStep(&TableController::loadRankTables, "Die Kombinationsdaten konnten nicht geladen werden.");
    };
    hooks.buildPatterns = [this] {
        awaitTableStep(&TableController::buildPatternLists, "Die Kombinationsdaten konnten nicht erzeugt werden.");
    };
    const std::filesystem::path home(QFile::encodeName(window->homeDir()).toStdString());
    m_core = std::make_unique<DatabaseStartup>(HomeFolders{home}, *m_view, std::move(hooks));
}

StartupSequence::~StartupSequence()
{
    shutdown();
}

void StartupSequence::shutdown()
{
    {
        std::lock_guard lock(m_sync->mutex);
        m_sync->closing = true;
    }
    m_sync->wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
    m_timer.stop();
    if (m_cursorShown) {
        QApplication::restoreOverrideCursor();
        m_cursorShown = false;
    }
}

void StartupSequence::arm()
{
    if (!m_running)
        m_timer.start();
}

void StartupSequence::begin()
{
    m_running = true;
    m_loaded = false;
    m_window->rebuildPage()->rebuildButton()->setEnabled(false);
    if (!m_cursorShown) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_cursorShown = true;
    }
}

void StartupSequence::run()
{
    m_timer.stop();
    if (m_running)
        return;
    if (m_userNamePrompt && m_core->pending() && !hasUsableUserName(m_window->homeDir())) {
        // Whatever the answer, the sequence runs afterwards: with the name, or
        // stopping with its own message as before.
        m_running = true;
        m_userNamePrompt([this](bool) {
            m_running = false;
            start();
        });
        return;
    }
    start();
}

void StartupSequence::start()
{
    begin();
    startWorker(
        [this] {
            m_outcome = m_core->run();
            // An early stop and a second run leave nothing new behind.
            m_loaded = m_outcome != StartupOutcome::NoIniFile && m_outcome != StartupOutcome::PlaceholderUser
                       && m_outcome != StartupOutcome::AlreadyDone;
        },
        [this](const QString& error) {
            end(error);
            emit finished();
        });
}

void StartupSequence::rebuild()
{
    runImport([this] { return m_core->rebuild(); }, "Die Spieldaten konnten nicht neu erzeugt werden.",
              &StartupSequence::rebuildFinished);
}

void StartupSequence::importNewFiles()
{
    runImport([this] { return m_core->importNewFiles(); }, startup_text::kImportFailed,
              &StartupSequence::importFinished);
}

void StartupSequence::runImport(std::function<ImportResult()> import, const char* message,
                                void (StartupSequence::*finished)())
{
    if (m_running)
        return;
    begin();
    startWorker(
        [this, import = std::move(import), message] {
            const ImportResult result = import();
            if (result.ok) {
                m_core->loadDatabase();
                m_loaded = true;
            } else {
                m_view->showMessage(std::string(message) + "\r\n" + decodeForDisplay(result.error));
            }
            m_view->showStatus(startup_text::kOk);
        },
        [this, finished](const QString& error) {
            end(error);
            emit(this->*finished)();
        });
}

void StartupSequence::end(const QString& error)
{
    if (m_loaded)
        publish();
    m_running = false;
    m_done = true;
    m_window->rebuildPage()->rebuildButton()->setEnabled(true);
    if (m_cursorShown) {
        QApplication::restoreOverrideCursor();
        m_cursorShown = false;
    }
    // A failure the sequence does not handle itself ends it with a report;
    // the status bar keeps the last step's message.
    if (!error.isEmpty())
        ask(error, false, [](bool) {});
}

void StartupSequence::publish()
{
    m_loaded = false;
    m_data->replace(std::move(m_core->database()));
    m_core->database() = GameDatabase{};
}

void StartupSequence::startWorker(std::function<void()> work, std::function<void(const QString&)> done)
{
    if (m_worker.joinable())
        m_worker.join();
    m_worker = std::thread([this, work = std::move(work), done = std::move(done)] {
        QString error;
        try {
            work();
        } catch (const Closing&) {
            return;
        } catch (const std::exception& e) {
            error = display(e.what());
            if (error.isEmpty())
                error = QStringLiteral("Unbekannter Fehler");
        } catch (...) {
            error = QStringLiteral("Unbekannter Fehler");
        }
        post([this, error, done] {
            if (m_worker.joinable())
                m_worker.join();
            done(error);
        });
    });
}

void StartupSequence::post(std::function<void()> call)
{
    {
        std::lock_guard lock(m_sync->mutex);
        if (m_sync->closing)
            return;
    }
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

bool StartupSequence::await(std::function<void(std::function<void(bool)>)> start)
{
    struct Slot {
        bool done = false;
        bool value = false;
    };
    auto slot = std::make_shared<Slot>();
    auto answer = [sync = m_sync, slot](bool value) {
        {
            std::lock_guard lock(sync->mutex);
            if (slot->done)
                return;
            slot->value = value;
            slot->done = true;
        }
        sync->wake.notify_all();
    };
    post([start = std::move(start), answer] { start(answer); });
    std::unique_lock lock(m_sync->mutex);
    m_sync->wake.wait(lock, [&] { return slot->done || m_sync->closing; });
    if (!slot->done)
        throw Closing{};
    return slot->value;
}

void StartupSequence::awaitTableStep(void (TableController::*step)(std::function<void(bool)>), const char* failure)
{
    const bool ok = await([this, step](std::function<void(bool)> answer) { runTableStep(step, std::move(answer)); });
    if (!ok)
        throw std::runtime_error(failure);
}

void StartupSequence::runTableStep(void (TableController::*step)(std::function<void(bool)>),
                                   std::function<void(bool)> answer)
{
    TableController* tables = m_window->tableController();
    if (tables->busy()) {
        // A developer button's job still runs: start once it has ended.
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = connect(tables, &TableController::busyChanged, this,
                              [this, step, answer, connection](bool busy) {
                                  if (busy)
                                      return;
                                  disconnect(*connection);
                                  QTimer::singleShot(0, this, [this, step, answer] { runTableStep(step, answer); });
                              });
        return;
    }
    (tables->*step)(std::move(answer));
}

void StartupSequence::ask(const QString& text, bool question, std::function<void(bool)> answer)
{
    // The hourglass gives way to the arrow while the user has to answer.
    if (m_cursorShown)
        QApplication::changeOverrideCursor(Qt::ArrowCursor);
    m_prompt(text, question, [this, answer = std::move(answer)](bool yes) {
        if (m_cursorShown)
            QApplication::changeOverrideCursor(Qt::WaitCursor);
        answer(yes);
    });
}

void StartupSequence::showBox(const QString& text, bool question, std::function<void(bool)> answer)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto* box = new QMessageBox(question ? QMessageBox::Question : QMessageBox::Information,
                                QStringLiteral("Tallyhand"), shown, QMessageBox::NoButton, m_window);
    box->setObjectName(QStringLiteral("startup_message"));
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    QAbstractButton* yes = nullptr;
    if (question) {
        yes = box->addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        box->setDefaultButton(static_cast<QPushButton*>(yes));
        box->addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    } else {
        box->addButton(QMessageBox::Ok);
    }
    connect(box, &QMessageBox::finished, this, [box, yes, answer] {
        const bool accepted = !yes || box->clickedButton() == yes;
        box->deleteLater();
        answer(accepted);
    });
    box->show();
}

void StartupSequence::acceptUser(const QString& userName)
{
    m_window->statisticsPage()->chipChart()->player()->setText(userName);
    // The developer, table panel and rebuild pages are not for the user.
    QTabWidget* pages = m_window->pageControl();
    for (int i = 0; i < pages->count(); ++i) {
        const QString name = pages->widget(i)->objectName();
        if (name == QLatin1String("TabSheet1") || name == QLatin1String("TabSheet2")
            || name == QLatin1String("TabSheet13"))
            pages->setTabVisible(i, false);
    }
    clearOuts();
}

void StartupSequence::clearOuts()
{
    if (auto* outs = m_window->calculator()->findChild<QPlainTextEdit*>(QStringLiteral("mem_outs")))
        outs->clear();
}

void StartupSequence::openImportForm()
{
    m_form = new Tfrm_main_2(m_window);
    m_form->show();
    emit importFormOpened(m_form);
}

void StartupSequence::closeImportForm(const ImportResult& summary, std::function<void(bool)> answer)
{
    if (!m_form) {
        answer(true);
        return;
    }
    Tfrm_main_2* form = m_form;
    connect(form, &QDialog::finished, this, [form, answer] {
        form->deleteLater();
        answer(true);
    });
    form->finish(summary);
}

} // namespace tallyhand::app
