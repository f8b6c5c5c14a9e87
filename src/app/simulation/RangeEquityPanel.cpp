#include "app/simulation/RangeEquityPanel.h"

#include "app/simulation/RangeGrid.h"
#include "app/widgets/DecimalSeparator.h"
#include "preflop/SimulationResults.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace tallyhand::app {

namespace {

QString percent(std::uint64_t part, std::uint64_t whole)
{
    return QString::fromStdString(simulationPercent(part, whole, localeDecimalSeparator()));
}

bool isRange(const HandRange& range) { return !(range.single && range.hands.size() == 1); }

} // namespace

RangeEquityPanel::RangeEquityPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("range_equity"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);

    auto* runRow = new QHBoxLayout;
    m_mode = new QLabel(QStringLiteral("Hände oder Ranges eintragen und berechnen"), this);
    m_mode->setObjectName(QStringLiteral("lbl_range_mode"));
    m_mode->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("pg_range"));
    m_progress->setMaximumWidth(140);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_stop = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_stop->setObjectName(QStringLiteral("btn_range_stop"));
    m_stop->setToolTip(QStringLiteral("Bricht die laufende Equity-Berechnung ab"));
    m_stop->setEnabled(false);
    runRow->addWidget(m_mode, 1);
    runRow->addWidget(m_progress);
    runRow->addWidget(m_stop);
    left->addLayout(runRow);

    m_table = new QTableWidget(0, 6, this);
    m_table->setObjectName(QStringLiteral("stg_equity"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Spieler"), QStringLiteral("Hand / Range"),
                                        QStringLiteral("Equity %"), QStringLiteral("Gewinn %"),
                                        QStringLiteral("Split %"), QStringLiteral("± %")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    left->addWidget(m_table, 1);

    m_heatPlayer = new QComboBox(this);
    m_heatPlayer->setObjectName(QStringLiteral("cb_heat_player"));
    m_heatPlayer->setToolTip(QStringLiteral("Equity nach Klassen für diesen Spieler"));
    right->addWidget(m_heatPlayer);
    m_heat = new RangeGrid(QStringLiteral("grid_heat"), this);
    m_heat->setEditable(false);
    m_heat->setToolTip(QStringLiteral("Equity der Klasse in %; leer: nicht in der Range"));
    right->addWidget(m_heat, 1);

    connect(m_stop, &QPushButton::clicked, this, &RangeEquityPanel::cancel);
    connect(m_heatPlayer, &QComboBox::currentIndexChanged, this,
            [this](int) { showHeat(m_heatPlayer->currentData().toInt()); });
}

RangeEquityPanel::~RangeEquityPanel()
{
    m_stopFlag->store(true);
    m_future.waitForFinished();
}

void RangeEquityPanel::start(const RangeSetup& setup, const QStringList& names, std::uint64_t deals)
{
    m_setup = setup;
    m_names = names;
    m_running = true;
    m_stopFlag->store(false);
    m_stop->setEnabled(true);
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    RangeEquityOptions options;
    options.deals = deals;
    options.seed = QRandomGenerator::global()->generate64();
    const bool exact = estimatedExactSeconds(setup, 0) <= options.exactSeconds;
    m_mode->setText(exact ? QStringLiteral("Exakt: jede Verteilung und jedes Board wird gezählt ...")
                          : QStringLiteral("Zufällig: %1 Deals werden ausgeteilt ...").arg(deals));
    emit started();
    auto stop = m_stopFlag;
    m_future = QtConcurrent::run([this, setup, options, stop] {
        int shown = -1;
        const RangeEquityResult result = runRangeEquity(
            setup, options,
            [&](std::uint64_t done, std::uint64_t total) {
                const int permille = total == 0 ? 1000 : static_cast<int>(1000 * done / total);
                if (permille == shown)
                    return;
                shown = permille;
                QMetaObject::invokeMethod(this, [this, permille] { m_progress->setValue(permille); },
                                          Qt::QueuedConnection);
            },
            stop.get());
        QMetaObject::invokeMethod(this, [this, result] { onDone(result); }, Qt::QueuedConnection);
    });
}

void RangeEquityPanel::cancel()
{
    if (m_running)
        m_stopFlag->store(true);
}

void RangeEquityPanel::onDone(const RangeEquityResult& result)
{
    m_running = false;
    m_stop->setEnabled(false);
    if (result.stopped) {
        m_mode->setText(QStringLiteral("Abgebrochen"));
        emit finished(QStringLiteral("Equity-Berechnung abgebrochen"));
        return;
    }
    m_result = result;
    m_progress->setValue(1000);
    m_mode->setText(result.exact ? QStringLiteral("Exakt: %1 gewichtete Deals").arg(result.deals)
                                 : QStringLiteral("Zufällig: %1 Deals, ± ist der Standardfehler").arg(result.deals));
    const int players = static_cast<int>(result.players.size());
    m_table->setRowCount(players);
    m_heatPlayer->blockSignals(true);
    m_heatPlayer->clear();
    for (int p = 0; p < players; ++p) {
        const EquityCounts& c = result.players[static_cast<std::size_t>(p)].total;
        const QString se = result.exact ? QString()
                                        : QString::number(100 * result.players[static_cast<std::size_t>(p)].standardError, 'f', 2)
                                              .replace(QLatin1Char('.'), QLatin1Char(localeDecimalSeparator()));
        const QStringList cells{QString::number(p + 1), m_names.value(p), percent(c.shares, c.deals * kShareUnit),
                                percent(c.wins, c.deals), percent(c.ties, c.deals), se};
        for (int col = 0; col < cells.size(); ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            if (col != 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(p, col, item);
        }
        if (isRange(m_setup.players[static_cast<std::size_t>(p)]))
            m_heatPlayer->addItem(QStringLiteral("Spieler %1: %2").arg(p + 1).arg(m_names.value(p)), p);
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_heatPlayer->blockSignals(false);
    showHeat(m_heatPlayer->count() > 0 ? m_heatPlayer->currentData().toInt() : -1);
    emit finished(QStringLiteral("Equity fertig"));
}

void RangeEquityPanel::showHeat(int player)
{
    std::array<std::optional<double>, kStartingClassCount> heat{};
    if (player >= 0 && static_cast<std::size_t>(player) < m_result.players.size())
        for (int cls = 0; cls < kStartingClassCount; ++cls) {
            const EquityCounts& c = m_result.players[static_cast<std::size_t>(player)].byClass[static_cast<std::size_t>(cls)];
            if (c.deals != 0)
                heat[static_cast<std::size_t>(cls)] = c.equity();
        }
    m_heat->setHeat(heat);
}

} // namespace tallyhand::app
