#pragma once

#include <QLineEdit>

namespace zarnith {

// A text box whose length limit holds for typing and pasting only, with the
// desktop's beep for what it refuses. Text the program writes is never
// cut: the box shows it whole, shrinking its font until the text fits the
// box's width.
class BoxEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit BoxEdit(QWidget *parent = nullptr);

    // The limit for what the user types or pastes (0: none).
    void setInputLimit(int characters);

    // Writes text as the program's result, whatever its length.
    void setProgramText(const QString &text);

    // The font the box was designed with; the shown font is this one or a
    // smaller size of it.
    void setDesignFont(const QFont &font);

    // Selects the whole text whenever the box receives the focus, so that
    // the next keystroke replaces it.
    void setSelectAllOnFocus(bool on) { m_selectAllOnFocus = on; }

    // The box takes the window's button-face and button-text colours, so
    // that it blends with the window, and follows them when they change.
    // Otherwise it stands out from the window: its base colour where that
    // differs enough from the window's, else a shade that does (fieldBase).
    void setBlendsWithWindow();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void initStyleOption(QStyleOptionFrame *option) const override;

private:
    void applyLimitAfterEdit();
    void fitFont();
    void blend();

    int m_inputLimit = 0;
    QFont m_designFont;
    // What the style is told of the box's font: one small enough that no
    // style leaves out the frame of a low box.
    QFontMetrics m_styleMetrics;
    bool m_selectAllOnFocus = false;
    bool m_blends = false;
};

// The design font, or the largest of its sizes shrunk in steps of a tenth
// in which `text` is at most `room` pixels wide.
QFont fittedFont(const QFont &design, const QString &text, int room);

} // namespace zarnith
