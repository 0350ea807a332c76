#pragma once

#include <QPushButton>

namespace zarnith {

// A command button whose caption wraps word by word within the button.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace zarnith
