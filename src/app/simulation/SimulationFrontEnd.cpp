#include "app/simulation/SimulationFrontEnd.h"

#include "app/widgets/DecimalSeparator.h"
#include "app/window/MainWindow.h"
#include "preflop/SimulationInput.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QtConcurrent/QtConcurrentRun>

namespace tallyhand::app {

namespace {

std::atomic<int> g_running{0};

template <class T>
T* inWindow(QWidget* owner, const char* name)
{
    return owner->window()->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

SimulationFrontEnd::SimulationFrontEnd(QWidget* owner, SimulationViews views, Rows rows)
    : QObject(owner), m_owner(owner), m_views(views), m_rows(std::move(rows)),
      m_stop(std::make_shared<std::atomic<bool>>(false))
{
}

SimulationFrontEnd::~SimulationFrontEnd()
{
    m_stop->store(true);
    m_future.waitForFinished();
    if (m_running)
        --g_running;
}

bool SimulationFrontEnd::anyRunning() { return g_running.load() > 0; }

void SimulationFrontEnd::report(const QString& text)
{
    m_lastMessage = text;
    if (auto* main = qobject_cast<Tfrm_tallyhand*>(m_owner->window()))
        main->showStatus(text);
    emit message(text);
}

bool SimulationFrontEnd::start(const std::vector<std::string>& rows, const std::vector<std::string>& board)
{
    if (anyRunning()) {
        report(QStringLiteral("Es läuft schon eine Simulation; bitte warten, bis sie fertig ist."));
        return false;
    }
    const SimulationRequest request = prepareSimulation(rows, board);
    if (!request.ok()) {
        report(QString::fromStdString(request.error));
        return false;
    }

    SimulationOptions options;
    options.deals = 1000000;
    if (auto* edit = inWindow<QLineEdit>(m_owner, "Edit98")) {
        const DealCount count = dealCountFromText(edit->text().toStdString());
        if (count.fellBack)
            edit->setText(QString::fromStdString(count.text));
        options.deals = count.count;
    }
    if (auto* box = inWindow<QCheckBox>(m_owner, "cb_exakt"))
        options.exact = box->isChecked();
    options.seed = QRandomGenerator::global()->generate64();
    const std::uint64_t total = options.exact ? exactBoardCount(request.setup) : options.deals;
    if (auto* bar = inWindow<QProgressBar>(m_owner, "pg_hands")) {
        bar->setRange(0, static_cast<int>(std::min<std::uint64_t>(total, 2147483647u)));
        bar->setValue(0);
    }

    m_running = true;
    ++g_running;
    m_stop->store(false);
    emit started();
    report(options.exact ? QStringLiteral("Simulation: alle %1 Boards werden exakt ausgewertet ...").arg(total)
                         : QStringLiteral("Simulation: %1 Deals werden ausgeteilt ...").arg(total));
    auto stop = m_stop;
    const SimulationSetup setup = request.setup;
    m_future = QtConcurrent::run([this, setup, options, stop, total] {
        // Progress reaches the window a hundred times per run at most.
        const std::uint64_t step = std::max<std::uint64_t>(total / 100, 1);
        std::uint64_t shown = 0;
        const SimulationCounters counters = runSimulation(
            setup, options,
            [&](std::uint64_t done, std::uint64_t all) {
                if (done - shown < step && done != all)
                    return;
                shown = done;
                QMetaObject::invokeMethod(
                    this, [this, done, all] { onProgress(done, all); }, Qt::QueuedConnection);
            },
            stop.get());
        QMetaObject::invokeMethod(this, [this, counters] { onDone(counters); }, Qt::QueuedConnection);
    });
    return true;
}

void SimulationFrontEnd::onProgress(quint64 done, quint64 total)
{
    if (auto* bar = inWindow<QProgressBar>(m_owner, "pg_hands"))
        bar->setValue(static_cast<int>(std::min<quint64>({done, total, 2147483647u})));
}

void SimulationFrontEnd::onDone(const SimulationCounters& counters)
{
    m_counters = counters;
    m_running = false;
    --g_running;
    showResults();
    report(QStringLiteral("Simulation fertig: %1 Deals").arg(counters.deals));
    emit finished();
}

void SimulationFrontEnd::choose(QRadioButton* on, QRadioButton* alsoOn, QRadioButton* off1, QRadioButton* off2)
{
    on->setChecked(true);
    alsoOn->setChecked(true);
    off1->setChecked(false);
    off2->setChecked(false);
    if (!m_running)
        showResults();
}

void SimulationFrontEnd::showResults()
{
    const std::vector<std::string> rows = m_rows();
    const NumberChoice choice =
        m_views.percent == nullptr || m_views.percent->isChecked() ? NumberChoice::Percent : NumberChoice::Absolute;
    const SimulationView view = showSimulationResults(m_counters, rows, choice, localeDecimalSeparator());
    m_views.results->clear();
    for (const auto& line : view.resultLines)
        m_views.results->addItem(QString::fromStdString(line));
    fillGrid(m_views.winGrid, view.winGrid);
    fillGrid(m_views.splitGrid, view.splitGrid);
}

void SimulationFrontEnd::fillGrid(QTableWidget* grid, const std::vector<std::vector<std::string>>& cells)
{
    grid->setColumnCount(12);
    grid->setRowCount(static_cast<int>(cells.size()));
    for (int r = 0; r < static_cast<int>(cells.size()); ++r)
        for (int c = 0; c < 12; ++c) {
            const auto& text = cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (auto* item = grid->item(r, c))
                item->setText(QString::fromStdString(text));
            else
                grid->setItem(r, c, new QTableWidgetItem(QString::fromStdString(text)));
        }
}

QTableWidget* SimulationFrontEnd::makeGrid(const QString& name, QWidget* parent)
{
    auto* grid = new QTableWidget(1, 12, parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setDefaultSectionSize(58);
    grid->setColumnWidth(0, 64);
    return grid;
}

void SimulationFrontEnd::writeHeadings(QTableWidget* grid)
{
    grid->setColumnCount(12);
    if (grid->rowCount() < 1)
        grid->setRowCount(1);
    const auto& headings = simulationHeadings();
    for (int c = 1; c <= 11; ++c) {
        const QString text = QString::fromStdString(headings[static_cast<std::size_t>(c - 1)]);
        if (auto* item = grid->item(0, c))
            item->setText(text);
        else
            grid->setItem(0, c, new QTableWidgetItem(text));
    }
}

} // namespace tallyhand::app
