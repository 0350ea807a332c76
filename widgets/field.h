#pragma once

#include <QLabel>
#include <QPalette>

namespace zarnith {

// The contrast ratio of two colours, from 1 (the same) to 21 (black on
// white), from their relative luminance.
double contrastRatio(const QColor &a, const QColor &b);

// The background of a box or field in the given colour group: the
// palette's base colour where it stands out from the window's, else a
// shade of the window's colour that does, away from the text colour so that
// the text reads at least as well (some desktop themes give boxes nearly
// the window's colour).
QColor fieldBase(const QPalette &palette, QPalette::ColorGroup group);

// A label drawn as a field in the boxes' colours: text in the text colour
// on fieldBase().
class FieldLabel : public QLabel {
    Q_OBJECT
public:
    explicit FieldLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace zarnith
