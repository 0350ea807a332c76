#include "boxedit.h"

#include "design.h"
#include "field.h"
#include "formkit.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace zarnith {

namespace {
constexpr int kNoLimit = 32767; // QLineEdit's own "no limit"
} // namespace

BoxEdit::BoxEdit(QWidget *parent)
    : QLineEdit(parent), m_designFont(font()), m_styleMetrics([] {
          QFont font;
          font.setPixelSize(1);
          return QFontMetrics(font);
      }())
{
    connect(this, &QLineEdit::textEdited, this, &BoxEdit::applyLimitAfterEdit);
    connect(this, &QLineEdit::textChanged, this, &BoxEdit::fitFont);
    // A character the limit refuses (typed, or cut from a paste) beeps, so
    // that nobody computes with a number they did not mean.
    connect(this, &QLineEdit::inputRejected, this, &beep);
}

void BoxEdit::setInputLimit(int characters)
{
    m_inputLimit = characters;
    applyLimitAfterEdit();
}

// QLineEdit cuts any text, also the program's, to maxLength. So the limit
// in force is the input limit, widened to the length of a longer text the
// program wrote: the user can shorten such a text but not lengthen it, and
// once it is back within the input limit, that limit holds again.
void BoxEdit::applyLimitAfterEdit()
{
    const int limit = m_inputLimit > 0 ? m_inputLimit : kNoLimit;
    setMaxLength(std::max<int>(limit, int(text().size())));
}

void BoxEdit::setProgramText(const QString &text)
{
    setMaxLength(std::max<int>(maxLength(), int(text.size())));
    setText(text);
    applyLimitAfterEdit();
}

void BoxEdit::setDesignFont(const QFont &font)
{
    m_designFont = font;
    setFont(font);
    fitFont();
}

void BoxEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    fitFont();
}

void BoxEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (m_selectAllOnFocus)
        selectAll();
}

void BoxEdit::fitFont()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    // QLineEdit keeps 2 pixels clear on either side of its text, and centres
    // the text only while the text, a pixel and the cursor fit in between;
    // a wider text it scrolls to the left.
    const int room = contents.width() - margins.left() - margins.right() - 2 * 2 - 1
        - style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);

    const QFont fitted = fittedFont(m_designFont, text(), room);
    if (fitted != font())
        setFont(fitted);
}

void BoxEdit::setBlendsWithWindow()
{
    m_blends = true;
    blend();
}

// From the box's own palette: its button colours follow the window's (or a
// palette given to the box), and blending again changes nothing.
void BoxEdit::blend()
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, colors.color(QPalette::Button));
    colors.setColor(QPalette::Text, colors.color(QPalette::ButtonText));
    setPalette(colors);
}

// Some styles pad a box's text with margins of their own when they polish
// it. The boxes here were laid out for text that uses the whole box.
bool BoxEdit::event(QEvent *event)
{
    const bool handled = QLineEdit::event(event);
    if (event->type() == QEvent::Polish)
        setTextMargins(QMargins());
    return handled;
}

void BoxEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_blends)
        blend();
}

// A box that does not blend is drawn on fieldBase(), so that it stands out
// from its window. Some styles leave out the frame of a box that is lower
// than two frames and a line of the box's font. The boxes here are laid out that low (the
// fractions' denominators), and keep their frames: the style is told of a
// font small enough.
void BoxEdit::initStyleOption(QStyleOptionFrame *option) const
{
    QLineEdit::initStyleOption(option);
    if (!m_blends) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            option->palette.setColor(group, QPalette::Base, fieldBase(option->palette, group));
    }
    option->fontMetrics = m_styleMetrics;
}

QFont fittedFont(const QFont &design, const QString &text, int room)
{
    QFont fitted = design;
    while (fitted.pointSizeF() > design::kSmallestPoints && QFontMetrics(fitted).horizontalAdvance(text) > room)
        fitted.setPointSizeF(fitted.pointSizeF() * design::kShrinkStep);
    return fitted;
}

} // namespace zarnith
