// The one place where the calculator widgets meet the core calculation.
#include "app/calculator/CalculatorPanel.h"

#include "app/calculator/CardEdit.h"
#include "app/widgets/ColourShape.h"
#include "app/widgets/DecimalSeparator.h"
#include "app/widgets/FieldColour.h"
#include "app/calculator/PreflopGrid.h"
#include "app/calculator/TableStore.h"
#include "cards/HandRank.h"

#include <QLineEdit>

#include <algorithm>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tallyhand::app {

namespace {

const QColor kDuplicateColour(255, 200, 200);

QString qs(const std::string& text) { return QString::fromStdString(text); }

} // namespace

CalcInput CalculatorPanel::readCalcInput() const
{
    CalcInput input;
    for (int i = 0; i < CardSlotCount; ++i)
        input.edits[i] = m_cards[i]->text().toStdString();
    input.pot = m_pot->text().toStdString();
    input.previousRank = m_kartenrang->text().toStdString();
    input.decimalSeparator = localeDecimalSeparator();
    return input;
}

void CalculatorPanel::Button18Click()
{
    if (!calculationReady())
        return;
    const auto patterns = m_store->patternLists();
    const auto ranks = m_store->rankTables();
    const CalcOutput out = calculate(CalcTables{*patterns, *ranks}, readCalcInput());
    applyCalcOutput(out);
}

void CalculatorPanel::applyCalcOutput(const CalcOutput& out)
{
    m_akt->setText(qs(out.akt));
    m_akt->setCursorPosition(0);
    m_kicker->setText(qs(out.kicker));
    m_totalOuts->setText(qs(out.totalOuts));
    for (int r = 0; r < 9; ++r) {
        m_outs[r]->setText(qs(out.outs[r]));
        setFieldColour(m_outs[r], out.outsMade[r] ? std::optional<QColor>(toQColor(kGreen)) : std::nullopt);
        m_odds[r]->setText(qs(out.odds[r]));
        m_potOdds[r]->setText(qs(out.potOdds[r]));
    }
    QStringList memo;
    for (const std::string& line : out.outsMemo)
        memo << qs(line);
    m_memOuts->setPlainText(memo.join(QLatin1Char('\n')));
    setFieldColour(m_flush, toQColor(out.flushDanger));
    setFieldColour(m_straight, toQColor(out.straightDanger));
    if (out.sklanskyGroup)
        m_skNum->setText(qs(*out.sklanskyGroup));
    if (out.sklanskyPercent)
        m_skWahr->setText(qs(*out.sklanskyPercent));

    m_kartenrang->setText(qs(out.rank.rank));
    for (int r = 0; r < 9; ++r)
        m_better[r]->setText(qs(out.rank.better[r]));
    m_co->setText(qs(out.rank.betterTotal));
    m_split->setText(qs(out.rank.split));

    markDuplicates(out.duplicateEdits);
    QStringList warnings;
    for (int slot : out.duplicateEdits) {
        warnings << QStringLiteral("Doppelte Karte: %1 steht schon in einem anderen Feld und wird nicht gezählt")
                        .arg(m_cards[slot]->text());
    }
    if (out.potError)
        warnings << qs(*out.potError);
    if (!warnings.isEmpty()) {
        m_warningShown = true;
        emit statusMessage(warnings.join(QStringLiteral(" \u2013 ")));
    } else if (m_warningShown) {
        m_warningShown = false;
        emit statusMessage(QStringLiteral("Ok"));
    }
}

void CalculatorPanel::markDuplicates(const std::vector<int>& duplicates)
{
    for (int slot = 0; slot < CardSlotCount; ++slot) {
        const bool duplicate = std::find(duplicates.begin(), duplicates.end(), slot) != duplicates.end();
        setFieldColour(m_cards[slot], duplicate ? std::optional<QColor>(kDuplicateColour) : std::nullopt);
        m_cards[slot]->setToolTip(duplicate ? QStringLiteral("Diese Karte steht schon in einem anderen Feld")
                                            : QString());
    }
}

void CalculatorPanel::FillPreflopChart()
{
    const PreflopChart chart =
        fillPreflopChart(m_cards[Hole1]->text().toStdString(), m_cards[Hole2]->text().toStdString());
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 16; ++c)
            m_preflop->setDataCell(r + 1, c + 1, qs(chart.cells[r][c]), toQColor(chart.colours[r][c]));
}

void CalculatorPanel::ShowHutchinsonPoints()
{
    const auto result =
        hutchinsonPoints(m_cards[Hole1]->text().toStdString(), m_cards[Hole2]->text().toStdString());
    if (!result)
        return;
    m_hu->setText(QString::number(result->points));
    for (int i = 0; i < 15; ++i)
        m_huShapes[i]->setColour(toQColor(result->shapes[i]));
}

void CalculatorPanel::ListBetterHands(int row)
{
    QStringList lines;
    if (calculationReady() && row >= 0 && row < kListCount) {
        const auto patterns = m_store->patternLists();
        const auto ranks = m_store->rankTables();
        // The cards as they stand now, judged against the rank shown now.
        HandRankInput input = calculate(CalcTables{*patterns, *ranks}, readCalcInput()).rankInput;
        input.previousRank = m_kartenrang->text().toStdString();
        for (const std::string& line : listBetterHands(*ranks, input, static_cast<ListId>(row)))
            lines << qs(line);
    }
    emit betterHandsListed(lines);
}

} // namespace tallyhand::app
