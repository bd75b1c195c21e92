// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Where the window models get the words they show, in the class's language. The models
// include no toolkit, so the program installs a catalogue built on Qt's translator at
// start; until then, and in the tests, every text is its English source and numbers are
// written with a point.
class TextCatalogue {
  public:
    virtual ~TextCatalogue() = default;
    // The source text in the shown language; the source itself where nothing translates it.
    virtual std::string translate(const char* context, const char* source,
                                  const char* disambiguation) const = 0;
    // The decimal separator of the language the texts are shown in: a number carries the
    // separator of the sentence around it.
    virtual char decimalSeparator() const = 0;
};

namespace text {

// The catalogue every later text comes from; nullptr goes back to the English sources. The
// caller keeps it alive while it is in use.
void useCatalogue(const TextCatalogue* catalogue);

// A text a user sees or hears. The context names where it appears (the translator's
// group); the disambiguation tells apart two meanings of one English word ("Plane").
std::string translate(const char* context, const char* source,
                      const char* disambiguation = nullptr);

char decimalSeparator();

// The template with %1, %2, ... replaced by the values in order, so that a translation can
// put the numbers where its grammar needs them. A %N with no value stays as written.
std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace text
