#include "app/results/ResultsPage.h"

#include "app/database/GameData.h"
#include "app/results/ResultsGraphView.h"
#include "app/results/ResultsTables.h"
#include "app/widgets/PageTabs.h"
#include "stats/ResultsGraph.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <set>

namespace tallyhand::app {

namespace {

const QDate kNoDate(2000, 1, 1); // the dates' lowest value stands for "alle"

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QComboBox* makeChoice(const QString& objectName, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->addItem(QStringLiteral("alle"));
    return box;
}

QDateEdit* makeDate(const QString& objectName, QWidget* parent)
{
    auto* edit = new QDateEdit(kNoDate, parent);
    edit->setObjectName(objectName);
    edit->setMinimumDate(kNoDate);
    edit->setSpecialValueText(QStringLiteral("alle"));
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setCalendarPopup(true);
    return edit;
}

std::optional<std::int64_t> secondsOf(const QDateEdit* edit, bool endOfDay)
{
    const QDate date = edit->date();
    if (date == kNoDate)
        return std::nullopt;
    return civilSeconds(date.year(), date.month(), date.day(), endOfDay ? 23 : 0, endOfDay ? 59 : 0,
                        endOfDay ? 59 : 0);
}

} // namespace

ResultsPage::ResultsPage(QWidget* parent) : QWidget(parent), m_stop(std::make_shared<std::atomic<bool>>(false))
{
    setObjectName(QStringLiteral("TabSheetResults"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(makeFilters());

    m_pages = makePageControl(QStringLiteral("pc_results"), this);
    QWidget* graphPage = addPage(m_pages, QStringLiteral("Graph"), QStringLiteral("ts_result_graph"));
    m_summary = new QLabel(graphPage);
    m_summary->setObjectName(QStringLiteral("lbl_result_summary"));
    graphPage->layout()->addWidget(m_summary);
    m_graph = new ResultsGraphView(graphPage);
    graphPage->layout()->addWidget(m_graph);
    QWidget* sessions = addPage(m_pages, QStringLiteral("Sessions"), QStringLiteral("ts_result_sessions"));
    m_sessions = makeResultTable(QStringLiteral("tbl_result_sessions"),
                                 {QStringLiteral("Beginn"), QStringLiteral("Dauer"), QStringLiteral("Spiele"),
                                  QStringLiteral("Gewinn"), QStringLiteral("bb/100")},
                                 sessions);
    sessions->layout()->addWidget(m_sessions);
    const QStringList stats{QStringLiteral("Spiele"), QStringLiteral("Gewinn"), QStringLiteral("bb/100"),
                            QStringLiteral("VPIP %"), QStringLiteral("PFR %"),  QStringLiteral("3-Bet %"),
                            QStringLiteral("AF"),     QStringLiteral("WTSD %"), QStringLiteral("W$SD %")};
    QWidget* positions = addPage(m_pages, QStringLiteral("Positionen"), QStringLiteral("ts_result_positions"));
    m_positions = makeResultTable(QStringLiteral("tbl_result_positions"),
                                  QStringList{QStringLiteral("Währung"), QStringLiteral("Position")} + stats, positions);
    positions->layout()->addWidget(m_positions);
    QWidget* stakes = addPage(m_pages, QStringLiteral("Einsätze"), QStringLiteral("ts_result_stakes"));
    m_stakesTable = makeResultTable(QStringLiteral("tbl_result_stakes"), QStringList{QStringLiteral("Big Blind")} + stats,
                                    stakes);
    stakes->layout()->addWidget(m_stakesTable);
    QWidget* tournaments = addPage(m_pages, QStringLiteral("Turniere"), QStringLiteral("ts_result_tournaments"));
    m_tournaments = makeResultTable(
        QStringLiteral("tbl_result_tournaments"),
        {QStringLiteral("Turnier"), QStringLiteral("Spiele"), QStringLiteral("Chips gewonnen"),
         QStringLiteral("Chips verloren"), QStringLiteral("Buy-in"), QStringLiteral("Platz"), QStringLiteral("Preis"),
         QStringLiteral("ROI %")},
        tournaments);
    tournaments->layout()->addWidget(m_tournaments);
    m_tournamentTotals = new QLabel(tournaments);
    m_tournamentTotals->setObjectName(QStringLiteral("lbl_result_tournaments"));
    tournaments->layout()->addWidget(m_tournamentTotals);
    layout->addWidget(m_pages, 1);

    connect(m_graph, &ResultsGraphView::gameClicked, this, &ResultsPage::gameChosen);
    connect(&m_watcher, &QFutureWatcher<Loaded>::finished, this, &ResultsPage::finishLoad);
}

ResultsPage::~ResultsPage()
{
    stopLoad();
}

QWidget* ResultsPage::makeFilters()
{
    auto* box = new QGroupBox(QStringLiteral("Filter"), this);
    box->setObjectName(QStringLiteral("gb_result_filter"));
    auto* form = new QFormLayout(box);
    form->setContentsMargins(6, 6, 6, 6);
    form->setVerticalSpacing(3);
    m_from = makeDate(QStringLiteral("de_result_from"), box);
    m_to = makeDate(QStringLiteral("de_result_to"), box);
    m_kind = new QComboBox(box);
    m_kind->setObjectName(QStringLiteral("cb_result_kind"));
    m_kind->addItems({QStringLiteral("alle"), QStringLiteral("Cash"), QStringLiteral("Turniere")});
    m_currency = makeChoice(QStringLiteral("cb_result_currency"), box);
    m_stakes = makeChoice(QStringLiteral("cb_result_bb"), box);
    m_players = makeChoice(QStringLiteral("cb_result_players"), box);
    for (int n = 2; n <= 10; ++n)
        m_players->addItem(QString::number(n), n);
    m_position = makeChoice(QStringLiteral("cb_result_position"), box);
    for (int p = 1; p < kPositionCount; ++p)
        m_position->addItem(text(positionName(static_cast<Position>(p))), p);
    form->addRow(QStringLiteral("Von"), m_from);
    form->addRow(QStringLiteral("Bis"), m_to);
    form->addRow(QStringLiteral("Spiele"), m_kind);
    form->addRow(QStringLiteral("Währung"), m_currency);
    form->addRow(QStringLiteral("Big Blind"), m_stakes);
    form->addRow(QStringLiteral("Spieler"), m_players);
    form->addRow(QStringLiteral("Position"), m_position);

    m_money = new QRadioButton(QStringLiteral("Währung"), box);
    m_money->setObjectName(QStringLiteral("rb_result_money"));
    m_money->setChecked(true);
    m_money->setToolTip(QStringLiteral("Der Graph zeigt den Gewinn in der Währung (oder in Chips)"));
    m_bigBlinds = new QRadioButton(QStringLiteral("Big Blinds"), box);
    m_bigBlinds->setObjectName(QStringLiteral("rb_result_bb"));
    m_bigBlinds->setToolTip(QStringLiteral("Der Graph zeigt den Gewinn in Big Blinds des jeweiligen Spiels"));
    m_from->setToolTip(QStringLiteral("Erster Tag, der zählt (Zeit des Kartenraums); \"alle\": ohne Grenze"));
    m_to->setToolTip(QStringLiteral("Letzter Tag, der zählt; \"alle\": ohne Grenze"));
    m_kind->setToolTip(QStringLiteral("Alle Spiele, nur Cash Games oder nur Turniere"));
    m_currency->setToolTip(QStringLiteral("Nur Spiele dieser Währung; Beträge verschiedener Währungen werden nie addiert"));
    m_stakes->setToolTip(QStringLiteral("Nur Spiele mit diesem Big Blind"));
    m_players->setToolTip(QStringLiteral("Nur Spiele mit so vielen ausgeteilten Spielern"));
    m_position->setToolTip(QStringLiteral("Nur Spiele aus dieser Position"));
    auto* units = new QHBoxLayout;
    units->addWidget(m_money);
    units->addWidget(m_bigBlinds);
    form->addRow(QStringLiteral("Graph in"), units);
    box->setFixedWidth(210);

    for (QDateEdit* edit : {m_from, m_to})
        connect(edit, &QDateEdit::dateChanged, this, &ResultsPage::rebuild);
    for (QComboBox* choice : {m_kind, m_stakes, m_players, m_position})
        connect(choice, &QComboBox::currentIndexChanged, this, &ResultsPage::rebuild);
    connect(m_currency, &QComboBox::currentIndexChanged, this, [this] {
        fillStakes();
        rebuild();
    });
    connect(m_money, &QRadioButton::toggled, this, &ResultsPage::rebuild);
    return box;
}

void ResultsPage::setGameData(GameData* gameData, UserFn user, FoldersFn folders)
{
    m_data = gameData;
    m_user = std::move(user);
    m_folders = std::move(folders);
    connect(gameData, &GameData::aboutToChange, this, &ResultsPage::stopLoad);
    connect(gameData, &GameData::replaced, this, &ResultsPage::startLoad);
    if (gameData->loaded())
        startLoad();
}

void ResultsPage::startLoad()
{
    stopLoad();
    m_stop = std::make_shared<std::atomic<bool>>(false);
    const std::filesystem::path storeFile = m_data->database().storeFile;
    const std::string user = m_user ? m_user() : std::string();
    const std::vector<std::filesystem::path> folders = m_folders ? m_folders() : std::vector<std::filesystem::path>{};
    // A connection of its own: a store serves one thread.
    m_watcher.setFuture(QtConcurrent::run([storeFile, user, folders, stop = m_stop] {
        Loaded loaded;
        if (!storeFile.empty()) {
            try {
                GameStore store(storeFile);
                loaded.results = resultsOfStore(store, stop.get());
            } catch (const DatabaseError&) {
                // no store yet: the page stays empty
            }
        }
        if (!stop->load())
            loaded.summaries = findTournamentSummaries(folders, user);
        return loaded;
    }));
}

void ResultsPage::stopLoad()
{
    if (!m_watcher.isRunning())
        return;
    m_stop->store(true);
    m_watcher.waitForFinished();
}

void ResultsPage::finishLoad()
{
    if (m_stop->load() || m_watcher.isCanceled())
        return;
    m_loaded = m_watcher.result();
    fillChoices();
    rebuild();
    emit loaded();
}

void ResultsPage::fillChoices()
{
    m_filling = true;
    const QVariant chosen = m_currency->currentData();
    std::set<MoneyUnit> units;
    for (const GameResult& game : m_loaded.results.games)
        units.insert(game.unit);
    m_currency->clear();
    m_currency->addItem(QStringLiteral("alle"));
    for (MoneyUnit unit : units)
        m_currency->addItem(text(unitName(unit)), static_cast<int>(unit));
    m_currency->setCurrentIndex(std::max(0, m_currency->findData(chosen)));
    fillStakes();
    m_filling = false;
}

void ResultsPage::fillStakes()
{
    const bool filling = m_filling;
    m_filling = true;
    const QVariant chosen = m_stakes->currentData();
    const QVariant unitChosen = m_currency->currentData();
    std::set<std::pair<MoneyUnit, std::int64_t>> stakes;
    for (const GameResult& game : m_loaded.results.games)
        if (!unitChosen.isValid() || static_cast<int>(game.unit) == unitChosen.toInt())
            stakes.insert({game.unit, game.bigBlind});
    m_stakes->clear();
    m_stakes->addItem(QStringLiteral("alle"));
    for (const auto& [unit, bigBlind] : stakes)
        m_stakes->addItem(moneyText(bigBlind, unit), QVariantList{static_cast<int>(unit), QVariant::fromValue<qlonglong>(bigBlind)});
    m_stakes->setCurrentIndex(std::max(0, m_stakes->findData(chosen)));
    m_filling = filling;
}

ResultsFilter ResultsPage::filter() const
{
    ResultsFilter filter;
    filter.from = secondsOf(m_from, false);
    filter.to = secondsOf(m_to, true);
    filter.kind = static_cast<ResultsFilter::Kind>(m_kind->currentIndex());
    if (m_currency->currentData().isValid())
        filter.unit = static_cast<MoneyUnit>(m_currency->currentData().toInt());
    if (const QVariantList stake = m_stakes->currentData().toList(); stake.size() == 2) {
        filter.unit = static_cast<MoneyUnit>(stake[0].toInt());
        filter.bigBlind = stake[1].toLongLong();
    }
    if (m_players->currentData().isValid())
        filter.players = m_players->currentData().toInt();
    if (m_position->currentData().isValid())
        filter.position = static_cast<Position>(m_position->currentData().toInt());
    return filter;
}

void ResultsPage::rebuild()
{
    if (m_filling)
        return;
    const ResultsFilter shown = filter();
    const std::vector<GameResult>& games = m_loaded.results.games;
    m_report = buildResultsReport(games, shown, m_loaded.summaries);
    const MoneyUnit unit = shown.unit ? *shown.unit : mostPlayedUnit(games, shown).value_or(MoneyUnit::USD);
    const ResultsGraph graph = buildResultsGraph(games, shown, unit, m_bigBlinds->isChecked());
    m_graph->showGraph(graph);

    QString summary;
    for (const UnitStats& t : m_report.totals)
        if (t.unit == unit)
            summary = QStringLiteral("%1 Spiele   Gewinn %2   ohne Showdown %3   mit Showdown %4   %5 bb/100")
                          .arg(t.stats.games)
                          .arg(moneyText(t.stats.net, unit), moneyText(t.stats.netNonShowdown, unit),
                               moneyText(t.stats.netShowdown, unit), figureText(t.stats.bb100()));
    if (summary.isEmpty())
        summary = QStringLiteral("Keine Spiele");
    if (m_loaded.results.unbalanced > 0)
        summary += QStringLiteral("   Beträge gehen nicht auf: %1 Spiele").arg(m_loaded.results.unbalanced);
    if (!m_loaded.results.unreadable.empty())
        summary += QStringLiteral("   Beträge nicht lesbar: %1 Spiele").arg(m_loaded.results.unreadable.size());
    m_summary->setText(summary);

    fillSessionTable(m_sessions, m_report);
    fillPositionTable(m_positions, m_report);
    fillStakesTable(m_stakesTable, m_report);
    fillTournamentTable(m_tournaments, m_report);
    m_tournamentTotals->setText(tournamentTotalsText(m_report));
}

} // namespace tallyhand::app
