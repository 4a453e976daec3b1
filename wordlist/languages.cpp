#include "languages.h"

#include <array>

namespace wordlist {

namespace {

using F = Language::Format;

constexpr Language lang(std::string_view code, std::string_view name, std::string_view englishName,
                        std::string_view package, std::string_view listFile, F format, std::string_view ownLetters,
                        bool keepsCapitalised = false, std::string_view legacyCharset = "ISO-8859-1",
                        std::string_view thin = "")
{
    return Language{code, name, englishName, package, listFile, format, ownLetters, keepsCapitalised, legacyCharset,
                    thin};
}

// The README's table of languages says the same; keep them together.
constexpr std::array kLanguages{
    lang("en", "English", "English", "", "", F::Lines, "", false, "", ""),
    lang("ca", "Català", "Catalan", "wcatalan", "/usr/share/dict/catalan", F::Lines, "Ç"),
    lang("da", "Dansk", "Danish", "wdanish", "/usr/share/dict/danish", F::Lines, "ÆØÅ"),
    lang("de", "Deutsch", "German", "wngerman", "/usr/share/dict/ngerman", F::Lines, "ÄÖÜ", true),
    // wspanish holds base forms only (no plurals, no verb forms): the
    // Hunspell dictionary, every form expanded, is read instead.
    lang("es", "Español", "Spanish", "hunspell-es", "/usr/share/hunspell/es_ES.dic", F::Hunspell, "Ñ"),
    lang("fr", "Français", "French", "wfrench", "/usr/share/dict/french", F::Lines, ""),
    lang("it", "Italiano", "Italian", "witalian", "/usr/share/dict/italian", F::Lines, ""),
    lang("nl", "Nederlands", "Dutch", "wdutch", "/usr/share/dict/dutch", F::Lines, ""),
    lang("nb", "Norsk bokmål", "Norwegian Bokmål", "wnorwegian", "/usr/share/dict/bokmaal", F::Lines, "ÆØÅ"),
    lang("nn", "Norsk nynorsk", "Norwegian Nynorsk", "wnorwegian", "/usr/share/dict/nynorsk", F::Lines, "ÆØÅ"),
    lang("pl", "Polski", "Polish", "wpolish", "/usr/share/dict/polish", F::Lines, "ĄĆĘŁŃÓŚŹŻ", false,
         "ISO-8859-2"),
    lang("pt", "Português", "Portuguese", "wportuguese", "/usr/share/dict/portuguese", F::Lines, ""),
    lang("pt-BR", "Português do Brasil", "Brazilian Portuguese", "wbrazilian", "/usr/share/dict/brazilian",
         F::Lines, ""),
    lang("sv", "Svenska", "Swedish", "wswedish", "/usr/share/dict/swedish", F::Lines, "ÅÄÖ"),
};

} // namespace

std::span<const Language> languages()
{
    return kLanguages;
}

const Language* findLanguage(std::string_view code)
{
    for (const Language& l : kLanguages)
        if (l.code == code)
            return &l;
    return nullptr;
}

const Language& englishLanguage()
{
    return kLanguages.front();
}

} // namespace wordlist
