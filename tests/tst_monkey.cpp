// A monkey at the keyboard and mouse: with fixed seeds, thousands of random
// keystrokes, pastes, clicks and menu entries across both windows and the
// About box. Nothing may crash or hang, no message box may stay open, and
// after every command what the windows show keeps its invariants.

#include "application.h"
#include "form1.h"
#include "frmabout.h"
#include "frmfract.h"
#include "guitest.h"
#include "help.h"
#include "sixtyfourths.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <memory>
#include <numeric>
#include <random>

using namespace zarnith;
using namespace zarnith::test;

namespace {

class NoViewer : public HelpViewer {
public:
    void open(const QString &) override {}
};

const QString kAlphabet = QStringLiteral("0123456789--..,eE a/");

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void monkey_data();
    void monkey();

private:
    void act(std::mt19937 &random);
    QString invariantsBroken() const;
    QMainWindow *randomWindow(std::mt19937 &random);

    std::unique_ptr<Application> m_app;
    QSet<QString> m_approxTexts;
};

void TestMonkey::initTestCase()
{
    quietPlatformWarnings();
    m_approxTexts = {QString()};
    for (int k = 0; k <= 64; ++k)
        m_approxTexts << nearestSixtyFourth(k == 64 ? 2.0 : k / 64.0);
    QCOMPARE(m_approxTexts.size(), 66);
}

QMainWindow *TestMonkey::randomWindow(std::mt19937 &random)
{
    if (m_app->decimals() && random() % 2)
        return m_app->decimals();
    return &m_app->calculator();
}

void TestMonkey::act(std::mt19937 &random)
{
    QMainWindow *window = randomWindow(random);
    window->activateWindow();
    const QList<QLineEdit *> boxes = window->findChildren<QLineEdit *>();
    QLineEdit *box = boxes[int(random() % boxes.size())];
    auto randomText = [&random](int longest) {
        QString text;
        const int length = 1 + int(random() % longest);
        for (int i = 0; i < length; ++i)
            text += kAlphabet[int(random() % kAlphabet.size())];
        return text;
    };
    switch (random() % 7) {
    case 0:
        typeInto(box, randomText(5));
        break;
    case 1:
        QApplication::clipboard()->setText(randomText(12));
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keySequence(box, QKeySequence::Paste);
        break;
    case 2: {
        const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
        QPushButton *button = buttons[int(random() % buttons.size())];
        QTest::mouseMove(button, button->rect().center());
        QTest::mouseClick(button, Qt::LeftButton);
        break;
    }
    case 3: {
        QList<QAction *> entries;
        for (QAction *a : window->findChildren<QAction *>()) {
            if (!a->objectName().isEmpty() && a->objectName() != QLatin1String("mnuExit") && !a->menu())
                entries << a;
        }
        entries[int(random() % entries.size())]->trigger();
        break;
    }
    case 4: {
        const QKeyCombination keys[] = {
            Qt::Key_Escape, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_F1,
            Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_S, Qt::CTRL | Qt::Key_M, Qt::CTRL | Qt::Key_D,
            Qt::CTRL | Qt::Key_F, Qt::CTRL | Qt::Key_R, Qt::CTRL | Qt::Key_H, Qt::CTRL | Qt::Key_F2,
            Qt::ALT | Qt::Key_C, Qt::ALT | Qt::Key_D};
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keySequence(box, QKeySequence(keys[random() % std::size(keys)]));
        break;
    }
    case 5:
        if (auto *label = window->findChild<QLabel *>("Label1"))
            QTest::mouseClick(label, Qt::LeftButton);
        break;
    default:
        if (FrmAbout *about = m_app->about().box())
            QTest::keyClick(about, Qt::Key_Escape);
        break;
    }
}

QString TestMonkey::invariantsBroken() const
{
    if (QApplication::activeModalWidget())
        return QStringLiteral("a modal window stayed open");
    if (!m_app->calculator().isVisible())
        return QStringLiteral("the calculator closed");
    const QString n3 = m_app->calculator().findChild<QLabel *>("txtN3")->text();
    const QString d3 = m_app->calculator().findChild<QLabel *>("txtD3")->text();
    if (!(n3.isEmpty() && d3.isEmpty())) {
        bool ok[2];
        const qlonglong n = n3.toLongLong(&ok[0]);
        const qlonglong d = d3.toLongLong(&ok[1]);
        if (!ok[0] || !ok[1])
            return QStringLiteral("result %1/%2 not numeric").arg(n3, d3);
        if (d == 0 ? n != 0 : (d < 2 || std::gcd(n, d) != 1 || n >= d))
            return QStringLiteral("result %1/%2 not in lowest terms").arg(n3, d3);
    }
    if (FrmFract *decimals = m_app->decimals()) {
        const QString approx = decimals->findChild<QLabel *>("Label2")->text();
        if (!m_approxTexts.contains(approx))
            return QStringLiteral("nearest sixty-fourth %1").arg(approx);
    }
    return {};
}

void TestMonkey::monkey_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {11u, 22u, 33u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestMonkey::monkey()
{
    QFETCH(unsigned, seed);
    m_app = std::make_unique<Application>(std::make_unique<NoViewer>());
    QVERIFY(QTest::qWaitForWindowExposed(&m_app->calculator()));

    // Whatever modal window a command opens is answered: OK for a message,
    // Esc for the About box.
    int answered = 0;
    QTimer answer;
    answer.setInterval(1);
    connect(&answer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        ++answered;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            box->button(QMessageBox::Ok)->click();
        else
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    answer.start();

    std::mt19937 random(seed);
    for (int step = 0; step < 2500; ++step) {
        act(random);
        const QString broken = invariantsBroken();
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("step %1: %2").arg(step).arg(broken)));
    }
    answer.stop();
    QVERIFY(answered > 0);
    QVERIFY(m_app->decimals());
    m_app.reset();
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
