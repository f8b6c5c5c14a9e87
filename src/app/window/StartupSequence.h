#pragma once

#include "store/DatabaseStartup.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <thread>

namespace tallyhand::app {

class GameData;
class TableController;
class Tfrm_main_2;
class Tfrm_tallyhand;

// What runs once the main window is on the screen: the user name from the
// configuration file, the combination tables, the database load with its
// repair, the search for new hand-history files and their import. The work
// runs on a thread of its own; the window shows its messages, boxes and the
// import form, and keeps handling events meanwhile.
class StartupSequence : public QObject {
    Q_OBJECT
public:
    // Shows a message box (question: yes/no) and later calls `answer`
    // (true for "Ja" or after a plain message).
    using Prompt = std::function<void(const QString& text, bool question, std::function<void(bool)> answer)>;

    explicit StartupSequence(Tfrm_tallyhand* window, GameData* data);
    ~StartupSequence() override;

    // FormShow: fires the sequence 100 ms later (timer_start).
    void arm();
    // Button87Click: deletes the database files, imports every hand-history
    // file anew, then loads the database again.
    void rebuild();
    // Imports what is new in the hand-history folders with the import form's
    // progress, then loads the browser lists again.
    void importNewFiles();
    // Ends waiting work before the window goes away.
    void shutdown();

    bool running() const { return m_running; }
    bool done() const { return m_done; }
    // Set until the user name has been accepted.
    bool startupPending() const { return m_core->pending(); }
    StartupOutcome outcome() const { return m_outcome; }
    // The accepted user name (raw bytes of the configuration file).
    std::string userName() const { return m_core->userName(); }

    void setPrompt(Prompt prompt) { m_prompt = std::move(prompt); }
    // Asks for the screen name when the configuration file has no usable one,
    // before the sequence runs; `answer` is called when the question is closed.
    using UserNamePrompt = std::function<void(std::function<void(bool)> answer)>;
    void setUserNamePrompt(UserNamePrompt prompt) { m_userNamePrompt = std::move(prompt); }

signals:
    void finished();
    void rebuildFinished();
    void importFinished();
    void importFormOpened(Tfrm_main_2* form);

private:
    class View;
    struct Sync;
    struct Closing {};

    void run(); // timer_startTimer
    void start();
    void begin();
    void end(const QString& error);
    void publish();

    // Worker side.
    // Runs `import` in the worker, then loads the database; `message` heads a failure.
    void runImport(std::function<ImportResult()> import, const char* message, void (StartupSequence::*finished)());
    void startWorker(std::function<void()> work, std::function<void(const QString& error)> done);
    void post(std::function<void()> call);
    bool await(std::function<void(std::function<void(bool)>)> start);
    void awaitTableStep(void (TableController::*step)(std::function<void(bool)>), const char* failure);

    // Window side.
    void ask(const QString& text, bool question, std::function<void(bool)> answer);
    void showBox(const QString& text, bool question, std::function<void(bool)> answer);
    void runTableStep(void (TableController::*step)(std::function<void(bool)>), std::function<void(bool)> answer);
    void acceptUser(const QString& userName);
    void clearOuts();
    void openImportForm();
    void closeImportForm(const ImportResult& summary, std::function<void(bool)> answer);

    Tfrm_tallyhand* m_window;
    GameData* m_data;
    QTimer m_timer;
    Prompt m_prompt;
    UserNamePrompt m_userNamePrompt;
    std::shared_ptr<Sync> m_sync;
    std::unique_ptr<View> m_view;
    std::unique_ptr<DatabaseStartup> m_core;
    std::thread m_worker;
    QPointer<Tfrm_main_2> m_form;
    StartupOutcome m_outcome = StartupOutcome::AlreadyDone;
    bool m_loaded = false; // the worker left a database to take over
    bool m_running = false;
    bool m_done = false;
    bool m_cursorShown = false;
};

} // namespace tallyhand::app
