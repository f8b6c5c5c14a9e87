#include "app/database/GameBrowserPanel.h"

#include "app/database/GameData.h"
#include "store/StoreViews.h"
#include "app/widgets/PageTabs.h"
#include "app/widgets/RowLists.h"
#include "history/HoleCardBundles.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyhand::app {


GameBrowserPanel::GameBrowserPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("game_browser"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    m_pages = makePageControl(QStringLiteral("PageControl2"), this);
    QWidget* holeCards = addPage(m_pages, QStringLiteral("Hole Cards"));
    m_lb4 = makeRowList(QStringLiteral("lb4"), holeCards);
    holeCards->layout()->addWidget(m_lb4);
    QWidget* tournaments = addPage(m_pages, QStringLiteral("Tournaments"));
    auto* side = new QHBoxLayout;
    side->setSpacing(4);
    m_lbTour = makeRowList(QStringLiteral("lb_tour"), tournaments);
    m_lbGame = makeRowList(QStringLiteral("lb_game"), tournaments);
    side->addWidget(m_lbTour, 3);
    side->addWidget(m_lbGame, 2);
    static_cast<QVBoxLayout*>(tournaments->layout())->addLayout(side);
    layout->addWidget(m_pages, 1);

    // The class column is only as wide as its rows ("A K s 1234").
    auto* column = new QWidget(this);
    auto* classes = new QVBoxLayout(column);
    classes->setContentsMargins(0, 0, 0, 0);
    classes->setSpacing(4);
    m_lb3 = makeRowList(QStringLiteral("lb3"), column);
    classes->addWidget(m_lb3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    m_count = new QPushButton(QStringLiteral("Count"), column);
    m_count->setObjectName(QStringLiteral("Button79"));
    m_count->setToolTip(QStringLiteral("Hole Cards nach Häufigkeit"));
    m_rank = new QPushButton(QStringLiteral("Rank"), column);
    m_rank->setObjectName(QStringLiteral("Button82"));
    m_rank->setToolTip(QStringLiteral("Hole Cards nach Rang"));
    buttons->addWidget(m_count);
    buttons->addWidget(m_rank);
    classes->addLayout(buttons);
    const int rowWidth = QFontMetrics(m_lb3->font()).horizontalAdvance(QStringLiteral("A K s 99999"));
    column->setFixedWidth(std::max(rowWidth + 2 * m_lb3->frameWidth() + 24, 120));
    layout->addWidget(column);

    connect(m_count, &QPushButton::clicked, this, &GameBrowserPanel::Button79Click);
    connect(m_rank, &QPushButton::clicked, this, &GameBrowserPanel::Button82Click);
    connect(m_lb3, &QListWidget::itemClicked, this, &GameBrowserPanel::lb3DblClick);
    connect(m_lb3, &QListWidget::itemDoubleClicked, this, &GameBrowserPanel::lb3DblClick);
}

void GameBrowserPanel::setGameData(GameData* gameData)
{
    m_data = gameData;
    connect(gameData, &GameData::replaced, this, &GameBrowserPanel::showDatabase);
}

void GameBrowserPanel::showDatabase()
{
    // The load has just grouped the hole cards; no need to do it twice.
    listBundles(listBundlesByCount(m_data->holeBundles()));
    listTournaments();
    m_lb4->clear();
}

void GameBrowserPanel::Button79Click()
{
    if (!m_data)
        return;
    m_data->rebundle();
    listBundles(listBundlesByCount(m_data->holeBundles()));
}

void GameBrowserPanel::Button82Click()
{
    if (m_data)
        listBundles(listBundlesByRank(m_data->holeBundles()));
}

void GameBrowserPanel::listBundles(const std::vector<std::string>& rows)
{
    fillRows(m_lb3, rows);
}

void GameBrowserPanel::listTournaments()
{
    const TournamentIndex& index = m_data->tournaments();
    fillRows(m_lbTour, index.listRows, &index.types);
    m_lbGame->clear();
}

void GameBrowserPanel::lb3DblClick()
{
    const QListWidgetItem* item = m_lb3->currentItem();
    if (!m_data || !item || !item->isSelected())
        return;
    GameStore* store = m_data->store();
    const ClassGames games = store ? classGamesOf(*store, item->text().toStdString()) : ClassGames{};
    fillRows(m_lb4, games.rows, &games.hints);
    m_pages->setCurrentIndex(m_pages->indexOf(m_lb4->parentWidget()));
}

} // namespace tallyhand::app
