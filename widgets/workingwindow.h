#pragma once

#include <QMainWindow>

class QAction;

namespace zarnith {

class AnswerLabel;

// What the two working windows share: the last answer, reached with Tab,
// read by a screen reader and copied with Ctrl+C; the Help and About
// entries; Exit and the close box, which end the program; and the window's
// menu shortcuts, which win over the boxes' own keys. Each window names
// these entries once its controls exist (setCommonEntries).
class WorkingWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit WorkingWindow(QWidget *parent = nullptr);

signals:
    // Decimal or Fractions: the other working window, brought forward.
    void otherWindowRequested();
    // Help > About; modal where the window shows it so.
    void aboutRequested(bool modal);
    // Help > Contents and F1.
    void helpRequested();
    // Exit, or the window closing: the program ends.
    void programEnding();

public slots:
    // Ctrl+C and Copy on the result: the selected text of the box that has
    // the focus, as a box copies it; with nothing selected, the answer as
    // plain text ("1 1/4"). Without an answer the clipboard keeps what it
    // holds.
    void copyAnswer();

protected:
    struct CommonEntries {
        QAction *exit;
        QAction *contents;
        QAction *about;
        bool aboutModal;
        QAction *copy;
        AnswerLabel *answer;
    };
    void setCommonEntries(const CommonEntries &entries);

    // A command's answer: kept for Copy (offered only while there is an
    // answer) and the readout, and spoken as it appears, as `spoken` where that says more ("2 3/4, nearest
    // sixty-fourth more than 63/64"). An empty answer: there is none.
    void tellAnswer(const QString &answer, const QString &spoken = {});
    // After Clear: no answer, and "Cleared" spoken.
    void tellCleared();

    void closeEvent(QCloseEvent *event) override;

private:
    AnswerLabel *m_answer = nullptr;
    QAction *m_copy = nullptr;
};

} // namespace zarnith
