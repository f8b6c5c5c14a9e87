#include "app/developer/DeveloperPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyhand::app {

DeveloperPage::DeveloperPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    auto makeButton = [&](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFixedWidth(90);
        buttons->addWidget(b);
        return b;
    };
    m_allKombi = makeButton(QStringLiteral("All_Kombi"), QStringLiteral("All_Kombi"));
    m_save = makeButton(QStringLiteral("Button11"), QStringLiteral("Save"));
    m_load = makeButton(QStringLiteral("Button12"), QStringLiteral("Load"));
    m_kombis = makeButton(QStringLiteral("Button17"), QStringLiteral("Kombis"));
    m_berechne = makeButton(QStringLiteral("Button83"), QStringLiteral("Berechne"));
    m_test = makeButton(QStringLiteral("Button90"), QStringLiteral("Test"));
    buttons->addStretch(1);
    layout->addLayout(buttons);

    m_memo2 = new QPlainTextEdit(this);
    m_memo2->setObjectName(QStringLiteral("Memo2"));
    m_memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo16 = new QPlainTextEdit(this);
    m_memo16->setObjectName(QStringLiteral("Memo16"));
    m_memo16->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(m_memo2, 2);
    layout->addWidget(m_memo16, 1);

    connect(m_allKombi, &QPushButton::clicked, this, &DeveloperPage::allKombiClicked);
    connect(m_save, &QPushButton::clicked, this, &DeveloperPage::saveClicked);
    connect(m_load, &QPushButton::clicked, this, &DeveloperPage::loadClicked);
    connect(m_kombis, &QPushButton::clicked, this, &DeveloperPage::kombisClicked);
    connect(m_berechne, &QPushButton::clicked, this, &DeveloperPage::berechneClicked);
    connect(m_test, &QPushButton::clicked, this, &DeveloperPage::testClicked);
}

void DeveloperPage::showLines(const QStringList& lines)
{
    m_memo2->setPlainText(lines.join(QLatin1Char('\n')));
}

void DeveloperPage::setTableButtonsEnabled(bool enabled)
{
    for (QPushButton* b : {m_allKombi, m_save, m_load, m_kombis})
        b->setEnabled(enabled);
}

} // namespace tallyhand::app
