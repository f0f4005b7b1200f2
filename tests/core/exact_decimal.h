// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact reference arithmetic for the field-number tests, written independently of the
// code under test: decimal digit strings and base-10^9 multiplication, nothing else.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace exact {

// A non-negative value digits * 10^exponent, kept without leading or trailing zeros;
// zero has no digits.
struct Decimal {
  std::string digits;
  std::int64_t exponent = 0;

  bool IsZero() const { return digits.empty(); }
  // The value lies in [10^(Magnitude()-1), 10^Magnitude()).
  std::int64_t Magnitude() const { return static_cast<std::int64_t>(digits.size()) + exponent; }
};

inline Decimal Normalized(std::string digits, std::int64_t exponent) {
  const auto first = digits.find_first_not_of('0');
  if (first == std::string::npos) {
    return {};
  }
  digits.erase(0, first);
  const auto last = digits.find_last_not_of('0');
  exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
  digits.erase(last + 1);
  return {digits, exponent};
}

inline int Compare(const Decimal& a, const Decimal& b) {
  if (a.IsZero() || b.IsZero()) {
    return a.IsZero() == b.IsZero() ? 0 : (a.IsZero() ? -1 : 1);
  }
  if (a.Magnitude() != b.Magnitude()) {
    return a.Magnitude() < b.Magnitude() ? -1 : 1;
  }
  const std::size_t length = std::max(a.digits.size(), b.digits.size());
  for (std::size_t i = 0; i < length; ++i) {
    const char x = i < a.digits.size() ? a.digits[i] : '0';
    const char y = i < b.digits.size() ? b.digits[i] : '0';
    if (x != y) {
      return x < y ? -1 : 1;
    }
  }
  return 0;
}

// mantissa * 2^exp2, exactly: for a negative exp2 it is mantissa * 5^-exp2 * 10^exp2.
inline Decimal FromBinary(std::uint64_t mantissa, int exp2) {
  std::vector<std::uint32_t> limbs;  // base 10^9, least significant first
  for (std::uint64_t rest = mantissa; rest != 0; rest /= 1000000000) {
    limbs.push_back(static_cast<std::uint32_t>(rest % 1000000000));
  }
  const auto multiply = [&limbs](std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product % 1000000000);
      carry = product / 1000000000;
    }
    if (carry != 0) {
      limbs.push_back(static_cast<std::uint32_t>(carry));
    }
  };
  const std::uint32_t base = exp2 >= 0 ? 2 : 5;
  for (int left = std::abs(exp2); left > 0; left -= 8) {
    const int step = std::min(left, 8);
    std::uint32_t factor = 1;
    for (int i = 0; i < step; ++i) {
      factor *= base;
    }
    multiply(factor);
  }
  std::string digits;
  for (auto it = limbs.rbegin(); it != limbs.rend(); ++it) {
    std::string group = std::to_string(*it);
    if (it != limbs.rbegin()) {
      group.insert(0, 9 - group.size(), '0');
    }
    digits += group;
  }
  return Normalized(digits, exp2 >= 0 ? 0 : exp2);
}

struct Binary {
  std::uint64_t mantissa;
  int exp2;
};

inline Binary Decompose(double magnitude) {
  const auto bits = std::bit_cast<std::uint64_t>(std::fabs(magnitude));
  const int biased = static_cast<int>(bits >> 52);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased == 0) {
    return {fraction, -1074};
  }
  return {fraction | (std::uint64_t{1} << 52), biased - 1075};
}

inline Decimal FromDouble(double value) {
  const Binary b = Decompose(value);
  return FromBinary(b.mantissa, b.exp2);
}

// Adds one to the last digit of a digit string; all nines grow a digit.
inline std::string Increment(std::string digits) {
  int i = static_cast<int>(digits.size()) - 1;
  for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) {
    digits[static_cast<std::size_t>(i)] = '0';
  }
  if (i < 0) {
    digits.insert(digits.begin(), '1');
  } else {
    ++digits[static_cast<std::size_t>(i)];
  }
  return digits;
}

struct SignedDecimal {
  bool negative = false;
  Decimal value;
};

// What a field's text means under the program's reading rules, from a regular grammar
// rather than a scanner.
inline SignedDecimal ReadField(const std::string& text) {
  static const std::regex kNumber(
      "^[\\t\\n\\v\\f\\r ]*([+-]?)([0-9]+\\.?[0-9]*|\\.[0-9]+)(([eEdD])([+-]?)([0-9]+))?");
  std::smatch match;
  if (!std::regex_search(text, match, kNumber)) {
    return {};
  }
  SignedDecimal result;
  result.negative = match[1] == "-";
  const std::string mantissa = match[2];
  const auto point = mantissa.find('.');
  std::string digits = mantissa;
  std::int64_t exponent = 0;
  if (point != std::string::npos) {
    digits.erase(point, 1);
    exponent = -static_cast<std::int64_t>(mantissa.size() - point - 1);
  }
  if (match[3].matched) {
    std::string exponentDigits = match[6];
    exponentDigits.erase(0, std::min(exponentDigits.find_first_not_of('0'), exponentDigits.size()));
    std::int64_t value = exponentDigits.size() > 4 ? 5201 : std::stoll("0" + exponentDigits);
    value = std::min<std::int64_t>(value, 5201);
    exponent += match[5] == "-" ? -value : value;
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.size() > 24) {
    const bool up = digits[24] >= '5';
    exponent += static_cast<std::int64_t>(digits.size() - 24);
    digits.resize(24);
    if (up) {
      digits = Increment(digits);
    }
  }
  result.value = Normalized(digits, exponent);
  return result;
}

// The program's writing rules on exact digits: 17 significant digits half up, then the
// shown decimals half up, then fixed notation.
inline std::string WriteField(double value, int decimals) {
  Decimal d = FromDouble(value);
  std::string digits = d.digits;
  std::int64_t exponent = d.exponent;
  const auto roundAway = [&](std::size_t keep) {
    // keep < digits.size(): drop the rest, half up.
    const bool up = digits[keep] >= '5';
    exponent += static_cast<std::int64_t>(digits.size() - keep);
    digits.resize(keep);
    if (up) {
      digits = Increment(digits.empty() ? "0" : digits);
    }
  };
  if (digits.size() > 17) {
    roundAway(17);
  }
  if (!digits.empty() && exponent < -decimals) {
    const std::int64_t drop = -decimals - exponent;
    if (drop > static_cast<std::int64_t>(digits.size())) {
      digits.clear();
    } else {
      roundAway(digits.size() - static_cast<std::size_t>(drop));
    }
  }
  std::string scaled =
      digits.empty() ? "0"
                     : digits + std::string(static_cast<std::size_t>(exponent + decimals), '0');
  if (scaled.size() < static_cast<std::size_t>(decimals) + 1) {
    scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
  }
  const std::size_t integerDigits = scaled.size() - static_cast<std::size_t>(decimals);
  const std::string sign = std::signbit(value) && value != 0 ? "-" : "";
  return sign + scaled.substr(0, integerDigits) + "." + scaled.substr(integerDigits);
}

}  // namespace exact
