#include "app/database/GamePlayPanel.h"

#include "app/widgets/PageTabs.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tallyhand::app {

GamePlayPanel::GamePlayPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab_game"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* streets = new QHBoxLayout;
    streets->setSpacing(2);
    streets->addWidget(new QLabel(QStringLiteral("Spiel bis:"), this));
    m_streets = new QButtonGroup(this);
    const char* names[] = {"Preflop", "Flop", "Turn", "River", "Showdown"};
    for (int i = 0; i < 5; ++i) {
        auto* button = new QToolButton(this);
        button->setText(QString::fromLatin1(names[i]));
        button->setObjectName(QStringLiteral("btn_street_") + QString::fromLatin1(names[i]).toLower());
        button->setCheckable(true);
        button->setEnabled(false);
        button->setToolTip(QStringLiteral("Das Spiel bis zu dieser Straße zeigen, der Rechner folgt"));
        m_streets->addButton(button, i);
        streets->addWidget(button);
    }
    streets->addStretch(1);
    layout->addLayout(streets);
    connect(m_streets, &QButtonGroup::idClicked, this, &GamePlayPanel::streetChosen);

    QTabWidget* pages = makePageControl(QStringLiteral("pc_game"), this);
    layout->addWidget(pages);

    auto addRich = [pages](const QString& caption, const QString& name) {
        QWidget* page = addPage(pages, caption);
        auto* edit = new QTextEdit(page);
        edit->setObjectName(name);
        edit->setReadOnly(true);
        page->layout()->addWidget(edit);
        return edit;
    };
    m_richEdit1 = addRich(QStringLiteral("Seats&&Blinds"), QStringLiteral("RichEdit1"));
    m_richEdit2 = addRich(QStringLiteral("Bet Action"), QStringLiteral("RichEdit2"));
    m_richEdit3 = addRich(QStringLiteral("Showdown"), QStringLiteral("RichEdit3"));
    QWidget* summary = addPage(pages, QStringLiteral("Summery"));
    m_memo17 = new QPlainTextEdit(summary);
    m_memo17->setObjectName(QStringLiteral("Memo17"));
    m_memo17->setReadOnly(true);
    summary->layout()->addWidget(m_memo17);
}

void GamePlayPanel::setStreets(const std::array<bool, 5>& reached, int current)
{
    for (int i = 0; i < 5; ++i) {
        QAbstractButton* button = m_streets->button(i);
        button->setEnabled(reached[static_cast<std::size_t>(i)]);
        button->setChecked(i == current);
    }
}

} // namespace tallyhand::app
