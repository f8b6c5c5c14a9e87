#include "app/ShowdownPanel.h"

#include "app/PageTabs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tallyhand::app {

ShowdownPanel::ShowdownPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("showdown_panel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QTabWidget* pages = makePageControl(QStringLiteral("pc_showdown"), this);
    layout->addWidget(pages);

    QWidget* shown = addPage(pages, QStringLiteral("Karten beim Showdown"));
    auto* row = new QHBoxLayout;
    m_lbHc = new QListWidget(shown);
    m_lbHc->setObjectName(QStringLiteral("lb_hc"));
    m_lbWahrs = new QListWidget(shown);
    m_lbWahrs->setObjectName(QStringLiteral("lb_wahrs"));
    row->addWidget(m_lbHc, 1);
    row->addWidget(m_lbWahrs, 2);
    auto* controls = new QGridLayout;
    controls->addWidget(new QLabel(QStringLiteral("Hands"), shown), 0, 0);
    m_edit98 = new QLineEdit(QStringLiteral("1000000"), shown);
    m_edit98->setObjectName(QStringLiteral("Edit98"));
    m_edit98->setFixedWidth(80);
    controls->addWidget(m_edit98, 0, 1);
    m_pgHands = new QProgressBar(shown);
    m_pgHands->setObjectName(QStringLiteral("pg_hands"));
    m_pgHands->setFixedWidth(120);
    controls->addWidget(m_pgHands, 1, 0, 1, 2);
    const char* buttons[3][2] = {{"Button89", "Gewinnerwartungen"}, {"Button91", "mit Flop"}, {"Button92", "mit Turn"}};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(buttons[i][1]), shown);
        b->setObjectName(QString::fromLatin1(buttons[i][0]));
        controls->addWidget(b, 2 + i, 0, 1, 2);
    }
    controls->setRowStretch(5, 1);
    row->addLayout(controls);
    static_cast<QVBoxLayout*>(shown->layout())->addLayout(row);

    QWidget* detail = addPage(pages, QStringLiteral("Detailstatistik"));
    QTabWidget* detailPages = makePageControl(QStringLiteral("pc_detail"), detail);
    detail->layout()->addWidget(detailPages);
    m_stgWin = new QTableWidget(addPage(detailPages, QStringLiteral("Gewinne")));
    m_stgWin->setObjectName(QStringLiteral("stg_win"));
    m_stgWin->parentWidget()->layout()->addWidget(m_stgWin);
    m_stgSplit = new QTableWidget(addPage(detailPages, QStringLiteral("Splits")));
    m_stgSplit->setObjectName(QStringLiteral("stg_split"));
    m_stgSplit->parentWidget()->layout()->addWidget(m_stgSplit);
}

} // namespace tallyhand::app
