// Languages registered without a translation: their table holds one empty
// pair, so every lookup of a real key finds nothing.
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kEmptyTable[] = {
    {L"", L""},
};
constexpr int32_t kEmptyTableCount = static_cast<int32_t>(std::size(kEmptyTable));

}  // namespace

const Language kLanguageIndonesian = {kEmptyTable, kEmptyTableCount, 148, L"Bahasa (Indonesia)", "in"};
const Language kLanguageMalay = {kEmptyTable, kEmptyTableCount, 152, L"Bahasa (Melayu)", "ms"};
const Language kLanguageItalian = {kEmptyTable, kEmptyTableCount, 149, L"Italiano", "it"};
const Language kLanguagePolish = {kEmptyTable, kEmptyTableCount, 153, L"Polski", "pl"};
const Language kLanguageGerman = {kEmptyTable, kEmptyTableCount, 143, L"Deutsch", "de"};
