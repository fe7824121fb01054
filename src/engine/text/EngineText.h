#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The texts the engine hands up for the user to read (its messages, reasons and marks) are English
// templates with %1 ... %9 where a name or a number goes. The engine knows no language: the program hands
// it one function that translates a template, and the engine fills in the arguments afterwards, so that a
// translation may put them in another order.
//
// ENGINE_TEXT marks a template for the translators' tools (lupdate reads it as QT_TRANSLATE_NOOP, with
// the context as the group the translator sees it in) and yields its translation.
#define ENGINE_TEXT(context, source) ::engine::TranslatedText(context, source)
// Marks a template kept as a constant; TranslatedText with the same context translates it where it is used.
#define ENGINE_TEXT_NOOP(context, source) source

namespace engine {

// Takes a context and an English template (UTF-8) and returns its translation, or the template itself.
// It may be called from any thread.
using TextTranslation = std::string (*)(const char* context, const char* source);

// Hands the engine its translation; nullptr gives English. The program does this once, before it makes
// any text and before it starts any worker thread.
void SetTextTranslation(TextTranslation translation);

// The template translated by the function handed in, or the template itself when there is none.
std::string TranslatedText(const char* context, const char* source);

// The template with %1 ... %9 replaced by the arguments in one pass, so that a "%1" inside a file name
// stays as it is. A "%" followed by anything but the number of an argument stays as it is too.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace engine
