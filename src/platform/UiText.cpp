// SPDX-License-Identifier: MIT
#include "platform/UiText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

// Ours are looked up here rather than through the application, so that the
// command-line programs speak the user's language before they have made
// one (their usage and its errors come first).
struct Translators {
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qt;
};

Translators& Loaded() {
    static Translators translators;
    return translators;
}

std::unique_ptr<QTranslator> Load(const QLocale& locale, const QString& name,
                                  const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return nullptr;
    return translator;
}

} // namespace

QString UiText::toString() const {
    if (const QTranslator* translator = Loaded().ours.get()) {
        QString text = translator->translate(context_, source_);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source_);
}

void LoadTranslations(const QLocale& locale) {
    Translators& loaded = Loaded();
    if (loaded.qt)
        QCoreApplication::removeTranslator(loaded.qt.get());
    loaded.ours = Load(locale, QStringLiteral("tessary"), QStringLiteral(":/i18n"));
    loaded.qt = nullptr;
    if (!QCoreApplication::instance())
        return;
    loaded.qt =
        Load(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded.qt)
        QCoreApplication::installTranslator(loaded.qt.get());
}
