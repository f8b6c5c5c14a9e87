#pragma once

#include "stats/ResultsReport.h"

#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace tallyhand::app {

// The four result tables, filled from a report: one row per session, per
// position, per stake and per tournament. Amounts in the unit of their row.
void fillSessionTable(QTableWidget* table, const ResultsReport& report);
void fillPositionTable(QTableWidget* table, const ResultsReport& report);
void fillStakesTable(QTableWidget* table, const ResultsReport& report);
void fillTournamentTable(QTableWidget* table, const ResultsReport& report);
// "ITM … %, ROI … %" of the tournaments with a summary, per unit of the buy-ins.
QString tournamentTotalsText(const ResultsReport& report);

// An amount as the page shows it: "12,34 USD", "1500 Chips".
QString moneyText(std::int64_t amount, MoneyUnit unit);
// A figure with two decimals, "–" when there is none.
QString figureText(std::optional<double> value);

// An empty table with these column captions, read-only, rows selected whole.
QTableWidget* makeResultTable(const QString& objectName, const QStringList& captions, QWidget* parent);

} // namespace tallyhand::app
