#include "languages.h"

#include <array>

namespace wordlist {

namespace {

using F = Language::Format;

constexpr Language lang(std::string_view code, std::string_view name, std::string_view englishName,
                        std::string_view package, std::string_view listFile, F format, std::string_view ownLetters,
                        std::string_view blockList, bool keepsCapitalised = false,
                        std::string_view legacyCharset = "ISO-8859-1", std::string_view thin = "")
{
    return Language{code, name, englishName, package, listFile, format, ownLetters, keepsCapitalised, legacyCharset,
                    blockList, thin};
}

// The README's table of languages says the same; keep them together.
constexpr std::array kLanguages{
    Language{"en", "English", "English", "", "", F::Lines, "", false, "", "blocklist.txt", ""},
    // naughty-words has no Catalan list.
    lang("ca", "Català", "Catalan", "wcatalan", "/usr/share/dict/catalan", F::Lines, "Ç", ""),
    lang("da", "Dansk", "Danish", "wdanish", "/usr/share/dict/danish", F::Lines, "ÆØÅ", "blocklist-da.txt"),
    lang("de", "Deutsch", "German", "wngerman", "/usr/share/dict/ngerman", F::Lines, "ÄÖÜ", "blocklist-de.txt",
         true),
    // wspanish holds base forms only (no plurals, no verb forms): the
    // Hunspell dictionary, every form expanded, is read instead.
    lang("es", "Español", "Spanish", "hunspell-es", "/usr/share/hunspell/es_ES.dic", F::Hunspell, "Ñ",
         "blocklist-es.txt"),
    lang("fr", "Français", "French", "wfrench", "/usr/share/dict/french", F::Lines, "", "blocklist-fr.txt"),
    lang("it", "Italiano", "Italian", "witalian", "/usr/share/dict/italian", F::Lines, "", "blocklist-it.txt", false,
         "ISO-8859-1", "The smallest list, about 106,000 words: rarer verb forms are missing."),
    lang("nl", "Nederlands", "Dutch", "wdutch", "/usr/share/dict/dutch", F::Lines, "", "blocklist-nl.txt"),
    lang("nb", "Norsk bokmål", "Norwegian Bokmål", "wnorwegian", "/usr/share/dict/bokmaal", F::Lines, "ÆØÅ",
         "blocklist-no.txt"),
    lang("nn", "Norsk nynorsk", "Norwegian Nynorsk", "wnorwegian", "/usr/share/dict/nynorsk", F::Lines, "ÆØÅ",
         "blocklist-no.txt"),
    lang("pl", "Polski", "Polish", "wpolish", "/usr/share/dict/polish", F::Lines, "ĄĆĘŁŃÓŚŹŻ", "blocklist-pl.txt",
         false, "ISO-8859-2"),
    lang("pt", "Português", "Portuguese", "wportuguese", "/usr/share/dict/portuguese", F::Lines, "",
         "blocklist-pt.txt"),
    lang("pt-BR", "Português do Brasil", "Brazilian Portuguese", "wbrazilian", "/usr/share/dict/brazilian",
         F::Lines, "", "blocklist-pt.txt"),
    lang("sv", "Svenska", "Swedish", "wswedish", "/usr/share/dict/swedish", F::Lines, "ÅÄÖ", "blocklist-sv.txt",
         false, "ISO-8859-1", "About 113,000 words: compounds beyond the common ones are missing."),
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
