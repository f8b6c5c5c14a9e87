#include "app/database/GamePlayPanel.h"

#include "app/widgets/PageTabs.h"

#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tallyhand::app {

GamePlayPanel::GamePlayPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab_game"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
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

} // namespace tallyhand::app
