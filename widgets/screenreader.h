#pragma once

// What a screen reader says: the accessible names of the controls, and the
// results of the commands, spoken as they appear without moving the focus.
// Nothing here starts the accessibility machinery; while no screen reader
// listens, names are stored strings and an announcement only sets the text
// of a hidden notification.

#include <QString>

#include <initializer_list>

class QAction;
class QTextEdit;
class QWidget;

namespace zarnith {

// A control's accessible name and, for a control that runs a command with a
// shortcut, that shortcut as its description ("Ctrl+A"). A label that shows
// text, not a picture, is named by its name and the text it shows now:
// "Nearest sixty-fourth: 3/4".
struct ReaderText {
    QWidget *control;
    QString name;
    const QAction *shortcutOf = nullptr;
};
void setReaderTexts(std::initializer_list<ReaderText> texts);

// Pictures and lines that carry no meaning: the reader passes over them.
void hideFromReader(std::initializer_list<QWidget *> widgets);

// A read-only text view shown to the reader as a document: its text read
// from where the cursor is, its links reached with Tab.
void exposeAsDocument(QTextEdit *view);

// Speaks `text` through the screen reader listening to `window`, if any:
// a notification shown in the window, which takes no space and no focus.
void announce(QWidget *window, const QString &text);

// A mixed number as the result fields show it, the way it is spoken:
// "1 1/4", "2" for a whole number, "-3/2", and "0" when nothing is left.
QString spokenMixedNumber(const QString &whole, const QString &numerator, const QString &denominator);

} // namespace zarnith
