#include "app/calculator/CardsPage.h"

#include "app/calculator/CardButtonPanel.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStackedWidget>

namespace tallyhand::app {

namespace {
const char* kCategories[9] = {"Royal Flush", "Straight Flush", "Quads",    "Full House", "Flush",
                              "Straight",    "Set",            "Two Pair", "One Pair"};
const char* kMemoNames[9] = {"Memo1", "Memo3", "Memo4", "Memo5", "Memo6", "Memo7", "Memo8", "Memo9", "Memo10"};
} // namespace

CardsPage::CardsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(8);

    m_panel = new CardButtonPanel(QStringLiteral("Panel1"), this);
    layout->addWidget(m_panel, 0, Qt::AlignTop);

    m_selector = new QListWidget(this);
    m_selector->setObjectName(QStringLiteral("lst_patterns"));
    m_selector->setFixedWidth(140);
    auto* stack = new QStackedWidget(this);
    for (int i = 0; i < 9; ++i) {
        m_selector->addItem(QString::fromLatin1(kCategories[i]));
        auto* memo = new QPlainTextEdit(stack);
        memo->setObjectName(QString::fromLatin1(kMemoNames[i]));
        memo->setReadOnly(true);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_memos[i] = memo;
        stack->addWidget(memo);
    }
    connect(m_selector, &QListWidget::currentRowChanged, stack, &QStackedWidget::setCurrentIndex);
    m_selector->setCurrentRow(0);
    layout->addWidget(m_selector);
    layout->addWidget(stack, 1);
}

void CardsPage::setPatternTexts(const std::array<QString, 9>& texts, const std::array<int, 9>& counts)
{
    for (int i = 0; i < 9; ++i) {
        m_memos[i]->setPlainText(texts[i]);
        m_selector->item(i)->setText(QStringLiteral("%1 (%2)").arg(QString::fromLatin1(kCategories[i])).arg(counts[i]));
    }
}

} // namespace tallyhand::app
