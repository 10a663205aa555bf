#include "settings/spoken_language.h"

#include "settings/language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace almanor {

namespace {

Language languageOfEnvironment(Language choice) {
    const QByteArray language = qgetenv("LANGUAGE"), all = qgetenv("LC_ALL"),
                     messages = qgetenv("LC_MESSAGES"), lang = qgetenv("LANG");
    return languageToSpeak(choice, {language.toStdString(), all.toStdString(),
                                    messages.toStdString(), lang.toStdString()});
}

QLocale::Language qtLanguageOf(Language language) {
    switch (language) {
    case Language::German:
        return QLocale::German;
    case Language::French:
        return QLocale::French;
    default:
        return QLocale::English;
    }
}

} // namespace

SpokenLanguage::SpokenLanguage(Language choice) {
    const QLocale::Language spoken = qtLanguageOf(languageOfEnvironment(choice));
    if (spoken != QLocale::English) {
        const QString underscore = QStringLiteral("_");
        if (programTexts_.load(QLocale(spoken), QStringLiteral("almanor"), underscore,
                               QStringLiteral(":/i18n"))) {
            QCoreApplication::installTranslator(&programTexts_);
        }
        if (qtTexts_.load(QLocale(spoken), QStringLiteral("qtbase"), underscore,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qtTexts_);
        }
    }
    // The C locale is left alone: its dates and times are the program's own English forms.
    const QLocale::Language shown = localeBefore_.language();
    if (shown != spoken && !(shown == QLocale::C && spoken == QLocale::English)) {
        QLocale::setDefault(QLocale(spoken));
    }
}

SpokenLanguage::~SpokenLanguage() {
    QLocale::setDefault(localeBefore_);
}

} // namespace almanor
