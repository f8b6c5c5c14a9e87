#include "app/calculator/CalculatorPanel.h"

#include "app/calculator/CardEdit.h"
#include "app/widgets/ColourShape.h"
#include "app/widgets/FieldColour.h"
#include "app/calculator/PreflopGrid.h"
#include "app/calculator/TableStore.h"
#include "cards/CardText.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyhand::app {

namespace {

const char* kRowCaptions[10] = {"Royal Flush", "Straight Flush", "Quads", "Full House", "Flush",
                                "Straight",    "Set",            "Two Pair", "One Pair", "High Card"};
const char* kCardNames[7] = {"hole1", "hole2", "flop1", "flop2", "flop3", "turn", "river"};
constexpr int kRowHeight = 20;

QLineEdit* makeEdit(QWidget* parent, const QString& name, int width, bool readOnly,
                    Qt::Alignment align = Qt::AlignLeft)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (width > 0)
        edit->setFixedWidth(width);
    edit->setFixedHeight(kRowHeight);
    edit->setReadOnly(readOnly);
    edit->setAlignment(align | Qt::AlignVCenter);
    if (readOnly)
        edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

QLabel* makeLabel(QWidget* parent, const QString& text, Qt::Alignment align = Qt::AlignLeft)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

QLabel* makeHeading(QWidget* parent, const QString& text)
{
    auto* label = makeLabel(parent, text, Qt::AlignHCenter);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: #3a4a60;"));
    return label;
}

QString latin(const char* text) { return QString::fromLatin1(text); }

} // namespace

CalculatorPanel::CalculatorPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("calculator"));
    buildWidgets();
    updateReadiness();
}

void CalculatorPanel::buildWidgets()
{
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(6, 4, 6, 2);
    outer->setSpacing(12);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    auto* buttons = new QHBoxLayout;
    m_newHand = new QPushButton(QStringLiteral("New Hand"), this);
    m_newHand->setObjectName(QStringLiteral("Button20"));
    m_newHand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_outsButton = new QPushButton(QStringLiteral("Outs"), this);
    m_outsButton->setObjectName(QStringLiteral("Button18"));
    for (QPushButton* b : {m_newHand, m_outsButton}) {
        b->setFixedHeight(24);
        b->setMinimumWidth(86);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    left->addLayout(buttons);
    left->addWidget(buildResultTable());
    left->addWidget(buildDangerAndRank());
    left->addStretch(1);
    outer->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    m_akt = makeEdit(this, QStringLiteral("inp_akt"), 0, true);
    QFont bold = m_akt->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 1);
    m_akt->setFont(bold);
    m_akt->setFixedHeight(24);
    m_akt->setPlaceholderText(QStringLiteral("aktuelle Hand"));
    right->addWidget(m_akt);
    right->addWidget(buildCardArea());
    right->addWidget(buildPreflopRating());
    right->addStretch(1);
    outer->addLayout(right, 1);

    connect(m_newHand, &QPushButton::clicked, this, &CalculatorPanel::Button20Click);
    connect(m_outsButton, &QPushButton::clicked, this, &CalculatorPanel::Button18Click);
}

QWidget* CalculatorPanel::buildResultTable()
{
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("result_table"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    const char* headings[5] = {"Mgl.", "Bes.", "Outs", "Odds %", "Pot Odds $"};
    const int widths[5] = {46, 44, 50, 48, 62};
    for (int c = 0; c < 5; ++c)
        grid->addWidget(makeHeading(box, latin(headings[c])), 0, c + 1);

    const QString captionStyle = QStringLiteral(
        "QPushButton { text-align: left; padding-left: 6px; border: 1px solid #b4bcc8;"
        " border-radius: 3px; background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #f4f6fa, stop:1 #dfe4ec); }"
        "QPushButton:disabled { color: #1e2a3a; }");
    for (int r = 0; r < 10; ++r) {
        auto* caption = new QPushButton(latin(kRowCaptions[r]), box);
        caption->setObjectName(QStringLiteral("Button%1").arg(r + 1));
        caption->setEnabled(false);
        caption->setFixedSize(98, kRowHeight);
        caption->setStyleSheet(captionStyle);
        m_rowButtons[r] = caption;
        grid->addWidget(caption, r + 1, 0);

        m_mgl[r] = makeEdit(box, QStringLiteral("Edit%1").arg(r + 1), widths[0], true, Qt::AlignRight);
        m_better[r] = makeEdit(box, QStringLiteral("Edit%1").arg(r + 12), widths[1], true, Qt::AlignRight);
        m_outs[r] = makeEdit(box, QStringLiteral("Edit%1").arg(r + 22), widths[2], true, Qt::AlignHCenter);
        m_odds[r] = makeEdit(box, QStringLiteral("Edit%1").arg(r + 32), widths[3], true, Qt::AlignRight);
        m_potOdds[r] = makeEdit(box, QStringLiteral("Edit%1").arg(r + 42), widths[4], true, Qt::AlignRight);
        QLineEdit* row[5] = {m_mgl[r], m_better[r], m_outs[r], m_odds[r], m_potOdds[r]};
        for (int c = 0; c < 5; ++c)
            grid->addWidget(row[c], r + 1, c + 1);
        if (r < 9) {
            m_better[r]->installEventFilter(this);
            m_better[r]->setToolTip(QStringLiteral("Doppelklick: bessere Hände auflisten"));
        }
    }
    return box;
}

QWidget* CalculatorPanel::buildCardArea()
{
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    auto* cards = new QGridLayout;
    cards->setHorizontalSpacing(4);
    cards->setVerticalSpacing(4);
    QFont cardFont = font();
    cardFont.setBold(true);
    for (int i = 0; i < CardSlotCount; ++i) {
        auto* edit = new CardEdit(latin(kCardNames[i]), box);
        edit->setFixedSize(64, 22);
        edit->setFont(cardFont);
        edit->setAlignment(Qt::AlignCenter);
        m_cards[i] = edit;
        connect(edit, &CardEdit::left, this, [this, i] { leaveCardEdit(i); });
        connect(edit, &CardEdit::enterPressed, this, [this, i] { leaveCardEdit(i); });
        connect(edit, &CardEdit::doubleClicked, this, [this, i] { doubleClickCardEdit(i); });
        // An emptied field no longer holds a duplicate.
        connect(edit, &QLineEdit::textChanged, this, [edit](const QString& text) {
            if (text.isEmpty())
                setFieldColour(edit, std::nullopt);
        });
    }
    cards->addWidget(makeLabel(box, QStringLiteral("Hole Cards")), 0, 0);
    cards->addWidget(m_cards[Hole1], 0, 1);
    cards->addWidget(m_cards[Hole2], 0, 2);
    cards->addWidget(makeLabel(box, QStringLiteral("Flop")), 1, 0);
    cards->addWidget(m_cards[Flop1], 1, 1);
    cards->addWidget(m_cards[Flop2], 1, 2);
    cards->addWidget(m_cards[Flop3], 1, 3);
    cards->addWidget(makeLabel(box, QStringLiteral("Turn")), 2, 0);
    cards->addWidget(m_cards[Turn], 2, 1);
    cards->addWidget(makeLabel(box, QStringLiteral("River")), 3, 0);
    cards->addWidget(m_cards[River], 3, 1);

    auto* wahr = new QHBoxLayout;
    wahr->setSpacing(3);
    m_skWahr = makeEdit(box, QStringLiteral("inp_sk_wahr"), 52, true, Qt::AlignRight);
    wahr->addWidget(m_skWahr);
    wahr->addWidget(makeLabel(box, QStringLiteral("%")));
    cards->addLayout(wahr, 0, 3);

    auto* facts = new QGridLayout;
    facts->setHorizontalSpacing(4);
    facts->setVerticalSpacing(4);
    m_kicker = makeEdit(box, QStringLiteral("inp_kicker"), 0, true);
    m_pot = makeEdit(box, QStringLiteral("inp_pot"), 70, false, Qt::AlignRight);
    m_totalOuts = makeEdit(box, QStringLiteral("inp_total_outs"), 40, true, Qt::AlignRight);
    facts->addWidget(makeLabel(box, QStringLiteral("Kicker")), 0, 0);
    facts->addWidget(m_kicker, 0, 1, 1, 3);
    facts->addWidget(makeLabel(box, QStringLiteral("Pot")), 1, 0);
    facts->addWidget(m_pot, 1, 1);
    facts->addWidget(makeLabel(box, QStringLiteral("Total Outs"), Qt::AlignRight), 1, 2);
    facts->addWidget(m_totalOuts, 1, 3);
    facts->setColumnStretch(2, 1);
    cards->addLayout(facts, 4, 0, 1, 4);
    cards->setRowMinimumHeight(4, 2 * kRowHeight + 4);

    layout->addLayout(cards);

    m_memOuts = new QPlainTextEdit(box);
    m_memOuts->setObjectName(QStringLiteral("mem_outs"));
    m_memOuts->setReadOnly(true);
    m_memOuts->setMinimumWidth(200);
    m_memOuts->setPlaceholderText(QStringLiteral("Outs"));
    m_memOuts->setFixedHeight(4 * 26 + 2 * kRowHeight + 8);
    layout->addWidget(m_memOuts, 1);
    return box;
}

QWidget* CalculatorPanel::buildDangerAndRank()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    m_flush = makeEdit(box, QStringLiteral("inp_flush"), 44, true);
    m_straight = makeEdit(box, QStringLiteral("inp_straight"), 44, true);
    setFieldColour(m_flush, toQColor(kGreen));
    setFieldColour(m_straight, toQColor(kGreen));
    m_kartenrang = makeEdit(box, QStringLiteral("inp_kartenrang"), 52, true, Qt::AlignRight);
    m_kartenrang->setText(QStringLiteral("-1"));
    m_co = makeEdit(box, QStringLiteral("inp_co"), 60, true, Qt::AlignRight);
    m_split = makeEdit(box, QStringLiteral("inp_split"), 52, true, Qt::AlignRight);

    grid->addWidget(makeLabel(box, QStringLiteral("Flushgefahr")), 0, 0);
    grid->addWidget(m_flush, 0, 1);
    grid->addWidget(makeLabel(box, QStringLiteral("Straightgefahr"), Qt::AlignRight), 0, 2, 1, 2);
    grid->addWidget(m_straight, 0, 4);
    grid->addWidget(makeLabel(box, QStringLiteral("Rang")), 1, 0);
    grid->addWidget(m_kartenrang, 1, 1);
    auto* rest = new QHBoxLayout;
    rest->setSpacing(4);
    rest->addWidget(makeLabel(box, QStringLiteral("Bessere")));
    rest->addWidget(m_co);
    rest->addSpacing(6);
    rest->addWidget(makeLabel(box, QStringLiteral("Split")));
    rest->addWidget(m_split);
    rest->addStretch(1);
    grid->addLayout(rest, 1, 2, 1, 3);
    grid->setColumnStretch(5, 1);
    return box;
}

QWidget* CalculatorPanel::buildPreflopRating()
{
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("preflop_rating"));
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 2, 0, 0);
    v->setSpacing(2);

    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    m_skNum = makeEdit(box, QStringLiteral("inp_sk_num"), 32, true, Qt::AlignRight);
    m_hu = makeEdit(box, QStringLiteral("inP_hu"), 32, true, Qt::AlignRight);
    top->addWidget(makeLabel(box, QStringLiteral("Sklansky")));
    top->addWidget(m_skNum);
    top->addSpacing(10);
    top->addWidget(makeLabel(box, QStringLiteral("Hutch.")));
    top->addWidget(m_hu);
    top->addStretch(1);
    v->addLayout(top);

    m_preflop = new PreflopGrid(box);
    const int frame = m_preflop->frameWidth();

    // Headings and lamps stand exactly above the grid columns of their position.
    auto* lamps = new QWidget(box);
    auto* grid = new QGridLayout(lamps);
    grid->setContentsMargins(frame, 0, frame, 0);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(2);
    grid->setColumnMinimumWidth(0, PreflopGrid::kLabelWidth);
    for (int c = 1; c <= 16; ++c)
        grid->setColumnMinimumWidth(c, PreflopGrid::kCellWidth);
    struct Position { const char* heading; int first, span; std::array<int, 3> columns; };
    const Position positions[5] = {
        {"|     Early Position       |", 1, 3, {1, 2, 3}},
        {"|    Middle Position     |", 4, 3, {4, 5, 6}},
        {"|          Late Position             |", 7, 4, {7, 9, 10}},
        {"|       Small Blind        |", 11, 3, {11, 12, 13}},
        {"|          Big Blind         |", 14, 3, {14, 15, 16}},
    };
    QFont small = font();
    small.setPointSize(7);
    for (int p = 0; p < 5; ++p) {
        auto* heading = makeLabel(lamps, latin(positions[p].heading), Qt::AlignHCenter);
        heading->setFont(small);
        heading->setStyleSheet(QStringLiteral("color: #3a4a60;"));
        grid->addWidget(heading, 0, positions[p].first, 1, positions[p].span);
        for (int s = 0; s < 3; ++s) {
            const QString suffix = QStringLiteral("%1%2").arg(p + 1).arg(s + 1);
            auto* hu = new ColourShape(QStringLiteral("shp_hu") + suffix, toQColor(kWhite), lamps);
            auto* sk = new ColourShape(QStringLiteral("shp_sk") + suffix, toQColor(kWhite), lamps);
            m_huShapes[p * 3 + s] = hu;
            m_skShapes[p * 3 + s] = sk;
            grid->addWidget(hu, 1, positions[p].columns[s], Qt::AlignCenter);
            grid->addWidget(sk, 2, positions[p].columns[s], Qt::AlignCenter);
        }
    }
    grid->addWidget(makeLabel(lamps, QStringLiteral("Hutch.")), 1, 0);
    grid->addWidget(makeLabel(lamps, QStringLiteral("Sklansky")), 2, 0);
    lamps->setFixedWidth(m_preflop->width());
    v->addWidget(lamps);
    v->addWidget(m_preflop);
    return box;
}

void CalculatorPanel::setTableStore(TableStore* store)
{
    m_store = store;
    connect(store, &TableStore::changed, this, &CalculatorPanel::updateReadiness);
    updateReadiness();
}

bool CalculatorPanel::calculationReady() const
{
    return m_store && m_store->ready();
}

void CalculatorPanel::updateReadiness()
{
    m_outsButton->setEnabled(calculationReady());
}

void CalculatorPanel::ExpandCardText(QLineEdit* edit)
{
    const QString typed = edit->text();
    const std::string expanded = expandCardText(typed.toStdString());
    const QString result = QString::fromStdString(expanded);
    if (result != typed)
        edit->setText(result);
}

void CalculatorPanel::leaveCardEdit(int slot)
{
    QLineEdit* edit = m_cards[slot];
    if (edit->text().size() == 2)
        ExpandCardText(edit);
    switch (slot) {
    case Hole2:
        Button18Click();
        FillPreflopChart();
        ShowHutchinsonPoints();
        break;
    case Flop3:
    case Turn:
    case River:
        Button18Click();
        break;
    default:
        break;
    }
}

void CalculatorPanel::hole1Exit() { leaveCardEdit(Hole1); }
void CalculatorPanel::hole2Exit() { leaveCardEdit(Hole2); }
void CalculatorPanel::flop1Exit() { leaveCardEdit(Flop1); }
void CalculatorPanel::flop2Exit() { leaveCardEdit(Flop2); }
void CalculatorPanel::flop3Exit() { leaveCardEdit(Flop3); }
void CalculatorPanel::turnExit() { leaveCardEdit(Turn); }
void CalculatorPanel::riverExit() { leaveCardEdit(River); }

void CalculatorPanel::doubleClickCardEdit(int slot)
{
    m_cards[slot]->clear();
    if (slot == Flop1 || slot == Turn || slot == River)
        Button18Click();
}

void CalculatorPanel::Button19Click(const QString& cardText)
{
    for (int slot = 0; slot < CardSlotCount; ++slot) {
        if (!m_cards[slot]->text().isEmpty())
            continue;
        m_cards[slot]->setText(cardText);
        // hole2 also rates the hand before the flop, exactly as leaving the field does;
        // otherwise the grid and lamps would still show the previous hand.
        if (slot == Hole2) {
            Button18Click();
            FillPreflopChart();
            ShowHutchinsonPoints();
        } else if (slot == Flop3 || slot == Turn || slot == River) {
            Button18Click();
        }
        return;
    }
}

void CalculatorPanel::Button20Click()
{
    m_preflop->clearDataCells();
    for (int r = 0; r < 9; ++r) {
        m_outs[r]->clear();
        m_odds[r]->clear();
        m_potOdds[r]->clear();
    }
    for (CardEdit* edit : m_cards)
        edit->clear();
    for (QLineEdit* edit : {m_akt, m_skNum, m_skWahr, m_totalOuts, m_kicker, m_pot})
        edit->clear();
    for (int r = 0; r < 9; ++r)
        setFieldColour(m_outs[r], std::nullopt);
    m_memOuts->clear();
}

bool CalculatorPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int r = 0; r < 9; ++r) {
            if (watched == m_better[r]) {
                ListBetterHands(r);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tallyhand::app
