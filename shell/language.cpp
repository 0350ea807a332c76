#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zarnith {

namespace {

const QString kTranslations = QStringLiteral(":/translations");
const char *const kInstalled = "zarnithTranslator";

} // namespace

QStringList availableLanguages()
{
    QStringList languages;
    for (const QString &file : QDir(kTranslations).entryList({QStringLiteral("zarnith_*.qm")}, QDir::Files))
        languages << file.chopped(3).mid(8);
    return languages;
}

QString chooseLanguage(const QStringList &uiLanguages, const QStringList &available)
{
    for (QString wanted : uiLanguages) {
        wanted.replace(u'-', u'_');
        const QString language = wanted.section(u'_', 0, 0);
        if (language == u"en" || language == u"C" || language == u"POSIX")
            return {};
        // "de_DE" is served by "de_DE", then by "de"; "pt" by "pt_BR".
        for (const QString &name : {wanted, language}) {
            if (available.contains(name))
                return name;
        }
        for (const QString &name : available) {
            if (name.startsWith(language + u'_'))
                return name;
        }
    }
    return {};
}

void useLanguage(const QString &language)
{
    for (QTranslator *old : qApp->findChildren<QTranslator *>(QLatin1String(kInstalled))) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (language.isEmpty())
        return;
    const std::pair<QString, QString> files[] = {
        {QStringLiteral("zarnith_") + language, kTranslations},
        {QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
    };
    for (const auto &[name, folder] : files) {
        auto *translator = new QTranslator(qApp);
        translator->setObjectName(QLatin1String(kInstalled));
        if (translator->load(name, folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

void useUsersLanguage()
{
    useLanguage(chooseLanguage(QLocale::system().uiLanguages(), availableLanguages()));
}

} // namespace zarnith
