#include "app/table/TablePanelPage.h"

#include "app/calculator/TableStore.h"
#include "app/widgets/ColourShape.h"
#include "app/widgets/FieldColour.h"
#include "app/widgets/RowLists.h"
#include "cards/CardText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <fstream>

namespace tallyhand::app {

namespace {

// Object names of each seat's fields, seat 1 ("My") to seat 10 ("9").
struct SeatNames {
    const char* label;
    int card1, card2, box, bet, fifth;
};
constexpr std::array<SeatNames, kTableSeats> kSeatNames{{
    {"My", 52, 53, 1, 77, 87}, {"1", 54, 55, 2, 78, 88},  {"2", 56, 57, 3, 79, 89}, {"3", 59, 58, 4, 80, 90},
    {"4", 60, 61, 5, 81, 91},  {"5", 63, 62, 10, 85, 92}, {"6", 65, 66, 9, 86, 93}, {"7", 64, 67, 8, 84, 94},
    {"8", 68, 69, 7, 83, 95},  {"9", 71, 70, 6, 82, 96},
}};

QLineEdit* field(const QString& name, int width, QWidget* parent, bool readOnly = true)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    edit->setReadOnly(readOnly);
    return edit;
}

QString edit(int number) { return QStringLiteral("Edit%1").arg(number); }

const QColor kActing(0, 128, 0);

} // namespace

TablePanelPage::TablePanelPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);

    // Seats in two rows of five around the board.
    auto* felt = new QGridLayout;
    felt->setSpacing(4);
    for (int s = 1; s <= kTableSeats; ++s) {
        const SeatNames& n = kSeatNames[static_cast<std::size_t>(s - 1)];
        auto* box = new QGroupBox(QString::fromLatin1(n.label), this);
        box->setObjectName(QStringLiteral("seat_%1").arg(s));
        auto* v = new QGridLayout(box);
        v->setContentsMargins(3, 2, 3, 2);
        v->setSpacing(2);
        SeatWidgets& w = m_seats[static_cast<std::size_t>(s)];
        w.card1 = field(edit(n.card1), 52, box);
        w.card2 = field(edit(n.card2), 52, box);
        w.box = new QComboBox(box);
        w.box->setObjectName(QStringLiteral("ComboBox%1").arg(n.box));
        w.box->addItems({QStringLiteral("Bet"), QStringLiteral("Check"), QStringLiteral("Call"), QStringLiteral("Raise"),
                         QStringLiteral("Fold")});
        w.box->setEnabled(s == 1);
        w.bet = field(edit(n.bet), 52, box);
        w.bet->setToolTip(QStringLiteral("Einsatz in dieser Runde"));
        w.fifth = field(edit(n.fifth), 52, box);
        w.fifth->setToolTip(QStringLiteral("Chips"));
        w.marker = new ColourShape(QStringLiteral("Shape%1").arg(s), Qt::white, box);
        w.marker->setToolTip(QStringLiteral("Dealer"));
        v->addWidget(w.card1, 0, 0);
        v->addWidget(w.card2, 0, 1);
        v->addWidget(w.marker, 0, 2);
        v->addWidget(w.box, 1, 0, 1, 3);
        v->addWidget(w.bet, 2, 0);
        v->addWidget(w.fifth, 2, 1);
        // "My" and "1".."4" above, "5".."9" below.
        const bool top = s <= 5;
        felt->addWidget(box, top ? 0 : 2, top ? s - 1 : kTableSeats - s);
    }
    auto* middle = new QHBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(new QLabel(QStringLiteral("Flop"), this));
    for (int i = 0; i < 3; ++i) {
        m_board[static_cast<std::size_t>(i)] = field(edit(72 + i), 52, this);
        middle->addWidget(m_board[static_cast<std::size_t>(i)]);
    }
    middle->addWidget(new QLabel(QStringLiteral("Turn"), this));
    m_board[3] = field(edit(75), 52, this);
    middle->addWidget(m_board[3]);
    middle->addWidget(new QLabel(QStringLiteral("River"), this));
    m_board[4] = field(edit(76), 52, this);
    middle->addWidget(m_board[4]);
    middle->addSpacing(12);
    middle->addWidget(new QLabel(QStringLiteral("Pot"), this));
    m_pot = field(QStringLiteral("ed_pot"), 60, this);
    middle->addWidget(m_pot);
    middle->addWidget(new QLabel(QStringLiteral("Hand"), this));
    m_hand = field(QStringLiteral("ed_hand"), 40, this);
    middle->addWidget(m_hand);
    middle->addStretch(1);
    felt->addLayout(middle, 1, 0, 1, 5);
    layout->addLayout(felt, 1);

    // Controls: blinds, the game buttons, the heads-up choice, the log.
    auto* side = new QGridLayout;
    side->setSpacing(3);
    side->addWidget(new QLabel(QStringLiteral("Blinds"), this), 0, 0);
    // Wide enough for the largest blind, 1000000.
    m_smallBlind = field(QStringLiteral("ed_smallblind"), 64, this, false);
    m_smallBlind->setText(QStringLiteral("5"));
    m_smallBlind->setToolTip(QStringLiteral("Small Blind: eine ganze Zahl von 1 bis 1.000.000"));
    m_bigBlind = field(QStringLiteral("ed_bigblind"), 64, this, false);
    m_bigBlind->setText(QStringLiteral("10"));
    m_bigBlind->setToolTip(QStringLiteral("Big Blind: mindestens der Small Blind, höchstens 1.000.000"));
    side->addWidget(m_smallBlind, 0, 1);
    side->addWidget(m_bigBlind, 0, 2);
    auto button = [this](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    QPushButton* startButton = button(QStringLiteral("Start"), QStringLiteral("Button74"));
    QPushButton* dealButton = button(QStringLiteral("Geben"), QStringLiteral("Button75"));
    QPushButton* headsUpButton = button(QStringLiteral("Heads Up"), QStringLiteral("Button76"));
    m_play = button(QStringLiteral("play"), QStringLiteral("weiter"));
    m_play->setToolTip(QStringLiteral("Die nächste Aktion ausführen; am eigenen Zug die gewählte Aktion"));
    side->addWidget(startButton, 1, 0, 1, 3);
    side->addWidget(dealButton, 2, 0, 1, 3);
    side->addWidget(headsUpButton, 3, 0, 1, 3);
    side->addWidget(m_play, 4, 0, 1, 3);
    m_choices = new QButtonGroup(this);
    const char* choices[] = {"Bet", "Call", "Check", "Raise", "Fold"};
    const Action actions[] = {Action::Bet, Action::Call, Action::Check, Action::Raise, Action::Fold};
    auto* radios = new QGridLayout;
    radios->setSpacing(1);
    for (int i = 0; i < 5; ++i) {
        auto* rb = new QRadioButton(QString::fromLatin1(choices[i]), this);
        rb->setObjectName(QStringLiteral("rb_%1").arg(i + 1));
        m_choices->addButton(rb, static_cast<int>(actions[i]));
        radios->addWidget(rb, i / 2, i % 2);
    }
    side->addLayout(radios, 5, 0, 1, 3);
    side->addWidget(new QLabel(QStringLiteral("Einsatz"), this), 6, 0);
    m_stake = field(QStringLiteral("ed_einsatz"), 90, this, false);
    m_stake->setToolTip(QStringLiteral("Betrag für Bet und Raise; leer: die Raise-Größe des Tischs; mehr als der Stack: All In"));
    side->addWidget(m_stake, 6, 1, 1, 2);
    m_log = makeRowList(QStringLiteral("ListBox1"), this);
    m_log->setMinimumWidth(170);
    side->addWidget(m_log, 7, 0, 1, 3);
    side->setRowStretch(7, 1);
    layout->addLayout(side);

    connect(startButton, &QPushButton::clicked, this, &TablePanelPage::Button74Click);
    connect(dealButton, &QPushButton::clicked, this, &TablePanelPage::Button75Click);
    connect(headsUpButton, &QPushButton::clicked, this, &TablePanelPage::Button76Click);
    connect(m_play, &QPushButton::clicked, this, &TablePanelPage::weiterClick);
    connect(m_pot, &QLineEdit::textChanged, this, &TablePanelPage::potChanged); // ed_potChange
}

void TablePanelPage::setHistory(std::filesystem::path handsDir, std::function<QString()> userName)
{
    m_handsDir = std::move(handsDir);
    m_userName = std::move(userName);
}

void TablePanelPage::Button74Click() { begin(false); }

void TablePanelPage::Button76Click()
{
    m_smallBlind->setText(QStringLiteral("5"));
    m_bigBlind->setText(QStringLiteral("10"));
    begin(true);
}

void TablePanelPage::begin(bool headsUp)
{
    // Text that is no number is out of range like any other bad blind.
    bool okSmall = false, okBig = false;
    const Chips small = m_smallBlind->text().trimmed().toLongLong(&okSmall);
    const Chips big = m_bigBlind->text().trimmed().toLongLong(&okBig);
    if (const auto problem = blindsProblem(okSmall ? small : 0, okBig ? big : 0)) {
        emit statusMessage(QString::fromStdString(*problem));
        return;
    }
    m_patterns = m_store ? m_store->patternLists() : nullptr;
    if (!m_patterns) {
        emit statusMessage(QStringLiteral("Die Kombinationsdaten werden noch geladen; bitte gleich noch einmal."));
        return;
    }
    auto table = std::make_unique<PracticeTable>(*m_patterns, QDateTime::currentMSecsSinceEpoch());
    if (const auto error = table->start(small, big, headsUp)) {
        emit statusMessage(QString::fromStdString(*error));
        return;
    }
    m_table = std::move(table);
    m_logged = 0;
    m_written = 0;
    m_log->clear();
    m_session.reset();
    if (m_userName && !m_handsDir.empty())
        m_session = freshPracticeSession(m_handsDir, m_userName().toStdString(), QDateTime::currentSecsSinceEpoch());
    for (SeatWidgets& w : m_seats)
        if (w.box)
            w.box->setCurrentIndex(static_cast<int>(Action::Bet));
    refresh();
    emit statusMessage(headsUp ? QStringLiteral("Heads Up: \"play\" führt die nächste Aktion aus.")
                               : QStringLiteral("Neues Spiel: \"play\" führt die nächste Aktion aus."));
}

void TablePanelPage::Button75Click()
{
    if (m_table && m_table->wait() == TableWait::HandOver)
        weiterClick();
    else if (!m_table || m_table->wait() == TableWait::GameOver)
        Button74Click();
}

std::optional<UserChoice> TablePanelPage::userChoice(QString& problem) const
{
    UserChoice choice;
    if (m_table->headsUp()) {
        if (m_choices->checkedId() < 0) {
            problem = QStringLiteral("Sie sind am Zug: bitte Bet, Call, Check, Raise oder Fold wählen.");
            return std::nullopt;
        }
        choice.action = static_cast<Action>(m_choices->checkedId());
    } else {
        choice.action = static_cast<Action>(m_seats[1].box->currentIndex());
    }
    // An empty amount takes the table's raise size.
    const QString stake = m_stake->text().trimmed();
    if (!stake.isEmpty()) {
        bool ok = false;
        choice.amount = stake.toLongLong(&ok);
        if (!ok || choice.amount < 1) {
            problem = QString::fromUtf8(kStakeMessage);
            return std::nullopt;
        }
    }
    return choice;
}

void TablePanelPage::weiterClick()
{
    if (!m_table) {
        emit statusMessage(QStringLiteral("Erst \"Start\" oder \"Heads Up\" drücken."));
        return;
    }
    std::optional<UserChoice> choice;
    if (m_table->wait() == TableWait::User) {
        QString problem;
        choice = userChoice(problem);
        if (!choice) {
            emit statusMessage(problem);
            return;
        }
    }
    if (const auto error = m_table->step(choice)) {
        emit statusMessage(QString::fromStdString(*error));
        return;
    }
    m_choices->setExclusive(false);
    for (QAbstractButton* b : m_choices->buttons())
        b->setChecked(false);
    m_choices->setExclusive(true);
    writeFinishedHand();
    refresh();
}

void TablePanelPage::writeFinishedHand()
{
    const TableWait w = m_table->wait();
    if ((w != TableWait::HandOver && w != TableWait::GameOver) || m_written == m_table->handNumber() || !m_session)
        return;
    m_written = m_table->handNumber();
    std::error_code ec;
    std::filesystem::create_directories(m_handsDir, ec);
    std::ofstream out(m_handsDir / practiceFileName(*m_session), std::ios::binary | std::ios::app);
    out << practiceHandText(*m_session, *m_table);
    if (!out)
        emit statusMessage(QStringLiteral("Die Hand konnte nicht in den Hands-Ordner geschrieben werden."));
}

void TablePanelPage::refresh()
{
    const PracticeTable& t = *m_table;
    const auto& seats = t.seats();
    for (int s = 1; s <= kTableSeats; ++s) {
        const TableSeat& seat = seats[static_cast<std::size_t>(s)];
        SeatWidgets& w = m_seats[static_cast<std::size_t>(s)];
        const bool playing = seat.dealt && !seat.out;
        w.card1->setText(playing ? QString::fromStdString(cardText(seat.cards[0])) : QString());
        w.card2->setText(playing ? QString::fromStdString(cardText(seat.cards[1])) : QString());
        if (s != 1 || t.wait() != TableWait::User)
            w.box->setCurrentIndex(static_cast<int>(seat.box));
        w.bet->setText(seat.allIn ? QStringLiteral("All In") : seat.posted ? QString::number(seat.bet) : QString());
        w.fifth->setText(seat.out && t.handNumber() > 0 && seat.stack == 0 && !(t.headsUp() && s > 2)
                             ? QStringLiteral("0")
                             : seat.out ? QString() : QString::number(seat.stack));
        w.marker->setColour(s == t.dealer() && !seat.out ? QColor(0, 128, 0) : QColor(Qt::white));
        setFieldColour(w.bet, s == t.actor() ? std::optional<QColor>(kActing) : std::nullopt);
        w.card1->parentWidget()->setEnabled(!seat.out);
    }
    const auto& board = t.board();
    for (std::size_t i = 0; i < m_board.size(); ++i)
        m_board[i]->setText(i < board.size() ? QString::fromStdString(cardText(board[i])) : QString());
    m_hand->setText(QString::number(t.handNumber()));
    m_pot->setText(QString::number(t.pot()));

    // The heads-up choices the situation allows.
    const bool userTurn = t.wait() == TableWait::User;
    const bool facing = t.level() > seats[1].bet;
    const std::array<bool, 5> allowed{!facing, !facing, facing, true, true}; // Bet, Check, Call, Raise, Fold
    for (QAbstractButton* b : m_choices->buttons())
        b->setEnabled(t.headsUp() && userTurn && allowed[static_cast<std::size_t>(m_choices->id(b))]);
    m_seats[1].box->setEnabled(!t.headsUp() && userTurn);

    // The log: every action since the last refresh.
    const auto& events = t.events();
    for (; m_logged < events.size(); ++m_logged) {
        const TableEvent& e = events[m_logged];
        const QString who = QString::fromLatin1(kSeatNames[static_cast<std::size_t>(std::max(e.seat, 1) - 1)].label);
        QString line;
        switch (e.kind) {
        case TableEvent::HandStarted: line = QStringLiteral("--- Hand %1, Dealer %2").arg(t.handNumber()).arg(who); break;
        case TableEvent::Blind: line = QStringLiteral("%1: Blind %2").arg(who).arg(e.amount); break;
        case TableEvent::Act:
            line = QStringLiteral("%1: %2%3").arg(who, QString::fromLatin1(actionName(e.action)),
                                                  e.amount > 0 ? QStringLiteral(" %1").arg(e.amount) : QString());
            if (e.allIn)
                line += QStringLiteral(" (All In)");
            break;
        case TableEvent::Board: line = QStringLiteral("Board: %1 Karten").arg(board.size()); break;
        case TableEvent::Shows: line = QStringLiteral("%1 zeigt %2").arg(who, QString::fromStdString(e.text)); break;
        case TableEvent::Wins: line = QStringLiteral("%1 gewinnt %2").arg(who).arg(e.amount); break;
        case TableEvent::Left: line = QStringLiteral("%1 scheidet aus").arg(who); break;
        case TableEvent::GameOver: line = QStringLiteral("Spielende: %1 gewinnt").arg(who); break;
        case TableEvent::Dealt: continue;
        }
        m_log->addItem(line);
    }
    m_log->scrollToBottom();

    if (t.wait() == TableWait::GameOver) {
        const int w = t.winner();
        emit statusMessage(w == 1 ? QStringLiteral("Spielende: Sie haben gewonnen!")
                                  : QStringLiteral("Spielende: Seat %1 hat gewonnen.")
                                        .arg(QString::fromLatin1(kSeatNames[static_cast<std::size_t>(w - 1)].label)));
    } else if (userTurn) {
        emit statusMessage(facing ? QStringLiteral("Sie sind am Zug: %1 zu bezahlen.").arg(t.level() - seats[1].bet)
                                  : QStringLiteral("Sie sind am Zug."));
    }
    QStringList user;
    if (seats[1].dealt && !seats[1].out)
        user << QString::fromStdString(cardText(seats[1].cards[0])) << QString::fromStdString(cardText(seats[1].cards[1]));
    else
        user << QString() << QString();
    for (std::size_t i = 0; i < 5; ++i)
        user << (i < board.size() ? QString::fromStdString(cardText(board[i])) : QString());
    emit userCardsChanged(user);
}

} // namespace tallyhand::app
