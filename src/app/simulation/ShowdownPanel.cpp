#include "app/simulation/ShowdownPanel.h"

#include "app/widgets/PageTabs.h"
#include "app/simulation/ResultWidgets.h"
#include "app/simulation/SimulationFrontEnd.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tallyhand::app {

ShowdownPanel::ShowdownPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("showdown_panel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QTabWidget* pages = makePageControl(QStringLiteral("pc_showdown"), this);
    layout->addWidget(pages);

    QWidget* shown = addPage(pages, QStringLiteral("Karten beim Showdown"));
    auto* row = new QHBoxLayout;
    m_lbHc = new QListWidget(shown);
    m_lbHc->setObjectName(QStringLiteral("lb_hc"));
    m_lbWahrs = new QListWidget(shown);
    m_lbWahrs->setObjectName(QStringLiteral("lb_wahrs"));
    row->addWidget(m_lbHc, 1);
    row->addWidget(m_lbWahrs, 2);
    auto* controls = new QGridLayout;
    controls->addWidget(new QLabel(QStringLiteral("Hands"), shown), 0, 0);
    m_edit98 = new QLineEdit(QStringLiteral("1000000"), shown);
    m_edit98->setObjectName(QStringLiteral("Edit98"));
    m_edit98->setFixedWidth(80);
    controls->addWidget(m_edit98, 0, 1);
    m_exact = new QCheckBox(QStringLiteral("exakt"), shown);
    m_exact->setObjectName(QStringLiteral("cb_exakt"));
    m_exact->setToolTip(QStringLiteral("Jedes mögliche Board genau einmal auswerten (schneller als zufällige Boards); "
                                       "ohne Haken so viele zufällige Boards wie unter \"Hands\""));
    // Counting every board is exact and, with the shown-down hands known, quick.
    m_exact->setChecked(true);
    controls->addWidget(m_exact, 0, 2);
    m_pgHands = new QProgressBar(shown);
    m_pgHands->setObjectName(QStringLiteral("pg_hands"));
    m_pgHands->setFixedWidth(120);
    m_pgHands->setValue(0);
    controls->addWidget(m_pgHands, 1, 0, 1, 3);
    const char* buttons[3][2] = {{"Button89", "Gewinnerwartungen"}, {"Button91", "mit Flop"}, {"Button92", "mit Turn"}};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(buttons[i][1]), shown);
        b->setObjectName(QString::fromLatin1(buttons[i][0]));
        controls->addWidget(b, 2 + i, 0, 1, 3);
        m_runButtons.append(b);
    }
    controls->setRowStretch(5, 1);
    row->addLayout(controls);
    static_cast<QVBoxLayout*>(shown->layout())->addLayout(row);

    QWidget* detail = addPage(pages, QStringLiteral("Detailstatistik"));
    QTabWidget* detailPages = makePageControl(QStringLiteral("pc_detail"), detail);
    detail->layout()->addWidget(detailPages);
    QWidget* winPage = addPage(detailPages, QStringLiteral("Gewinne"));
    std::tie(m_rbGePr, m_rbGeAb) = choicePair(winPage, QStringLiteral("rb_ge_pr"), QStringLiteral("rb_ge_ab"));
    m_stgWin = SimulationFrontEnd::makeGrid(QStringLiteral("stg_win"), winPage);
    winPage->layout()->addWidget(m_stgWin);
    QWidget* splitPage = addPage(detailPages, QStringLiteral("Splits"));
    std::tie(m_rbSpPr, m_rbSpAb) = choicePair(splitPage, QStringLiteral("rb_sp_pr"), QStringLiteral("rb_sp_ab"));
    m_stgSplit = SimulationFrontEnd::makeGrid(QStringLiteral("stg_split"), splitPage);
    splitPage->layout()->addWidget(m_stgSplit);

    m_simulation = new SimulationFrontEnd(this, {m_lbWahrs, m_stgWin, m_stgSplit, m_rbSpPr}, [this] { return listRows(*m_lbHc); });
    auto enableRuns = [this](bool on) {
        for (QPushButton* b : m_runButtons)
            b->setEnabled(on);
    };
    connect(m_simulation, &SimulationFrontEnd::started, this, [enableRuns] { enableRuns(false); });
    connect(m_simulation, &SimulationFrontEnd::finished, this, [enableRuns] { enableRuns(true); });
    connect(m_runButtons[0], &QPushButton::clicked, this, &ShowdownPanel::Button89Click);
    connect(m_runButtons[1], &QPushButton::clicked, this, &ShowdownPanel::Button91Click);
    connect(m_runButtons[2], &QPushButton::clicked, this, &ShowdownPanel::Button92Click);
    connect(m_lbWahrs, &QListWidget::itemDoubleClicked, this, &ShowdownPanel::lb_wahrsDblClick);
    connect(m_rbGePr, &QRadioButton::clicked, this, &ShowdownPanel::rb_ge_prClick);
    connect(m_rbSpPr, &QRadioButton::clicked, this, &ShowdownPanel::rb_sp_prClick);
    connect(m_rbGeAb, &QRadioButton::clicked, this, &ShowdownPanel::rb_ge_abClick);
    connect(m_rbSpAb, &QRadioButton::clicked, this, &ShowdownPanel::rb_sp_abClick);
}

void ShowdownPanel::run(int fixedBoardCards)
{
    // The fixed board cards are those in the calculator's fields.
    static const char* fields[] = {"flop1", "flop2", "flop3", "turn"};
    std::vector<std::string> board;
    for (int i = 0; i < fixedBoardCards; ++i) {
        const auto* edit = window()->findChild<QLineEdit*>(QString::fromLatin1(fields[i]));
        board.push_back(edit ? edit->text().trimmed().toStdString() : std::string());
    }
    m_simulation->start(listRows(*m_lbHc), board);
}

void ShowdownPanel::Button89Click() { run(0); }
void ShowdownPanel::Button91Click() { run(3); }
void ShowdownPanel::Button92Click() { run(4); }

void ShowdownPanel::lb_wahrsDblClick()
{
    if (!m_simulation->running())
        m_simulation->showResults();
}

void ShowdownPanel::rb_ge_prClick() { m_simulation->choose(m_rbGePr, m_rbSpPr, m_rbGeAb, m_rbSpAb); }
void ShowdownPanel::rb_sp_prClick() { m_simulation->choose(m_rbSpPr, m_rbGePr, m_rbGeAb, m_rbSpAb); }
void ShowdownPanel::rb_ge_abClick() { m_simulation->choose(m_rbGeAb, m_rbSpAb, m_rbGePr, m_rbSpPr); }
void ShowdownPanel::rb_sp_abClick() { m_simulation->choose(m_rbSpAb, m_rbGeAb, m_rbGePr, m_rbSpPr); }

} // namespace tallyhand::app
