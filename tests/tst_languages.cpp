// Zarnith in each of its languages, window by window (also at a scale factor
// of 2): every text translated, the access keys unique, every text whole;
// and commands run in the language through the real widgets.

#include "form1.h"
#include "formkit.h"
#include "frmabout.h"
#include "frmfract.h"
#include "harness.h"
#include "helpwindow.h"
#include "language.h"
#include "module1.h"
#include "titlebar.h"

#include <QtTest>
#include <QtWidgets>

using namespace zarnith;
using namespace zarnith::test;

namespace {

// language | the texts that are the same word in it
const char *const kLanguages = R"(
    de | Version 8.0; OK; Navigation; plus; minus
    fr | Version 8.0; Zarnith version 8.0; OK; Navigation; plus; Fraction; &Fractions
    es | Decimal; &Decimal; OK
    it | &File; OK
    nl | &Help; OK; plus
    pt_BR | Decimal; &Decimal; OK
)";

// What each window is, as the person meets it: the calculator, the
// Decimals window, the About box, the help viewer, a window's own title bar.
std::vector<std::unique_ptr<QWidget>> windows(Module1 &engine)
{
    std::vector<std::unique_ptr<QWidget>> made;
    made.push_back(std::make_unique<Form1>(engine));
    made.push_back(std::make_unique<FrmFract>(engine));
    made.push_back(std::make_unique<FrmAbout>());
    made.push_back(std::make_unique<HelpWindow>());
    TitleBar::setWanted(true);
    made.push_back(std::make_unique<QWidget>());
    TitleBar::addTo(made.back().get());
    TitleBar::setWanted(false);
    for (const auto &window : made)
        window->show();
    return made;
}

// Every text a person sees or hears in the window, in a fixed order: its
// caption, each control's name as a screen reader says it, tool tips,
// menus and their entries.
QStringList texts(QWidget *window)
{
    QStringList all = {window->windowTitle()};
    for (QObject *object : window->findChildren<QObject *>()) {
        if (auto *action = qobject_cast<QAction *>(object))
            all << action->text();
        if (auto *widget = qobject_cast<QWidget *>(object)) {
            all << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) << widget->toolTip();
            if (auto *frame = qobject_cast<QGroupBox *>(widget))
                all << frame->title();
        }
    }
    return all;
}

// The access key of a caption ("&File": f).
QString accessKey(const QString &caption)
{
    const qsizetype amp = caption.indexOf(u'&');
    return amp < 0 ? QString() : caption.mid(amp + 1, 1).toLower();
}

// What shows a caption cut, or (`keys`) access keys that clash: one line
// each. (In English, File and Functions share F, as designed.)
QStringList faults(QWidget *window, bool keys = true)
{
    QStringList found;
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        const QString caption = QString(button->text()).remove(u'&');
        // Inside the button's frame; a wrapping caption keeps half the
        // style's button margin from it, as it is drawn.
        QStyleOptionButton option;
        option.initFrom(button);
        const bool wraps = button->inherits("zarnith::WrappingButton");
        const int margin = wraps ? button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2 : 0;
        const QRect room = button->style()
                               ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                               .adjusted(margin, 0, -margin, 0);
        const QFontMetrics metrics = button->fontMetrics();
        const QRect drawn = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, caption);
        bool fits = drawn.height() <= room.height() && drawn.width() <= room.width();
        for (const QString &word : caption.split(u' '))
            fits = fits && metrics.horizontalAdvance(word) <= room.width();
        if (!fits)
            found << QString("cut: %1 %2 (%3 of %4 wide)")
                         .arg(button->objectName(), caption)
                         .arg(drawn.width())
                         .arg(room.width());
    }
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->sizeHint().width() <= label->width();
        if (!fits && !label->text().isEmpty())
            found << "cut: " + label->objectName() + " " + label->text();
    }
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        if (frame->fontMetrics().horizontalAdvance(frame->title()) + 12 > frame->width())
            found << "cut: " + frame->objectName() + " " + frame->title();
    }
    // One row of menus, their keys and the window's buttons' keys apart (Alt
    // reaches them all), and within each menu its entries'.
    if (auto *main = qobject_cast<QMainWindow *>(window); keys && main && main->menuWidget()) {
        QStringList keys;
        for (QAction *menu : main->menuBar()->actions()) {
            keys << accessKey(menu->text());
            if (main->menuBar()->actionGeometry(menu).top() != 0)
                found << "menu bar wraps: " + menu->text();
            QStringList entries;
            for (QAction *entry : menu->menu()->actions())
                entries << accessKey(entry->text());
            if (entries.removeDuplicates())
                found << "keys twice in " + menu->text();
        }
        for (QPushButton *button : window->findChildren<QPushButton *>())
            keys << accessKey(button->text());
        keys.removeAll(QString());
        if (keys.removeDuplicates())
            found << "keys twice in the menu bar and buttons";
    }
    return found;
}

// The controls of the window that overlap one another.
QSet<QString> overlaps(QWidget *window)
{
    QSet<QString> pairs;
    const QWidgetList controls = window->findChildren<QWidget *>();
    for (QWidget *a : controls) {
        for (QWidget *b : controls) {
            if (a != b && a->parentWidget() == b->parentWidget() && a->isVisible() && b->isVisible()
                && a->geometry().intersects(b->geometry()))
                pairs << a->objectName() + '/' + b->objectName();
        }
    }
    return pairs;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        useLanguage(QString());
        QLocale::setDefault(QLocale::c());
    }
    // The user's languages, first to last, as Qt reports them | the translation chosen.
    void choice()
    {
        const QStringList available = availableLanguages();
        QCOMPARE(available, QStringList({"de", "es", "fr", "it", "nl", "pt_BR"}));
        const QList<std::pair<QStringList, QString>> cases = {
            {{"de-DE", "de"}, "de"}, {{"fr"}, "fr"},    {{"pt"}, "pt_BR"},    {{"pt-PT", "pt"}, "pt_BR"},
            {{"en-US", "de"}, ""},   {{"C"}, ""},       {{"sv", "nl"}, "nl"}, {{"sv", "fi"}, ""},
            {{"it-IT"}, "it"},       {{"es-419"}, "es"}};
        for (const auto &[wanted, chosen] : cases)
            QVERIFY2(chooseLanguage(wanted, available) == chosen, qPrintable(wanted.join(u',')));
    }
    void windows_data() { addCases(kLanguages); }
    void windows()
    {
        QFETCH(QString, line);
        const QStringList c = columns(line, 2);
        const QStringList same =
            c[1].split(u';', Qt::SkipEmptyParts).replaceInStrings(QRegularExpression("^ +| +$"), "");
        Module1 engine;
        const auto english = ::windows(engine);
        useLanguage(c[0]);
        const auto translated = ::windows(engine);
        for (std::size_t w = 0; w < english.size(); ++w) {
            QWidget *window = translated[w].get();
            const QStringList before = texts(english[w].get()), after = texts(window);
            QCOMPARE(after.size(), before.size());
            for (qsizetype i = 0; i < before.size(); ++i) {
                const bool words = before[i].contains(QRegularExpression("[A-Za-z]{2}"));
                QVERIFY2(!words || after[i] != before[i] || same.contains(before[i]) || before[i] == "Zarnith"
                             || before[i] == kMakerAddress,
                         qPrintable("untranslated: " + before[i]));
            }
            QVERIFY2(faults(english[w].get(), false).isEmpty(), qPrintable(faults(english[w].get(), false).join("; ")));
            QVERIFY2(faults(window).isEmpty(), qPrintable(faults(window).join("; ")));
            QCOMPARE(window->size(), english[w]->size());
            QVERIFY(overlaps(window).subtract(overlaps(english[w].get())).isEmpty());
        }
    }
    // In each language: a message, the spoken result, a decimal with the locale's separator.
    void commands_data() { addCases(kLanguages); }
    void commands()
    {
        QFETCH(QString, line);
        const QString language = columns(line, 2)[0];
        Module1 engine;
        std::vector<QString> english;
        for (const QString &in : {QString(), language}) {
            useLanguage(in);
            QLocale::setDefault(in.isEmpty() ? QLocale::c() : QLocale(in));
            Form1 calculator(engine);
            QVERIFY(showActive(&calculator));
            for (const auto &[box, typed] : {std::pair{"txtN1", "3"}, {"txtD1", "4"}, {"txtN2", "1"}, {"txtD2", "0"}})
                typeInto(named<QLineEdit>(&calculator, box), typed);
            const QStringList message = messagesDuring([&] { click(named<QPushButton>(&calculator, "cmdAdd")); });
            typeInto(named<QLineEdit>(&calculator, "txtD2"), "2");
            click(named<QPushButton>(&calculator, "cmdAdd"));
            const QString added = spoken(&calculator);
            FrmFract decimals(engine);
            QVERIFY(showActive(&decimals));
            typeInto(named<QLineEdit>(&decimals, "txtDecimal"), QLocale().toString(2.75));
            QTest::keySequence(named<QLineEdit>(&decimals, "txtDecimal"), QKeySequence(Qt::CTRL | Qt::Key_F));
            const QString converted =
                spoken(&decimals) + " | " + named<QWidget>(&decimals, "lblAnswer")->accessibleName();
            if (in.isEmpty()) {
                english = {message.value(0), added, converted};
                QCOMPARE(converted,
                         "2 3/4, nearest sixty-fourth more than 63/64 | Result: 2 3/4, nearest sixty-fourth more than "
                         "63/64");
                continue;
            }
            QVERIFY2(message.size() == 1 && message[0] != english[0], qPrintable(message.join(u',')));
            QCOMPARE(added, "1 1/4");
            QVERIFY2(converted.startsWith("2 3/4") && converted.contains("63/64") && converted != english[2],
                     qPrintable(converted));
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
