// English text into sentences and words: the sentence splitter with its carried remainder, the
// tokeniser, and the removal of words that carry no text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/sakinys.h"

namespace kervosta {

// Appends every complete sentence of the text to `sakiniai` and returns in `likutis` the
// unfinished tail, which the caller puts in front of the next piece of text. A sentence ends at
// "!", "." or "?" (with the closing quotation marks and brackets right after it) followed by the
// end of the text, by a space that ends the text, or by a space and then a capital or another
// space; at a colon that ends the text; and at a carriage return, which stays in the sentence.
// The point of a title ("Mr.") ends nothing. The space after a sentence starts the next one.
void SkaidytiSakinius(std::string_view tekstas, std::vector<std::string>& sakiniai,
                      std::string& likutis);

// The same splitter for text that arrives in pieces (the lines of a document): each piece is
// split as if the remainder so far were put directly in front of it, without reading that
// remainder again, so a long run of lines without a sentence ender is not read over and over.
class SakiniuSkaidytojas {
 public:
  void Skaidyti(std::string_view tekstas, std::vector<std::string>& sakiniai);
  // The next line of a document: the line break before it separates words as a space does, so
  // the last word of one line and the first of the next never become one word.
  void SkaidytiEilute(std::string_view eilute, std::vector<std::string>& sakiniai);
  const std::string& Likutis() const { return buferis_; }

 private:
  void Uzbaigti(char c, std::vector<std::string>& sakiniai);
  void Atverti(std::string_view simboliai);

  std::string buferis_;
  bool atviras_ = false;  // characters appended while no sentence is open are dropped on opening
};

// Appends the whole text, unchanged, as one sentence: how a remainder left when the input ends
// is translated.
void VisasLikutisSakiniu(std::string_view tekstas, std::vector<std::string>& sakiniai);

// Replaces the sentence's words with the tokens of the string, one word per run of word
// characters (lower-cased, `Tikrinis` set when it starts with a capital A..Z) and one separator
// word per punctuation mark or carriage return; spaces, tabs and line feeds only separate, and a
// point, comma or colon between two digits stays in its number. Sets `ZodziuSk` to the word count.
void SkaidytiZodzius(std::string_view sakinys, TSakinys& saltinis);

// Deletes the source words whose English text is empty or a single space.
void ValytiSaltini(TSakinys& saltinis);

// Deletes the target words whose Lithuanian text is empty or a single space.
void ValytiVerti(TSakinys& vertimas);

}  // namespace kervosta
