#include "app/calculator/TableController.h"

#include "app/widgets/BackgroundJobs.h"
#include "app/calculator/CalculatorPanel.h"
#include "app/calculator/CardsPage.h"
#include "app/calculator/TableStore.h"
#include "cards/RankTableFiles.h"

#include <QLineEdit>

#include <memory>

namespace tallyhand::app {

namespace {

struct PatternResult {
    std::shared_ptr<const PatternLists> lists;
    std::array<QString, 9> texts;
    std::array<int, 9> counts{};
};

QString joinLines(const PatternList& list)
{
    QString text;
    text.reserve(static_cast<qsizetype>(list.size()) * 28);
    for (const PatternLine& line : list) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QString::fromStdString(patternLineText(line));
    }
    return text;
}

} // namespace

TableController::TableController(std::filesystem::path dataDir, TableStore* store, BackgroundJobs* jobs,
                                 Status status, QObject* parent)
    : QObject(parent), m_dataDir(std::move(dataDir)), m_store(store), m_jobs(jobs), m_status(std::move(status))
{
}

void TableController::setViews(CardsPage* cards, CalculatorPanel* calculator)
{
    m_cards = cards;
    m_calculator = calculator;
}

void TableController::begin()
{
    m_busy = true;
    emit busyChanged(true);
}

void TableController::end(const QString& error, const Done& done)
{
    m_busy = false;
    emit busyChanged(false);
    if (!error.isEmpty())
        m_status(QStringLiteral("Fehler bei den Kombinationsdaten: ") + error);
    if (done)
        done(error.isEmpty());
}

void TableController::showRankCounts()
{
    const auto ranks = m_store->rankTables();
    if (!ranks || !m_calculator)
        return;
    for (int i = 0; i < kListCount; ++i)
        m_calculator->mglEdit(i)->setText(QString::number(ranks->list(static_cast<ListId>(i)).size()));
}

void TableController::loadRankTables(Done done)
{
    runRankJob([dir = m_dataDir](const BackgroundJobs::Report& report) {
        return loadOrGenerateRankTables(dir, report);
    }, std::move(done));
}

void TableController::generateRankTables(Done done)
{
    runRankJob([](const BackgroundJobs::Report&) { return RankTables::fromLists(generateRankLists()); },
               std::move(done));
}

void TableController::runRankJob(std::function<RankTables(const BackgroundJobs::Report&)> make, Done done)
{
    if (m_busy)
        return;
    begin();
    auto result = std::make_shared<std::shared_ptr<const RankTables>>();
    m_jobs->run(
        [make = std::move(make), result](const BackgroundJobs::Report& report) {
            *result = std::make_shared<const RankTables>(make(report));
        },
        m_status,
        [this, result, done](const QString& error) {
            if (error.isEmpty()) {
                m_store->setRankTables(*result);
                showRankCounts();
            }
            end(error, done);
        });
}

void TableController::saveRankTables(Done done)
{
    const auto ranks = m_store->rankTables();
    if (m_busy || !ranks)
        return;
    begin();
    auto failures = std::make_shared<int>(0);
    m_jobs->run(
        [dir = m_dataDir, ranks, failures](const BackgroundJobs::Report& report) {
            RankLists lists;
            for (int i = 0; i < kListCount; ++i)
                lists[i] = ranks->list(static_cast<ListId>(i));
            *failures = writeRankListFiles(dir, lists, report);
        },
        m_status,
        [this, failures, done](const QString& error) {
            if (error.isEmpty() && *failures > 0)
                end(QStringLiteral("%1 Datenfiles konnten nicht geschrieben werden").arg(*failures), done);
            else
                end(error, done);
        });
}

void TableController::buildPatternLists(Done done)
{
    if (m_busy)
        return;
    begin();
    auto result = std::make_shared<PatternResult>();
    m_jobs->run(
        [result](const BackgroundJobs::Report&) {
            auto lists = std::make_shared<const PatternLists>(tallyhand::buildPatternLists());
            const PatternList* ordered[9] = {&lists->royal,    &lists->straightflush, &lists->quads,
                                             &lists->fullhouse, &lists->flush,         &lists->straight,
                                             &lists->trips,     &lists->twopair,       &lists->pair};
            for (int i = 0; i < 9; ++i) {
                result->texts[i] = joinLines(*ordered[i]);
                result->counts[i] = static_cast<int>(ordered[i]->size());
            }
            result->lists = std::move(lists);
        },
        m_status,
        [this, result, done](const QString& error) {
            if (error.isEmpty()) {
                if (m_cards)
                    m_cards->setPatternTexts(result->texts, result->counts);
                if (m_calculator)
                    for (int i = 0; i < 9; ++i)
                        m_calculator->mglEdit(i)->setText(QString::number(result->counts[i]));
                m_store->setPatternLists(result->lists);
            }
            end(error, done);
        });
}

} // namespace tallyhand::app
