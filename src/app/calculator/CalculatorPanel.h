#pragma once

#include "preflop/HandCalculation.h"

#include <QWidget>
#include <array>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tallyhand::app {

class CardEdit;
class ColourShape;
class PreflopGrid;
class TableStore;

// The hand calculator in the upper part of the main window: card entry,
// result table, outs memo, danger and rank fields, preflop rating.
class CalculatorPanel : public QWidget {
    Q_OBJECT
public:
    // Card edits in entry order.
    enum CardSlot { Hole1, Hole2, Flop1, Flop2, Flop3, Turn, River, CardSlotCount };

    explicit CalculatorPanel(QWidget* parent = nullptr);

    void setTableStore(TableStore* store);
    bool calculationReady() const;

    CardEdit* cardEdit(int slot) const { return m_cards[slot]; }
    QLineEdit* mglEdit(int row) const { return m_mgl[row]; }
    PreflopGrid* preflopGrid() const { return m_preflop; }

public slots:
    void hole1Exit();
    void hole2Exit();
    void flop1Exit();
    void flop2Exit();
    void flop3Exit();
    void turnExit();
    void riverExit();
    // Typed two-character input such as "ah" becomes "AHerz".
    void ExpandCardText(QLineEdit* edit);
    // The outs calculation over the seven card edits.
    void Button18Click();
    // A card button: the card goes into the first empty card edit.
    void Button19Click(const QString& cardText);
    // "New Hand".
    void Button20Click();
    void FillPreflopChart();
    void ShowHutchinsonPoints();
    // Better hands of one category (0 royal flush ... 8 one pair) for the developer memo.
    void ListBetterHands(int row);

signals:
    void statusMessage(const QString& text);
    void betterHandsListed(const QStringList& lines);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    QWidget* buildResultTable();
    QWidget* buildCardArea();
    QWidget* buildDangerAndRank();
    QWidget* buildPreflopRating();
    void leaveCardEdit(int slot);
    void doubleClickCardEdit(int slot);
    void updateReadiness();

    // Core binding (CalculatorBinding.cpp).
    CalcInput readCalcInput() const;
    void applyCalcOutput(const CalcOutput& out);
    void markDuplicates(const std::vector<int>& duplicates);

    TableStore* m_store = nullptr;
    bool m_warningShown = false;

    std::array<CardEdit*, CardSlotCount> m_cards{};
    std::array<QPushButton*, 10> m_rowButtons{};
    std::array<QLineEdit*, 10> m_mgl{}, m_better{}, m_outs{}, m_odds{}, m_potOdds{};
    QPushButton* m_newHand = nullptr;
    QPushButton* m_outsButton = nullptr;
    QLineEdit* m_akt = nullptr;
    QLineEdit* m_kicker = nullptr;
    QLineEdit* m_pot = nullptr;
    QLineEdit* m_totalOuts = nullptr;
    QPlainTextEdit* m_memOuts = nullptr;
    QLineEdit* m_flush = nullptr;
    QLineEdit* m_straight = nullptr;
    QLineEdit* m_kartenrang = nullptr;
    QLineEdit* m_co = nullptr;
    QLineEdit* m_split = nullptr;
    QLineEdit* m_skWahr = nullptr;
    QLineEdit* m_skNum = nullptr;
    QLineEdit* m_hu = nullptr;
    std::array<ColourShape*, 15> m_huShapes{}, m_skShapes{};
    PreflopGrid* m_preflop = nullptr;
};

} // namespace tallyhand::app
