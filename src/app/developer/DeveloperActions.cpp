#include "app/developer/DeveloperActions.h"

#include "app/simulation/ResultWidgets.h"
#include "app/widgets/DecimalSeparator.h"
#include "app/calculator/TableStore.h"
#include "preflop/SimulationResults.h"
#include "stats/ShowdownCalculation.h"

#include <QListWidget>
#include <QLocale>
#include <QRandomGenerator>

namespace tallyhand::app {
namespace {

std::uint32_t uniformBelow(std::uint32_t bound)
{
    return QRandomGenerator::global()->bounded(bound);
}

} // namespace

void runShowdownCalculation(const TableStore& store, const QListWidget& lbHc, QListWidget& lbWahrs)
{
    const auto tables = store.rankTables();
    if (!tables)
        return;
    const auto lines = calculateShowdown(*tables, listRows(lbHc), uniformBelow, localeDecimalSeparator());
    lbWahrs.clear();
    for (const auto& line : lines)
        lbWahrs.addItem(QString::fromStdString(line));
}

QString cardDrawTestText()
{
    return QString::fromStdString(drawTestText(uniformBelow));
}

} // namespace tallyhand::app
