// The sentences of the variant search, in one place: what is wrong with its input, why nothing
// was kept, the rule of the columns and how the variants are ranked.
#pragma once

#include "base/NumberText.h"

#include <QString>
#include <cstdint>

struct VariantSearchResult;

namespace variant_texts {

// The site stage has not computed the site.
QString siteNotComputed();
// No arrangement is ticked.
QString noArrangement();
// A list holds no item: list is its name in the window, "длин электродов L".
QString emptyList(const QString& list);
// An item of a list is not a number of its kind, or not above zero.
QString notANumber(const QString& list, const QString& item);
QString notPositive(const QString& list, const QString& item);
// An item of a list of sizes b×b×δ or bп×δп is not of that form.
QString notASize(const QString& list, const QString& item, const QString& form);
// A ratio other than 1, 2 and 3.
QString ratioNotTabulated(const QString& item);
// The count of combinations is above the most a search tries.
QString tooManyCombinations(std::int64_t combinations, std::int64_t most);

// The names of the lists and limits as the sentences name them.
QString anglesList();
QString roundsList();
QString lengthsList();
QString ratiosList();
QString stripsList();
QString maxElectrodesLimit();
QString maxRowLengthLimit();
QString maxContourSideLimit();
QString pricesList();

// The sentence where the search kept nothing: the lowest R found and what to relax. Empty where
// something was kept or the search did not run.
QString nothingKept(const VariantSearchResult& result, const NumberText& numbers);
// "Перебрано сочетаний: 216, подходят: 37; порядок — по массе."
QString counts(const VariantSearchResult& result);
// The rule by which the coefficients are read from the tables.
QString columnRule();

} // namespace variant_texts
