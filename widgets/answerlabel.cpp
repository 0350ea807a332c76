#include "answerlabel.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace zarnith {

namespace {

// Read as a label: its name is the answer.
QAccessibleInterface *answerInterface(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<AnswerLabel *>(object))
        return new QAccessibleWidget(label, QAccessible::StaticText);
    return nullptr;
}

} // namespace

AnswerLabel::AnswerLabel(QWidget *parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(answerInterface), true);
    Q_UNUSED(installed);
    setFocusPolicy(Qt::TabFocus);
    setAnswer(QString());
}

void AnswerLabel::setAnswer(const QString &answer, const QString &spoken)
{
    m_answer = answer;
    const QString read = spoken.isEmpty() ? answer : spoken;
    setAccessibleName(tr("Result: %1").arg(read.isEmpty() ? tr("none") : read));
}

void AnswerLabel::surround(const QWidget *place)
{
    if (!m_laidOut)
        m_laidOut = geometry();
    // Wide enough that the focus frame runs just outside the place's own border.
    constexpr int kClearance = 2;
    setGeometry(place ? place->geometry().adjusted(-kClearance, -kClearance, kClearance, kClearance) : *m_laidOut);
}

void AnswerLabel::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace zarnith
