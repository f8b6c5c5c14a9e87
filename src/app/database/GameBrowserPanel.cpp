#include "app/database/GameBrowserPanel.h"

#include "app/database/GameData.h"
#include "app/widgets/PageTabs.h"
#include "history/HoleCardBundles.h"
#include "history/TextDecoding.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyhand::app {

namespace {

QListWidget* makeList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setUniformItemSizes(true);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Rows are columns of characters ("A K s 12"); a fixed pitch keeps them aligned.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(list->font().pointSize());
    list->setFont(fixed);
    return list;
}

QString display(const std::string& bytes)
{
    return QString::fromStdString(decodeForDisplay(bytes));
}

// Fills `list` with `rows`; `tips` (same index) become the rows' tool tips.
void fill(QListWidget* list, const std::vector<std::string>& rows, const std::vector<std::string>* tips = nullptr)
{
    list->clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows)
        texts << display(row);
    list->addItems(texts);
    if (tips)
        for (std::size_t i = 0; i < tips->size() && i < rows.size(); ++i)
            list->item(static_cast<int>(i))->setToolTip(display((*tips)[i]));
}

} // namespace

GameBrowserPanel::GameBrowserPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("game_browser"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    m_pages = makePageControl(QStringLiteral("PageControl2"), this);
    QWidget* holeCards = addPage(m_pages, QStringLiteral("Hole Cards"));
    m_lb4 = makeList(QStringLiteral("lb4"), holeCards);
    holeCards->layout()->addWidget(m_lb4);
    QWidget* tournaments = addPage(m_pages, QStringLiteral("Tournaments"));
    auto* side = new QHBoxLayout;
    side->setSpacing(4);
    m_lbTour = makeList(QStringLiteral("lb_tour"), tournaments);
    m_lbGame = makeList(QStringLiteral("lb_game"), tournaments);
    side->addWidget(m_lbTour, 3);
    side->addWidget(m_lbGame, 2);
    static_cast<QVBoxLayout*>(tournaments->layout())->addLayout(side);
    layout->addWidget(m_pages, 1);

    // The class column is only as wide as its rows ("A K s 1234").
    auto* column = new QWidget(this);
    auto* classes = new QVBoxLayout(column);
    classes->setContentsMargins(0, 0, 0, 0);
    classes->setSpacing(4);
    m_lb3 = makeList(QStringLiteral("lb3"), column);
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
    fill(m_lb3, rows);
}

void GameBrowserPanel::listTournaments()
{
    const TournamentIndex& index = m_data->tournaments();
    fill(m_lbTour, index.listRows, &index.types);
    m_lbGame->clear();
}

void GameBrowserPanel::lb3DblClick()
{
    const QListWidgetItem* item = m_lb3->currentItem();
    if (!m_data || !item || !item->isSelected())
        return;
    const ClassGames games = gamesOfClass(m_data->tables().hole_cards, item->text().toStdString());
    fill(m_lb4, games.rows, &games.hints);
    m_pages->setCurrentIndex(m_pages->indexOf(m_lb4->parentWidget()));
}

} // namespace tallyhand::app
