#include "app/results/ResultsTables.h"

#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>

namespace tallyhand::app {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void setRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        // Numbers line up on the right, names on the left.
        if (c > 0 || cells[c].front().isDigit() || cells[c].front() == QLatin1Char('-'))
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, c, item);
    }
}

QStringList statsCells(const ResultStats& s, MoneyUnit unit)
{
    return {QString::number(s.games),      moneyText(s.net, unit),         figureText(s.bb100()),
            figureText(s.vpipPercent()),   figureText(s.pfrPercent()),     figureText(s.threeBetPercent()),
            figureText(s.aggression()),    figureText(s.wtsdPercent()),    figureText(s.wsdPercent())};
}

template <typename Rows, typename Cells>
void fill(QTableWidget* table, const Rows& rows, Cells cells)
{
    table->setSortingEnabled(false);
    table->clearContents();
    table->setRowCount(static_cast<int>(rows.size()));
    int r = 0;
    for (const auto& row : rows)
        setRow(table, r++, cells(row));
}

} // namespace

QString moneyText(std::int64_t amount, MoneyUnit unit)
{
    const QLocale locale;
    switch (unit) {
    case MoneyUnit::Chips:
        return locale.toString(static_cast<qlonglong>(amount)) + QStringLiteral(" Chips");
    case MoneyUnit::Play:
        return locale.toString(static_cast<qlonglong>(amount)) + QStringLiteral(" Spielgeld");
    default:
        return locale.toString(static_cast<double>(amount) / 100.0, 'f', 2) + QLatin1Char(' ') + text(unitName(unit));
    }
}

QString figureText(std::optional<double> value)
{
    return value ? QLocale().toString(*value, 'f', 2) : QStringLiteral("–");
}

QTableWidget* makeResultTable(const QString& objectName, const QStringList& captions, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(captions.size()), parent);
    table->setObjectName(objectName);
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(18);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setAlternatingRowColors(true);
    return table;
}

void fillSessionTable(QTableWidget* table, const ResultsReport& report)
{
    fill(table, report.sessions, [](const Session& s) {
        const QString start = QString::fromStdString(formatCivilTime(s.start)).left(16);
        return QStringList{start, QStringLiteral("%1 min").arg((s.end - s.start) / 60), QString::number(s.games),
                           moneyText(s.net, s.unit), figureText(s.bb100())};
    });
}

void fillPositionTable(QTableWidget* table, const ResultsReport& report)
{
    fill(table, report.byPosition, [](const PositionStats& row) {
        QStringList cells{text(unitName(row.unit)),
                          row.position == Position::None ? QStringLiteral("–") : text(positionName(row.position))};
        return cells + statsCells(row.stats, row.unit);
    });
}

void fillStakesTable(QTableWidget* table, const ResultsReport& report)
{
    fill(table, report.byStakes, [](const StakesStats& row) {
        return QStringList{moneyText(row.bigBlind, row.unit)} + statsCells(row.stats, row.unit);
    });
}

void fillTournamentTable(QTableWidget* table, const ResultsReport& report)
{
    fill(table, report.tournaments, [](const TournamentResult& t) {
        const auto& s = t.summary;
        const QString none = QStringLiteral("–");
        return QStringList{QString::number(t.tournament),
                           QString::number(t.games),
                           QLocale().toString(static_cast<qlonglong>(t.chipsWon)),
                           QLocale().toString(static_cast<qlonglong>(t.chipsLost)),
                           s ? moneyText(s->buyIn, s->unit) : none,
                           s && s->place > 0 ? QString::number(s->place) : none,
                           s ? moneyText(s->prize, s->unit) : none,
                           figureText(t.roiPercent())};
    });
}

QString tournamentTotalsText(const ResultsReport& report)
{
    QStringList parts;
    for (const TournamentTotals& t : report.tournamentTotals)
        parts << QStringLiteral("%1 Turniere mit Zusammenfassung: Buy-ins %2, Preise %3, ITM %4 %, ROI %5 %")
                     .arg(t.tournaments)
                     .arg(moneyText(t.buyIns, t.unit), moneyText(t.prizes, t.unit), figureText(t.itmPercent()),
                          figureText(t.roiPercent()));
    if (parts.isEmpty())
        return report.tournaments.empty() ? QString()
                                          : QStringLiteral("Keine Turnier-Zusammenfassung (TournSummary) gefunden");
    return parts.join(QLatin1Char('\n'));
}

} // namespace tallyhand::app
