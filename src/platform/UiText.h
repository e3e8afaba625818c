// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

#include <utility>

// A text the user reads, held as its English source and its translation
// context and put into the user's language each time it is used. Never
// translated when it is made: constants are made before main() installs the
// translators.
class UiText {
public:
    constexpr UiText(const char* context, const char* source)
        : context_(context)
        , source_(source) {}

    QString toString() const;
    operator QString() const { return toString(); }

    template <typename... Args> QString arg(Args&&... args) const {
        return toString().arg(std::forward<Args>(args)...);
    }

    // The English text, for what must read the same in every language.
    QString english() const { return QString::fromUtf8(source_); }

private:
    const char* context_;
    const char* source_;
};

// Marks an English text for translation; lupdate reads TrText as
// QT_TRANSLATE_NOOP (the build passes it -tr-function-alias).
constexpr UiText TrText(const char* context, const char* source) {
    return {context, source};
}

// Loads the translations of the programs' texts for the languages of
// locale, in the order the user asked for them (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), and Qt's own (its standard buttons) into the
// application when there is one yet. English stays where no translation
// is found. Call it before any thread starts; again once an application
// object exists, for Qt's texts.
void LoadTranslations(const QLocale& locale = QLocale::system());

inline QString operator+(const UiText& a, const QString& b) {
    return a.toString() + b;
}
inline QString operator+(const QString& a, const UiText& b) {
    return a + b.toString();
}
