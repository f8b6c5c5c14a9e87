#include "app/database/GameReplay.h"

#include "app/calculator/CalculatorPanel.h"
#include "app/calculator/CardEdit.h"
#include "app/database/GameBrowserPanel.h"
#include "app/database/GameData.h"
#include "app/database/GamePlayPanel.h"
#include "app/simulation/ShowdownPanel.h"
#include "app/statistics/ChipChartPanel.h"
#include "app/statistics/StatisticsPage.h"
#include "app/statistics/TournamentSelection.h"
#include "app/widgets/FieldColour.h"
#include "app/widgets/RowLists.h"
#include "history/HandHistoryText.h"
#include "stats/TournamentStats.h"
#include "store/StoreViews.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tallyhand::app {

namespace {

void fillPane(QTextEdit* pane, const std::vector<std::string>& lines)
{
    QStringList texts;
    for (const std::string& line : lines)
        texts << QString::fromStdString(line);
    pane->setPlainText(texts.join(QLatin1Char('\n')));
}

} // namespace

GameReplay::GameReplay(CalculatorPanel* calculator, StatisticsPage* page, GameData* data,
                       TournamentSelection* selection, BusyLock* lock, StatusFn status, QObject* parent)
    : QObject(parent), m_calculator(calculator), m_page(page), m_data(data), m_selection(selection), m_lock(lock),
      m_status(std::move(status))
{
    GameBrowserPanel* browser = page->browser();
    connect(browser->lb4(), &QListWidget::itemClicked, this, &GameReplay::lb4DblClick);
    connect(browser->lb4(), &QListWidget::itemDoubleClicked, this, &GameReplay::lb4DblClick);
    connect(browser->lbGame(), &QListWidget::itemClicked, this, &GameReplay::lb_gameDblClick);
    connect(browser->lbGame(), &QListWidget::itemDoubleClicked, this, &GameReplay::lb_gameDblClick);
    connect(selection, &TournamentSelection::gameChosen, this, &GameReplay::lb_gameDblClick);
    connect(page->gamePlay(), &GamePlayPanel::streetChosen, this, &GameReplay::showStreet);
}

void GameReplay::lb4DblClick()
{
    const QListWidgetItem* item = m_page->browser()->lb4()->currentItem();
    if (!item || m_lock->busy() || !m_data->loaded())
        return;
    const std::string row = item->text().toStdString();
    // The game number as the replay reads it from the row.
    const auto at = row.find("game#");
    const auto game = at == std::string::npos ? std::nullopt : parseInt64(row.substr(at + 5, row.find(' ', at) - at - 5));
    if (!game || !loadGame(*game))
        return;
    if (const auto replay = replayFromClassRow(m_index, row))
        run(*replay);
}

void GameReplay::lb_gameDblClick()
{
    const QListWidgetItem* item = m_page->browser()->lbGame()->currentItem();
    if (!item || m_lock->busy() || !m_data->loaded())
        return;
    if (const auto game = gameOfRow(item->text().toStdString()); game && loadGame(*game))
        run(replayFromGame(m_index, *game));
}

bool GameReplay::loadGame(std::int64_t game)
{
    GameStore* store = m_data->store();
    if (!store)
        return false;
    m_index = GameIndex();
    m_tables = gameSlice(*store, game);
    m_index = GameIndex(m_tables);
    return true;
}

void GameReplay::replayGame(qint64 game)
{
    if (m_lock->busy() || !m_data->loaded())
        return;
    if (loadGame(game))
        run(replayFromGame(m_index, game));
}

void GameReplay::run(const Replay& replay)
{
    BusyLock::Hold hold(*m_lock);
    m_statusTexts.clear();
    m_last = replay;
    for (const ReplayStep& step : replay.steps)
        perform(replay, step);
    std::array<bool, 5> streets{};
    for (int s = 0; s < 5; ++s)
        streets[static_cast<std::size_t>(s)] = reached(replay, static_cast<Street>(s));
    m_page->gamePlay()->setStreets(streets, 4);
}

void GameReplay::showStreet(int street)
{
    if (!m_last || m_lock->busy())
        return;
    BusyLock::Hold hold(*m_lock);
    const std::string user = m_page->chipChart()->player()->text().toStdString();
    const StreetView view = replayAtStreet(m_index, *m_last, static_cast<Street>(street), user);
    showPlay(view.play);
    fillMemo(m_page->gamePlay()->summary(), view.summary);
    showShownDown(view.showdown);
    for (const ReplayStep& step : view.steps)
        perform(*m_last, step);
}

void GameReplay::showPlay(const GamePlay& play)
{
    GamePlayPanel* panel = m_page->gamePlay();
    fillPane(panel->seatsAndBlinds(), play.seatsAndBlinds);
    fillPane(panel->betAction(), play.betAction);
    fillPane(panel->showdown(), play.showdown);
}

void GameReplay::showShownDown(const std::vector<std::string>& rows)
{
    // The win expectations belong to the hands listed before.
    fillRows(m_page->showdown()->lbHc(), rows);
    m_page->showdown()->lbWahrs()->clear();
}

void GameReplay::status(const QString& text)
{
    m_statusTexts << text;
    m_status(text);
}

void GameReplay::perform(const Replay& replay, const ReplayStep& step)
{
    GamePlayPanel* play = m_page->gamePlay();
    GameBrowserPanel* browser = m_page->browser();
    switch (step.kind) {
    case ReplayStep::Status:
        status(QString::fromStdString(step.text));
        break;
    case ReplayStep::NewHand:
        m_calculator->Button20Click();
        break;
    case ReplayStep::EnterCard:
        enterCard(step);
        break;
    case ReplayStep::ClearSummary:
        play->summary()->clear();
        break;
    case ReplayStep::ShowSummary:
        fillMemo(play->summary(), replay.summary);
        break;
    case ReplayStep::ShowPlay:
        showPlay(replay.play);
        break;
    case ReplayStep::ListShowdown:
        showShownDown(replay.showdown);
        break;
    case ReplayStep::SelectTournament: {
        QListWidget* tours = browser->lbTour();
        for (int i = 0; i < tours->count(); ++i)
            if (tournamentOfRow(tours->item(i)->text().toStdString()) == step.number) {
                tours->setCurrentRow(i);
                m_selection->lb_tourDblClick();
                m_statusTexts << m_selection->statusTexts();
            }
        break;
    }
    case ReplayStep::SelectGame: {
        QListWidget* games = browser->lbGame();
        const QString number = QString::number(step.number);
        for (int i = 0; i < games->count(); ++i)
            if (games->item(i)->text() == number)
                games->setCurrentRow(i);
        break;
    }
    }
}

void GameReplay::enterCard(const ReplayStep& step)
{
    CardEdit* edit = m_calculator->cardEdit(step.slot);
    edit->setText(QString::fromStdString(step.text));
    setFieldColour(edit, QColor(0, 128, 0));
    processPaintEvents();
    if (!step.status.empty())
        status(QString::fromStdString(step.status));
    if (!step.calculate) {
        m_calculator->ExpandCardText(edit);
    } else {
        using Exit = void (CalculatorPanel::*)();
        static constexpr Exit exits[] = {&CalculatorPanel::hole1Exit, &CalculatorPanel::hole2Exit,
                                         &CalculatorPanel::flop1Exit, &CalculatorPanel::flop2Exit,
                                         &CalculatorPanel::flop3Exit, &CalculatorPanel::turnExit,
                                         &CalculatorPanel::riverExit};
        (m_calculator->*exits[step.slot])();
    }
    setFieldColour(edit, std::nullopt);
    processPaintEvents();
}

} // namespace tallyhand::app
