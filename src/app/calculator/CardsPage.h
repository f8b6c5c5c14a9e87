#pragma once

#include <QWidget>
#include <array>

class QListWidget;
class QPlainTextEdit;

namespace tallyhand::app {

class CardButtonPanel;

// TabSheet3 "Karten": the card buttons and the nine pattern lists.
class CardsPage : public QWidget {
    Q_OBJECT
public:
    explicit CardsPage(QWidget* parent = nullptr);

    CardButtonPanel* cardPanel() const { return m_panel; }
    // Royal flush first: Memo1, Memo3 ... Memo10.
    QPlainTextEdit* patternMemo(int category) const { return m_memos[category]; }
    void setPatternTexts(const std::array<QString, 9>& texts, const std::array<int, 9>& counts);

private:
    CardButtonPanel* m_panel = nullptr;
    QListWidget* m_selector = nullptr;
    std::array<QPlainTextEdit*, 9> m_memos{};
};

} // namespace tallyhand::app
