#include "app/simulation/SimulatePage.h"

#include "app/calculator/CardButtonPanel.h"
#include "app/widgets/PageTabs.h"
#include "app/simulation/ResultWidgets.h"
#include "app/simulation/SimulationFrontEnd.h"
#include "preflop/SimulationInput.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tallyhand::app {

namespace {

// Seat label and the numbers of its two card fields (E200 .. E221).
struct Seat {
    const char* label;
    int first;
    int second;
};
constexpr std::array<Seat, 10> kSeats{{{"My", 200, 201},
                                       {"1", 202, 204},
                                       {"2", 205, 206},
                                       {"3", 207, 208},
                                       {"4", 209, 210},
                                       {"5", 211, 213},
                                       {"6", 214, 215},
                                       {"7", 216, 217},
                                       {"8", 218, 219},
                                       {"9", 220, 221}}};

} // namespace

SimulatePage::SimulatePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet53"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);

    m_seats = new QWidget(this);
    m_seats->setObjectName(QStringLiteral("simulate_seats"));
    auto* seatGrid = new QGridLayout(m_seats);
    for (std::size_t s = 0; s < kSeats.size(); ++s) {
        const int row = static_cast<int>(s);
        seatGrid->addWidget(new QLabel(QString::fromLatin1(kSeats[s].label), m_seats), row, 0);
        for (int k = 0; k < 2; ++k) {
            auto* edit = new QLineEdit(m_seats);
            edit->setObjectName(QStringLiteral("E%1").arg(k == 0 ? kSeats[s].first : kSeats[s].second));
            edit->setFixedWidth(64);
            edit->setToolTip(QStringLiteral("Karte wie Ah, Kd oder AHerz"));
            seatGrid->addWidget(edit, row, 1 + k);
            m_fields[s][static_cast<std::size_t>(k)] = edit;
        }
    }
    m_calculate = new QPushButton(QStringLiteral("berechnen"), m_seats);
    m_calculate->setObjectName(QStringLiteral("Button146"));
    seatGrid->addWidget(m_calculate, 10, 0, 1, 3);
    auto* clear = new QPushButton(QStringLiteral("Alle löschen"), m_seats);
    clear->setObjectName(QStringLiteral("Button145"));
    clear->setVisible(false);
    seatGrid->addWidget(clear, 11, 0, 1, 3);
    seatGrid->setRowStretch(12, 1);
    seatGrid->setColumnStretch(3, 1);
    layout->addWidget(m_seats, 1);

    m_results = makePageControl(QStringLiteral("pc_simulate"), this);
    m_probabilities = addPage(m_results, QStringLiteral("Wahrscheinlichkeiten"));
    auto* lists = new QHBoxLayout;
    m_lb = new QListWidget(m_probabilities);
    m_lb->setObjectName(QStringLiteral("lb"));
    m_lbWahrsWahr = new QListWidget(m_probabilities);
    m_lbWahrsWahr->setObjectName(QStringLiteral("lb_wahrs_wahr"));
    lists->addWidget(m_lb);
    lists->addWidget(m_lbWahrsWahr);
    static_cast<QVBoxLayout*>(m_probabilities->layout())->addLayout(lists);

    m_wins = addPage(m_results, QStringLiteral("Gewinne"));
    std::tie(m_rbWahr23, m_rbSpWahr24) =
        choicePair(m_wins, QStringLiteral("rb_wahr_23"), QStringLiteral("rb_sp_wahr_24"));
    m_stgWinWahr = SimulationFrontEnd::makeGrid(QStringLiteral("stg_win_wahr"), m_wins);
    m_wins->layout()->addWidget(m_stgWinWahr);
    m_splits = addPage(m_results, QStringLiteral("Splits"));
    std::tie(m_rbSpWahr, m_rbSpWahr2) =
        choicePair(m_splits, QStringLiteral("rb_sp_wahr"), QStringLiteral("rb_sp_wahr_2"));
    m_stgSplitWahr = SimulationFrontEnd::makeGrid(QStringLiteral("stg_split_wahr"), m_splits);
    m_splits->layout()->addWidget(m_stgSplitWahr);

    QWidget* cards = addPage(m_results, QStringLiteral("Karten"), QStringLiteral("TabSheet56"));
    m_panel = new CardButtonPanel(QStringLiteral("Panel18"), cards);
    cards->layout()->addWidget(m_panel);
    m_results->setTabVisible(m_results->indexOf(cards), false);
    layout->addWidget(m_results, 3);

    m_simulation = new SimulationFrontEnd(this, {m_lbWahrsWahr, m_stgWinWahr, m_stgSplitWahr, m_rbSpWahr},
                                          [this] { return listRows(*m_lb); });
    connect(m_simulation, &SimulationFrontEnd::started, this, [this] { m_calculate->setEnabled(false); });
    connect(m_simulation, &SimulationFrontEnd::finished, this, [this] { m_calculate->setEnabled(true); });
    connect(m_calculate, &QPushButton::clicked, this, &SimulatePage::Button146Click);
    connect(clear, &QPushButton::clicked, this, &SimulatePage::Button145Click);
    connect(m_rbSpWahr, &QRadioButton::clicked, this, &SimulatePage::rb_sp_wahrClick);
    connect(m_rbSpWahr2, &QRadioButton::clicked, this, &SimulatePage::rb_sp_wahr_2Click);
    connect(m_rbWahr23, &QRadioButton::clicked, this, &SimulatePage::rb_wahr_23Click);
    connect(m_rbSpWahr24, &QRadioButton::clicked, this, &SimulatePage::rb_sp_wahr_24Click);
}

void SimulatePage::Button146Click()
{
    if (SimulationFrontEnd::anyRunning()) {
        m_simulation->start({}, {}); // reports that a run is going
        return;
    }
    std::vector<std::array<std::string, 2>> seats;
    for (const auto& fields : m_fields)
        seats.push_back({fields[0]->text().trimmed().toStdString(), fields[1]->text().trimmed().toStdString()});
    m_lb->clear();
    for (const auto& row : seatRows(seats))
        m_lb->addItem(QString::fromStdString(row));
    m_simulation->start(listRows(*m_lb), {});
}

void SimulatePage::Button145Click()
{
    SimulationFrontEnd::writeHeadings(m_stgWinWahr);
    SimulationFrontEnd::writeHeadings(m_stgSplitWahr);
}

void SimulatePage::rb_sp_wahrClick() { m_simulation->choose(m_rbSpWahr, m_rbWahr23, m_rbSpWahr2, m_rbSpWahr24); }
void SimulatePage::rb_sp_wahr_2Click() { m_simulation->choose(m_rbSpWahr2, m_rbSpWahr24, m_rbSpWahr, m_rbWahr23); }
void SimulatePage::rb_wahr_23Click() { m_simulation->choose(m_rbWahr23, m_rbSpWahr, m_rbSpWahr2, m_rbSpWahr24); }
void SimulatePage::rb_sp_wahr_24Click() { m_simulation->choose(m_rbSpWahr24, m_rbSpWahr2, m_rbSpWahr, m_rbWahr23); }

} // namespace tallyhand::app
