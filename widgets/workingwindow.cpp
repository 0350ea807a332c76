#include "workingwindow.h"

#include "answerlabel.h"
#include "formkit.h"
#include "screenreader.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLineEdit>

namespace zarnith {

WorkingWindow::WorkingWindow(QWidget *parent) : QMainWindow(parent)
{
}

void WorkingWindow::setCommonEntries(const CommonEntries &entries)
{
    m_answer = entries.answer;
    m_copy = entries.copy;
    m_copy->setEnabled(false);
    new WindowShortcutsFirst(this);
    connect(entries.exit, &QAction::triggered, this, &WorkingWindow::programEnding);
    connect(entries.contents, &QAction::triggered, this, &WorkingWindow::helpRequested);
    connect(entries.about, &QAction::triggered, this,
            [this, modal = entries.aboutModal] { emit aboutRequested(modal); });
    connect(entries.copy, &QAction::triggered, this, &WorkingWindow::copyAnswer);
}

void WorkingWindow::copyAnswer()
{
    if (auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget()); box && box->hasSelectedText())
        box->copy();
    else if (m_answer && !m_answer->answer().isEmpty())
        QApplication::clipboard()->setText(m_answer->answer());
}

void WorkingWindow::tellAnswer(const QString &answer, const QString &spoken)
{
    m_answer->setAnswer(answer, spoken);
    m_copy->setEnabled(!answer.isEmpty());
    announce(this, spoken.isEmpty() ? answer : spoken);
}

void WorkingWindow::tellCleared()
{
    m_answer->setAnswer(QString());
    m_copy->setEnabled(false);
    announce(this, tr("Cleared"));
}

void WorkingWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit programEnding();
}

} // namespace zarnith
