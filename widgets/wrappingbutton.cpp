#include "wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace zarnith {

// The style draws the button without its text; the caption is then drawn
// wrapped and centred inside the button's contents, clear of its frame by
// the style's button margin.
void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    option.text = caption;
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    const QRect contents =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(margin, 0, -margin, 0);
    painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, option.palette,
                         isEnabled(), caption, QPalette::ButtonText);
}

} // namespace zarnith
