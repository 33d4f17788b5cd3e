#pragma once
// Texts the user reads, in the user's language. Every such text is written in English in the
// code under a context that groups it for the translators (Tr for a text used where it is
// written, VELKA_TEXT for one defined once and used elsewhere); lupdate collects them into the
// catalogues under translations/. The window, and velka-cli given --lang, install the catalogue
// of the chosen language (InstallTranslation); everything else, velka-cli by default and the
// tests, reads the English source texts: the same bytes on every machine.
//
// Qt's translators are process-wide, and so is this hook: the plain C++ libraries translate
// through it without depending on Qt. It is set once at start-up, before any other thread runs.

#include <initializer_list>
#include <string>
#include <string_view>

namespace velka {

// A text marked for translation where it is defined; Tr translates it where it is used.
struct UiText {
    const char* context;
    const char* source;
};
// lupdate reads VELKA_TEXT as QT_TRANSLATE_NOOP and Tr as QCoreApplication::translate.
#define VELKA_TEXT(context, source) (::velka::UiText{context, source})

using TranslateFunction = std::string (*)(const char* context, const char* source);

namespace detail {
inline TranslateFunction installedTranslation = nullptr;
}  // namespace detail

// Null goes back to the English texts.
inline void InstallTranslation(TranslateFunction translate) {
    detail::installedTranslation = translate;
}

inline std::string Tr(const char* context, const char* source) {
    const TranslateFunction translate = detail::installedTranslation;
    return translate != nullptr ? translate(context, source) : std::string(source);
}
inline std::string Tr(UiText text) {
    return Tr(text.context, text.source);
}

// A message in the user's language and in the English it is written in: a box shows the one,
// the audit log keeps the other, which then reads the same on every workstation.
struct SaidText {
    std::string shown;
    std::string english;
};

// `text` with each "%1" … "%9" replaced by that argument, so that a translation may put them in
// another order; a number without its argument stays as it is.
inline std::string WithArguments(std::string_view text,
                                 std::initializer_list<std::string_view> arguments) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && number < arguments.size()) {
            filled += *(arguments.begin() + number);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

inline SaidText Said(UiText text, std::initializer_list<std::string_view> arguments) {
    return {WithArguments(Tr(text), arguments), WithArguments(text.source, arguments)};
}

}  // namespace velka
