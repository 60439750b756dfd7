// The window's part of the player's language: which languages the system asks for, the catalogue put in play, and
// the choice kept in the store.
#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "language.h"
#include "main_window.h"

namespace pairfinder {

std::vector<std::string> SystemUiLanguages() {
    // As gettext does, a program run in the C locale speaks its own language, whatever LANGUAGE asks for; Qt would
    // read LANGUAGE all the same. Windows, and Wine's Windows, keep the language elsewhere: there only a C locale
    // the player's shell asks for outright counts, none set being no C locale.
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty()) messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty()) messages = qgetenv("LANG");
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    const bool unset = false;
#else
    const bool unset = messages.isEmpty();
#endif
    if (unset || messages == "C" || messages == "POSIX" || messages.startsWith("C.")) return {};
    std::vector<std::string> tags;
    for (const QString& tag : QLocale::system().uiLanguages()) tags.push_back(tag.toStdString());
    return tags;
}

std::vector<std::string> TForm1::SystemLanguages() const {
    return Asked ? Asked() : std::vector<std::string>();
}

void TForm1::ApplyLanguage(std::string_view code) {
    if (Catalogue) {
        QCoreApplication::removeTranslator(Catalogue);
        delete Catalogue;
        Catalogue = nullptr;
    }
    if (code == Languages[0].Code) {
        SetWordsLookup({});
    } else {
        // Compiled in for every language the game lists; were one missing, its words would stay German.
        Catalogue = new QTranslator(this);
        if (Catalogue->load(QStringLiteral(":/i18n/pairfinder_%1.qm").arg(QtText(code))))
            QCoreApplication::installTranslator(Catalogue);
        SetWordsLookup([](const char* source, const char* disambiguation, int n) {
            return QCoreApplication::translate(WordsContext, source, disambiguation, n).toStdString();
        });
    }
    SpeakIn(code);
    ShowWordsAnew();
}

void TForm1::SpeakIn(std::string_view code) {
    // The system's own locale stays where it speaks the language already (de-AT for German), with its ways of
    // writing dates and numbers.
    const QLocale locale(QtText(code));
    if (QLocale().language() != locale.language()) QLocale::setDefault(locale);
    if (this->locale().language() != locale.language()) setLocale(locale);
}

std::optional<std::string> TForm1::LoadLanguage() {
    return Storage.LoadLanguage ? Storage.LoadLanguage() : std::nullopt;
}

void TForm1::StoreLanguage(std::string_view code) {
    if (Storage.StoreLanguage) Storage.StoreLanguage(code);
}

}  // namespace pairfinder
