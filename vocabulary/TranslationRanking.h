#pragma once
// Puts each headword's translations in the order a reader means them: the main
// sense first. A translation fits by how much of the headword's pairing it carries
// across the list's lines (general lines above subject lines, PairingWeights.h),
// times how common it is in its own language, so that a rare word meaning nothing
// but this ("Kaufoption" for "call") never beats the common general one ("anrufen").
#include "vocabulary/Candidates.h"

#include <string_view>

namespace wb::vocab {

// A reader means a translation as often as its language uses it in this sense: how
// common it is, times the share of its own pairing that goes to the headword ("und"
// is common, but rarely means "then"). That counts against the headword's pairing
// with the exponent kCommonnessWeight: enough that "call" is "anrufen" before
// "Kaufoption", not so much that a common word the list pairs weakly comes first.
constexpr double kCommonnessWeight = 0.7;
// The list records only some of a word's senses, so the headword's share of them
// counts softened: its square root.
constexpr double kSenseShareWeight = 0.5;
// A derived pairing ("von einer Sache abhängen" for "depend") is always used less than
// a word, so how common it is counts only a little.
constexpr double kDerivedCommonnessWeight = 1.0 / 3.0;

// A phrase's commonness is that of its rarest word over a factor per further word
// (Commonness.h): generous, so that a phrase readers look up whole still gets a place.
// As a translation it competes with the single words of the same sense, and a phrase
// of common words is a rare way to say it: "kriegen" is "get" before "come by",
// "umbringen" "kill" before "do in". So each further word divides it once more.
constexpr double kTranslationPhraseFactor = 8.0;
double translationCommonness(std::string_view text, double commonness);

// `share` is the translation's part of the headword's whole pairing (0 to 1),
// `commonness` how common the translation is in its own language, `senseShare` the
// headword's share of the translation's senses, `ownCommonness` how common the headword
// is: the translation is meant no more often than that.
double translationFit(Origin origin, double share, double commonness, double senseShare,
                      double ownCommonness);

// Orders one headword's translations: the direct ones first (see precedence()), then
// by fit, then the one listed first.
void orderTranslations(std::span<Translation> translations);

// Ranks every headword's translations of both languages by the commonness scored so
// far.
void rankTranslations(Candidates& candidates);

} // namespace wb::vocab
