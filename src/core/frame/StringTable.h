#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace Quillwright {

// The program's window texts, ids 1000 to 1071, in a neutral (English) and
// a French version. Windows carry the ids where their texts go; the caption
// loader swaps them for the text of the user's language.
namespace StringTable {

enum class Language { Neutral, French };

std::optional<QString> text(int id, Language language);
std::optional<QString> text(int id); // in the current language

Language languageFor(const QLocale& locale);
Language currentLanguage();
// Tests and the command line can force a language; nullopt follows the locale.
void overrideLanguage(std::optional<Language> language);

// "Whole number": a 16-bit integer, or nothing when the text is not one.
std::optional<int> wholeNumber(const QString& text);
// "Leading number": the decimal number at the start of the text, else 0.
int leadingNumber(const QString& text);

} // namespace StringTable

} // namespace Quillwright
