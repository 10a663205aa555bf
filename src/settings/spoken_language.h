#pragma once

#include "settings/preferences.h"

#include <QLocale>
#include <QTranslator>

namespace almanor {

// The program's texts and Qt's own (its dialogs' buttons) in the language to speak, installed
// into the application for as long as this object lives. Windows look their texts up when
// they are made, so it comes before the first of them. Dates and the clock follow the same
// language: a German text beside English month names would make a mixed window.
class SpokenLanguage final {
public:
    // System takes the language from the locale variables of the environment.
    explicit SpokenLanguage(Language choice);
    ~SpokenLanguage();
    Q_DISABLE_COPY_MOVE(SpokenLanguage)

private:
    QTranslator programTexts_;
    QTranslator qtTexts_;
    QLocale localeBefore_;
};

} // namespace almanor
