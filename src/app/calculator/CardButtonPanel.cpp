#include "app/calculator/CardButtonPanel.h"

#include "cards/CardText.h"

#include <QGridLayout>
#include <QPushButton>

namespace tallyhand::app {

namespace {

// Suit symbols in suit order Herz, Kreuz, Pik, Karo.
const QString kSuitSymbols[5] = {QString(), QStringLiteral("\u2665"), QStringLiteral("\u2663"),
                                 QStringLiteral("\u2660"), QStringLiteral("\u2666")};

QString faceRank(int rank)
{
    return rank == 10 ? QStringLiteral("10") : QString(QChar::fromLatin1(rankChar(rank)));
}

const char* kCardStyle =
    "QPushButton { background: #fdfdfb; border: 1px solid #a8a8a8; border-radius: 4px;"
    " color: %1; font-weight: bold; font-size: 10pt; padding: 0px; }"
    "QPushButton:hover { background: #fff6d5; border-color: #5a5a5a; }"
    "QPushButton:pressed { background: #e6e6e6; }"
    "QPushButton:disabled { color: #b8b8b8; border-color: #d0d0d0; }";

} // namespace

CardButtonPanel::CardButtonPanel(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    for (int suit = 1; suit <= 4; ++suit) {
        const bool red = suit == 1 || suit == 4;
        const QString style = QString::fromLatin1(kCardStyle).arg(red ? QStringLiteral("#c8102e")
                                                                      : QStringLiteral("#1a1a1a"));
        for (int rank = kMaxRank; rank >= kMinRank; --rank) {
            const QString text = QString::fromStdString(cardText(makeCard(rank, suit)));
            auto* button = new QPushButton(faceRank(rank) + QLatin1Char('\n') + kSuitSymbols[suit], this);
            button->setObjectName(name + QLatin1Char('_') + text);
            button->setProperty("cardText", text);
            button->setToolTip(text);
            button->setFixedSize(34, 44);
            button->setStyleSheet(style);
            connect(button, &QPushButton::clicked, this, [this, text] { emit cardClicked(text); });
            grid->addWidget(button, suit - 1, kMaxRank - rank);
        }
    }
    grid->setColumnStretch(13, 1);
    grid->setRowStretch(4, 1);
}

} // namespace tallyhand::app
