#pragma once
// The small pieces every sentence of the checker is made of.

#include <string>

namespace check {

// The Chinese or the English sentence, after the program's language.
std::string says(const std::string& chinese, const std::string& english);
// "12.50": kilograms and shares.
std::string twoDecimals(double value);
// Whole millimetres, cartons and layers are whole numbers in every amount.
std::string whole(double value);

}  // namespace check
