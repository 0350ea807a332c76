// Each language, window by window (also at scale 2): texts translated, access keys unique, texts whole, commands run.

#include "form1.h"
#include "formkit.h"
#include "frmabout.h"
#include "frmfract.h"
#include "harness.h"
#include "helpwindow.h"
#include "language.h"
#include "linewidget.h"
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

// The calculator, the Decimals window, the About box, the help viewer and a window's own title bar.
std::vector<std::unique_ptr<QWidget>> windows(Module1 &engine)
{
    std::vector<std::unique_ptr<QWidget>> made;
    for (QWidget *window :
         QWidgetList{new Form1(engine), new FrmFract(engine), new FrmAbout, new HelpWindow, new QWidget})
        made.emplace_back(window);
    TitleBar::setWanted(true);
    TitleBar::addTo(made.back().get());
    TitleBar::setWanted(false);
    for (const auto &window : made)
        window->show();
    return made;
}

// Every text a person sees or hears in the window, in a fixed order: caption, reader names, tool tips, menus.
QStringList texts(QWidget *window)
{
    QStringList all = {window->windowTitle()};
    for (QObject *object : window->findChildren<QObject *>()) {
        if (auto *action = qobject_cast<QAction *>(object))
            all << action->text();
        if (auto *widget = qobject_cast<QWidget *>(object)) // a group's name is its title
            all << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) << widget->toolTip();
    }
    return all;
}

const auto accessKey = [](const QString &caption) { return caption.section(u'&', 1).left(1).toLower(); };
// A line per text cut (a wrapping caption keeps half the button margin), per access-key clash (`keys`: not English's
// F).
QStringList faults(QWidget *window, bool keys = true)
{
    QStringList found;
    // Every control carries its name, one a person can reach tells a reader what it is, the lines are
    // passed over by the reader and the pointer, every label with a text or a picture paints it.
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
        auto *label = qobject_cast<QLabel *>(w);
        QImage painted = label ? label->grab().toImage() : QImage(), blank = painted;
        blank.fill(painted.isNull() ? 0 : painted.pixel(0, 0));
        // Qt's own parts left out: the menu bar, a tool bar's buttons, what stands in its "qt_" containers.
        const bool qts = qobject_cast<QMenuBar *>(w) || qobject_cast<QToolBar *>(w->parent())
            || w->parentWidget()->objectName().startsWith("qt_");
        if (w->isVisible() && !qts
            && (w->objectName().isEmpty()
                || (w->focusPolicy() != Qt::NoFocus && face->text(QAccessible::Name).isEmpty())
                || (qobject_cast<LineWidget *>(w)
                    && (!face->state().invisible || w->parentWidget()->childAt(w->geometry().center()) == w))
                || (label && (!label->text().isEmpty() || !label->pixmap().isNull()) && painted == blank)))
            found << "unnamed, read or unpainted: " + QString(w->metaObject()->className()) + u' ' + w->objectName();
        // Controls stand apart inside their window; lines, pictures and a frame without a caption (a rule) lie under
        // them, the answer's frame goes round its answer.
        const auto apart = [](QWidget *x) {
            auto *picture = qobject_cast<QLabel *>(x);
            auto *frame = qobject_cast<QGroupBox *>(x);
            return x->isVisible() && !x->inherits("zarnith::AnswerLabel") && !qobject_cast<LineWidget *>(x)
                && !(picture && !picture->pixmap().isNull()) && !(frame && frame->title().isEmpty());
        };
        for (QWidget *v : window->findChildren<QWidget *>())
            if (w < v && apart(w) && apart(v) && w->parentWidget() == v->parentWidget()
                && w->geometry().intersects(v->geometry()))
                found << "overlap: " + w->objectName() + u' ' + v->objectName();
        if (apart(w) && !w->parentWidget()->rect().contains(w->geometry()))
            found << "outside its window: " + w->objectName();
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        const QString caption = QString(button->text()).remove(u'&');
        QStyleOptionButton option;
        option.initFrom(button);
        const int margin = button->inherits("zarnith::WrappingButton")
            ? button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2
            : 0;
        const QRect room = button->style()
                               ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                               .adjusted(margin, 0, -margin, 0);
        const QRect drawn = button->fontMetrics().boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, caption);
        bool fits = room.contains(QRect(room.topLeft(), drawn.size()));
        for (const QString &word : caption.split(u' '))
            fits = fits && button->fontMetrics().horizontalAdvance(word) <= room.width();
        // The caption or the picture is painted.
        const auto [look, text, icon] = std::tuple(button->grab().toImage(), button->text(), button->icon());
        button->setText(QString()), button->setIcon(QIcon());
        const bool painted = button->grab().toImage() != look;
        button->setText(text), button->setIcon(icon);
        if (!fits || !painted)
            found << "cut: " + button->objectName() + " " + caption;
    }
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->text().isEmpty()
            && (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                  : label->sizeHint().width() > label->width()))
            found << "cut: " + label->objectName() + " " + label->text();
    }
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        // The etched border runs through the caption's middle, and the caption is painted over it.
        const QImage look = frame->grab().toImage().scaled(frame->size()); // a pixel a point
        const int middle = frame->fontMetrics().height() / 2,
                  width = frame->fontMetrics().horizontalAdvance(frame->title());
        const QImage caption = look.copy(8, 0, width, 2 * middle);
        QImage blank = caption;
        blank.fill(look.pixel(2, 1));
        if (!frame->title().isEmpty()
            && (width + 12 > frame->width() || caption == blank || look.pixel(2, middle) == look.pixel(2, 1)
                || look.pixel(2, middle - 2) != look.pixel(2, 1)))
            found << "cut: " + frame->objectName() + " " + frame->title();
    }
    // One row of menus; their keys and the buttons' keys apart (Alt reaches them all), and each menu's entries'.
    auto *main = qobject_cast<QMainWindow *>(window);
    if (!keys || !main || !main->menuWidget())
        return found;
    QStringList shared;
    for (QAction *menu : main->menuBar()->actions()) {
        shared << accessKey(menu->text());
        QStringList entries;
        for (QAction *entry : menu->menu()->actions())
            entries << accessKey(entry->text());
        if (main->menuBar()->actionGeometry(menu).top() != 0 || entries.removeDuplicates())
            found << "menu bar wraps, or keys twice in " + menu->text();
    }
    for (QPushButton *button : window->findChildren<QPushButton *>())
        shared << accessKey(button->text());
    shared.removeAll(QString());
    if (shared.removeDuplicates())
        found << "keys twice in the menu bar and buttons";
    return found;
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
        }
        // The message after 3/4 + 1/0, the spoken result of 3/4 + 1/2, and Decimal to Fraction of 2.75 with
        // the locale's separator, spoken and read again: translated, the numbers kept.
        QLocale::setDefault(QLocale(c[0]));
        QWidget *calculator = translated[0].get(), *decimals = translated[1].get();
        QVERIFY(showActive(calculator));
        for (const auto &[box, typed] : {std::pair{"txtN1", "3"}, {"txtD1", "4"}, {"txtN2", "1"}, {"txtD2", "0"}})
            typeInto(named<QLineEdit>(calculator, box), typed);
        QStringList seen = messagesDuring([&] { click(named<QPushButton>(calculator, "cmdAdd")); });
        typeInto(named<QLineEdit>(calculator, "txtD2"), "2");
        click(named<QPushButton>(calculator, "cmdAdd"));
        QVERIFY(showActive(decimals));
        typeInto(named<QLineEdit>(decimals, "txtDecimal"), QLocale().toString(2.75));
        QTest::keySequence(named<QLineEdit>(decimals, "txtDecimal"), QKeySequence(Qt::CTRL | Qt::Key_F));
        seen << spoken(calculator) << spoken(decimals) << named<QWidget>(decimals, "lblAnswer")->accessibleName();
        const QStringList inEnglish = {"FILL ALL BOXES", "1 1/4", "2 3/4, nearest sixty-fourth more than 63/64",
                                       "Result: 2 3/4, nearest sixty-fourth more than 63/64"};
        QCOMPARE(seen.size(), 4);
        QCOMPARE(seen[1], "1 1/4");
        for (int i : {0, 2, 3})
            QVERIFY2(seen[i] != inEnglish[i] && (i == 0 || (seen[i].contains("2 3/4") && seen[i].contains("63/64"))),
                     qPrintable(seen[i]));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
