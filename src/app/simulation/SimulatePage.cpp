#include "app/simulation/SimulatePage.h"

#include "app/calculator/CardButtonPanel.h"
#include "app/widgets/PageTabs.h"
#include "app/simulation/RangeEditor.h"
#include "app/simulation/RangeEquityPanel.h"
#include "app/simulation/ResultWidgets.h"
#include "app/simulation/SimulationFrontEnd.h"
#include "app/window/MainWindow.h"
#include "cards/CardList.h"
#include "cards/CardText.h"
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
        auto* range = new QLineEdit(m_seats);
        range->setObjectName(QStringLiteral("ed_range_%1").arg(s));
        range->setPlaceholderText(QStringLiteral("oder Range, z. B. QQ+,AKs"));
        range->setToolTip(QStringLiteral("Eine Hand (AhKd) oder eine Range: AKs, AKo, QQ+, ATs+, 76s-54s, "
                                         "random, 15%, Gewichte wie AA:0.5, durch Kommas getrennt"));
        range->setMinimumWidth(110);
        seatGrid->addWidget(range, row, 3);
        m_ranges[s] = range;
    }
    m_board = new QLineEdit(m_seats);
    m_board->setObjectName(QStringLiteral("ed_range_board"));
    m_board->setPlaceholderText(QStringLiteral("Board, z. B. Th9h2s"));
    m_board->setToolTip(QStringLiteral("Feste Boardkarten (0, 3, 4 oder 5) für die Equity"));
    m_dead = new QLineEdit(m_seats);
    m_dead->setObjectName(QStringLiteral("ed_range_dead"));
    m_dead->setPlaceholderText(QStringLiteral("Tote Karten, z. B. 2c7d"));
    m_dead->setToolTip(QStringLiteral("Karten, die niemand hat und die nicht kommen"));
    auto* extras = new QHBoxLayout;
    extras->addWidget(new QLabel(QStringLiteral("Board"), m_seats));
    extras->addWidget(m_board, 3);
    extras->addWidget(new QLabel(QStringLiteral("Tot"), m_seats));
    extras->addWidget(m_dead, 2);
    seatGrid->addLayout(extras, 10, 0, 1, 4);
    m_calculate = new QPushButton(QStringLiteral("berechnen"), m_seats);
    m_calculate->setObjectName(QStringLiteral("Button146"));
    seatGrid->addWidget(m_calculate, 11, 0, 1, 4);
    auto* clear = new QPushButton(QStringLiteral("Alle löschen"), m_seats);
    clear->setObjectName(QStringLiteral("Button145"));
    clear->setVisible(false);
    seatGrid->addWidget(clear, 12, 0, 1, 4);
    seatGrid->setRowStretch(13, 1);
    seatGrid->setColumnStretch(3, 1);
    seatGrid->setVerticalSpacing(2);
    seatGrid->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_seats, 0);

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

    m_equityPage = addPage(m_results, QStringLiteral("Equity"), QStringLiteral("ts_equity"));
    m_equity = new RangeEquityPanel(m_equityPage);
    m_equityPage->layout()->addWidget(m_equity);
    QWidget* rangePage = addPage(m_results, QStringLiteral("Range-Raster"), QStringLiteral("ts_range_grid"));
    QStringList seatNames;
    for (const auto& seat : kSeats)
        seatNames << QString::fromLatin1(seat.label);
    m_editor = new RangeEditor(seatNames, rangePage);
    rangePage->layout()->addWidget(m_editor);

    QWidget* cards = addPage(m_results, QStringLiteral("Karten"), QStringLiteral("TabSheet56"));
    m_panel = new CardButtonPanel(QStringLiteral("Panel18"), cards);
    cards->layout()->addWidget(m_panel);
    m_results->setTabVisible(m_results->indexOf(cards), false);
    layout->addWidget(m_results, 1);

    m_simulation = new SimulationFrontEnd(this, {m_lbWahrsWahr, m_stgWinWahr, m_stgSplitWahr, m_rbSpWahr},
                                          [this] { return listRows(*m_lb); });
    connect(m_simulation, &SimulationFrontEnd::started, this, [this] { m_calculate->setEnabled(false); });
    connect(m_simulation, &SimulationFrontEnd::finished, this, [this] { m_calculate->setEnabled(true); });
    connect(m_equity, &RangeEquityPanel::started, this, [this] { m_calculate->setEnabled(false); });
    connect(m_equity, &RangeEquityPanel::finished, this, [this](const QString& text) {
        m_calculate->setEnabled(true);
        if (auto* main = qobject_cast<Tfrm_tallyhand*>(window()))
            main->showStatus(text);
    });
    connect(m_editor, &RangeEditor::fillRequested, this,
            [this](int seat, const QString& text) { m_ranges[static_cast<std::size_t>(seat)]->setText(text); });
    connect(m_editor, &RangeEditor::seatChosen, this,
            [this](int seat) { m_editor->showRange(m_ranges[static_cast<std::size_t>(seat)]->text()); });
    connect(m_calculate, &QPushButton::clicked, this, &SimulatePage::Button146Click);
    connect(clear, &QPushButton::clicked, this, &SimulatePage::Button145Click);
    connect(m_rbSpWahr, &QRadioButton::clicked, this, &SimulatePage::rb_sp_wahrClick);
    connect(m_rbSpWahr2, &QRadioButton::clicked, this, &SimulatePage::rb_sp_wahr_2Click);
    connect(m_rbWahr23, &QRadioButton::clicked, this, &SimulatePage::rb_wahr_23Click);
    connect(m_rbSpWahr24, &QRadioButton::clicked, this, &SimulatePage::rb_sp_wahr_24Click);
}

bool SimulatePage::rangesWanted() const
{
    const auto filled = [](const QLineEdit* e) { return !e->text().trimmed().isEmpty(); };
    return filled(m_board) || filled(m_dead) || std::any_of(m_ranges.begin(), m_ranges.end(), filled);
}

void SimulatePage::startRanges()
{
    const auto say = [this](const QString& text) {
        if (auto* main = qobject_cast<Tfrm_tallyhand*>(window()))
            main->showStatus(text);
    };
    RangeSetup setup;
    QStringList names;
    for (std::size_t s = 0; s < m_fields.size(); ++s) {
        const QString range = m_ranges[s]->text().trimmed();
        QString text = range;
        if (text.isEmpty() && !m_fields[s][0]->text().trimmed().isEmpty()) {
            // The card fields take typed input as they do for the simulation ("ah", "AHerz").
            const std::string first = expandCardText(m_fields[s][0]->text().trimmed().toStdString());
            const std::string second = expandCardText(m_fields[s][1]->text().trimmed().toStdString());
            text = QString::fromStdString(first + "," + second);
        }
        if (text.isEmpty())
            continue;
        const RangeParse parsed = parseHandOrRange(text.toStdString());
        if (!parsed.ok()) {
            say(QStringLiteral("Sitz %1: %2").arg(QString::fromLatin1(kSeats[s].label), QString::fromStdString(parsed.error)));
            return;
        }
        setup.players.push_back(parsed.range);
        names << (range.isEmpty() ? QString::fromStdString(historyCardText(parsed.range.hands[0].cards[0]) +
                                                           historyCardText(parsed.range.hands[0].cards[1]))
                                  : range);
    }
    for (auto [edit, to, what] : {std::tuple{m_board, &setup.board, "Board"}, std::tuple{m_dead, &setup.dead, "Tote Karten"}}) {
        const auto cards = parseCardList(edit->text().trimmed().toStdString());
        if (!cards) {
            say(QStringLiteral("%1: \u201E%2\u201C ist nicht lesbar (Beispiel: Th9h2s)").arg(QString::fromLatin1(what), edit->text()));
            return;
        }
        *to = *cards;
    }
    if (setup.board.size() == 1 || setup.board.size() == 2) {
        say(QStringLiteral("Das Board hat 0, 3, 4 oder 5 Karten."));
        return;
    }
    if (const std::string error = prepareRangeSetup(setup); !error.empty()) {
        say(QString::fromStdString(error));
        return;
    }
    std::uint64_t deals = 1000000;
    if (auto* edit = window()->findChild<QLineEdit*>(QStringLiteral("Edit98")))
        deals = dealCountFromText(edit->text().toStdString()).count;
    m_results->setCurrentWidget(m_equityPage);
    m_equity->start(setup, names, deals);
}

void SimulatePage::Button146Click()
{
    if (SimulationFrontEnd::anyRunning() || m_equity->running()) {
        if (m_equity->running()) {
            if (auto* main = qobject_cast<Tfrm_tallyhand*>(window()))
                main->showStatus(QStringLiteral("Es läuft schon eine Berechnung; bitte warten oder abbrechen."));
            return;
        }
        m_simulation->start({}, {}); // reports that a run is going
        return;
    }
    if (rangesWanted()) {
        startRanges();
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
