#include "app/window/MainWindow.h"

#include "app/widgets/BackgroundJobs.h"
#include "app/calculator/CalculatorPanel.h"
#include "app/calculator/CardButtonPanel.h"
#include "app/calculator/CardsPage.h"
#include "app/developer/DeveloperActions.h"
#include "app/developer/DeveloperPage.h"
#include "app/database/GameBrowserPanel.h"
#include "app/database/GameData.h"
#include "app/database/GameReplay.h"
#include "app/database/LiveImport.h"
#include "app/statistics/TournamentSelection.h"
#include "app/widgets/PageTabs.h"
#include "app/database/RebuildPage.h"
#include "app/results/ResultsPage.h"
#include "app/simulation/ShowdownPanel.h"
#include "app/simulation/SimulatePage.h"
#include "app/window/MainMenu.h"
#include "app/window/StartupSequence.h"
#include "app/window/Tooltips.h"
#include "app/window/WindowMemory.h"
#include "app/statistics/StatisticsPage.h"
#include "app/calculator/TableController.h"
#include "app/table/TablePanelPage.h"
#include "app/calculator/TableStore.h"
#include "store/StoreImport.h"

#include "app/calculator/CardEdit.h"
#include "app/statistics/ChipChartPanel.h"

#include <QFile>
#include <QIcon>
#include <QLineEdit>
#include <QLabel>
#include <QMessageBox>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tallyhand::app {

Tfrm_tallyhand::Tfrm_tallyhand(const QString& homeDir, QWidget* parent)
    : QMainWindow(parent), m_homeDir(homeDir)
{
    setObjectName(QStringLiteral("frm_tallyhand"));
    setWindowTitle(QStringLiteral("Tallyhand"));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);

    m_store = new TableStore(this);
    m_gameData = new GameData(this);
    m_jobs = new BackgroundJobs(this);
    m_tableController = new TableController(dataDir(), m_store, m_jobs,
                                            [this](const QString& text) { showStatus(text); }, this);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 0);
    layout->setSpacing(4);

    m_calculator = new CalculatorPanel(central);
    m_calculator->setTableStore(m_store);
    layout->addWidget(m_calculator);

    m_pages = makePageControl(QStringLiteral("PageControl1"), central);
    m_developer = new DeveloperPage(m_pages);
    m_tablePanel = new TablePanelPage(m_pages);
    m_cards = new CardsPage(m_pages);
    m_statistics = new StatisticsPage(m_pages);
    m_results = new ResultsPage(m_pages);
    m_rebuild = new RebuildPage(m_pages);
    m_simulate = new SimulatePage(m_pages);
    m_pages->addTab(m_developer, QStringLiteral("TabSheet1"));
    m_pages->addTab(m_tablePanel, QStringLiteral("TabSheet2"));
    m_pages->addTab(m_cards, QStringLiteral("Karten"));
    m_pages->addTab(m_statistics, QStringLiteral("Statistik"));
    m_pages->addTab(m_results, QStringLiteral("Ergebnisse"));
    m_pages->addTab(m_rebuild, QStringLiteral("Erzeugen"));
    m_pages->addTab(m_simulate, QStringLiteral("Simulate Board"));
    m_pages->setCurrentWidget(m_cards);
    m_pages->setMinimumHeight(288);
    layout->addWidget(m_pages, 1);
    setCentralWidget(central);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("stb_main"));
    m_statusField = new QLabel(bar);
    m_statusField->setObjectName(QStringLiteral("stb_main_field"));
    bar->addWidget(m_statusField, 1);
    setStatusBar(bar);

    m_tableController->setViews(m_cards, m_calculator);
    m_statistics->browser()->setGameData(m_gameData);
    const StatusFn paintedStatus = [this](const QString& text) {
        showStatus(text);
        processPaintEvents();
    };
    m_selection = new TournamentSelection(m_statistics, m_gameData, &m_statisticsBusy, paintedStatus, this);
    m_replay = new GameReplay(m_calculator, m_statistics, m_gameData, m_selection, &m_statisticsBusy, paintedStatus, this);
    m_startup = new StartupSequence(this, m_gameData);
    m_results->setGameData(
        m_gameData, [this] { return m_statistics->chipChart()->player()->text().toStdString(); },
        [this] { return configuredHandPaths(std::filesystem::path(QFile::encodeName(m_homeDir).toStdString())); });
    // A game of the results graph is replayed where replays are shown.
    connect(m_results, &ResultsPage::gameChosen, this, [this](qint64 game) {
        m_pages->setCurrentWidget(m_statistics);
        m_replay->replayGame(game);
    });
    connect(m_rebuild, &RebuildPage::rebuildClicked, m_startup, &StartupSequence::rebuild);
    m_liveImport = new LiveImport(QFile::encodeName(m_homeDir).toStdString(), m_gameData, &m_statisticsBusy, this);
    connect(m_liveImport, &LiveImport::status, this, &Tfrm_tallyhand::showStatus);
    connect(m_liveImport, &LiveImport::imported, m_selection, &TournamentSelection::refreshChosen);
    connect(m_startup, &StartupSequence::finished, m_liveImport, [this] {
        if (!m_startup->startupPending())
            m_liveImport->start(m_startup->userName());
    });

    connect(m_calculator, &CalculatorPanel::statusMessage, this, &Tfrm_tallyhand::showStatus);
    wirePracticeTable();
    connect(m_calculator, &CalculatorPanel::betterHandsListed, m_developer, &DeveloperPage::showLines);
    for (CardButtonPanel* panel : {m_cards->cardPanel(), m_simulate->cardPanel()})
        connect(panel, &CardButtonPanel::cardClicked, m_calculator, &CalculatorPanel::Button19Click);
    connect(m_developer, &DeveloperPage::loadClicked, this, [this] { m_tableController->loadRankTables(); });
    connect(m_developer, &DeveloperPage::kombisClicked, this, [this] { m_tableController->buildPatternLists(); });
    connect(m_developer, &DeveloperPage::saveClicked, this, [this] { m_tableController->saveRankTables(); });
    connect(m_developer, &DeveloperPage::allKombiClicked, this,
            [this] { m_tableController->generateRankTables(); });
    connect(m_developer, &DeveloperPage::berechneClicked, this, [this] {
        ShowdownPanel* showdown = m_statistics->showdown();
        runShowdownCalculation(*m_store, *showdown->lbHc(), *showdown->lbWahrs());
    });
    connect(m_developer, &DeveloperPage::testClicked, this,
            [this] { QMessageBox::information(this, QStringLiteral("Test"), cardDrawTestText()); });
    connect(m_tableController, &TableController::busyChanged, m_developer,
            [this](bool busy) { m_developer->setTableButtonsEnabled(!busy); });

    m_menu = new MainMenu(this);
    m_menu->addLiveImportSwitch(m_liveImport->action());
    applyTooltips(*this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/tallyhand.png")));
    resize(926, 667);
    m_geometryRestored = (new WindowMemory(this, homeDir))->restore();
}

void Tfrm_tallyhand::wirePracticeTable()
{
    m_tablePanel->setTableStore(m_store);
    m_tablePanel->setHistory(handsDir(), [this] { return m_statistics->chipChart()->player()->text(); });
    connect(m_tablePanel, &TablePanelPage::statusMessage, this, &Tfrm_tallyhand::showStatus);
    auto* pot = findChild<QLineEdit*>(QStringLiteral("inp_pot"));
    connect(m_tablePanel, &TablePanelPage::potChanged, pot, &QLineEdit::setText);
    // The calculator follows the user's own cards at the practice table.
    connect(m_tablePanel, &TablePanelPage::userCardsChanged, this, [this, pot](const QStringList& cards) {
        if (!m_calculator->calculationReady())
            return;
        const QString potText = pot->text();
        m_calculator->Button20Click();
        for (int i = 0; i < cards.size() && i < CalculatorPanel::CardSlotCount; ++i)
            m_calculator->cardEdit(i)->setText(cards[i]);
        pot->setText(potText);
        if (!cards.value(0).isEmpty())
            m_calculator->hole2Exit();
    });
}

Tfrm_tallyhand::~Tfrm_tallyhand()
{
    // The start-up's worker may still wait on this window.
    m_startup->shutdown();
}

std::filesystem::path Tfrm_tallyhand::dataDir() const
{
    return std::filesystem::path(QFile::encodeName(m_homeDir).toStdString()) / "data";
}

std::filesystem::path Tfrm_tallyhand::handsDir() const
{
    return std::filesystem::path(QFile::encodeName(m_homeDir).toStdString()) / "Hands";
}

QString Tfrm_tallyhand::statusText() const
{
    return m_statusField->text();
}

void Tfrm_tallyhand::showStatus(const QString& text)
{
    m_statusField->setText(text);
    m_statusField->repaint();
    emit statusShown(text);
}

void Tfrm_tallyhand::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        m_startup->arm();
}

} // namespace tallyhand::app
