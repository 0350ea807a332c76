#pragma once

#include <QWidget>

#include <optional>

namespace zarnith {

// Where a keyboard or screen-reader user finds a window's last answer: a
// place reached with Tab after every other control of the window, framed
// while it has the focus, and read as "Result: 1 1/4". It lies behind the
// result fields, so that the mouse still reaches them.
class AnswerLabel : public QWidget {
    Q_OBJECT
public:
    explicit AnswerLabel(QWidget *parent = nullptr);

    // The answer as it is copied ("1 1/4"), and as it is read where that
    // says more ("2 3/4, nearest sixty-fourth more than 63/64"). Empty when
    // the window has no answer (at first, after Clear).
    void setAnswer(const QString &answer, const QString &spoken = {});
    const QString &answer() const { return m_answer; }

    // Frames `place`, the control where the answer stands (a frame of the
    // window, a sibling of this one), from now on; null: the place where it
    // was laid out.
    void surround(const QWidget *place);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_answer;
    std::optional<QRect> m_laidOut;
};

} // namespace zarnith
