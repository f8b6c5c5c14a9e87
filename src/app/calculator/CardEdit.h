#pragma once

#include <QLineEdit>

namespace tallyhand::app {

// One of the seven card fields of the calculator: reports leaving it, Enter and double clicks.
class CardEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CardEdit(const QString& name, QWidget* parent = nullptr);

signals:
    void left();
    void enterPressed();
    void doubleClicked();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace tallyhand::app
