// The math built-ins: Abs, Int, Fix, Round, Sgn, Sqr, Exp, Log, Sin, Cos,
// Tan, Atn, Rnd (with VBScript's own generator, so seeded sequences repeat
// the numbers scripts got on Windows) and RGB, plus the Randomize statement.
//
// Abs, Int, Fix and Round keep the type of their argument as the automation
// runtime did: Integer stays Integer (Abs widens to Long only for -32768),
// Currency stays Currency, a Date stays a Date, text becomes a Double,
// Boolean and Empty become Integer, Null stays Null.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/automation/com_error.h"
#include "platform/automation/oledate.h"
#include "platform/vbscript/builtin.h"

namespace corvela::vbs {

namespace {

constexpr int64_t kCurrencyScale = 10000;

// Half to even regardless of the floating-point rounding mode.
double roundHalfEven(double value) {
  double floor = std::floor(value);
  double diff = value - floor;
  if (diff > 0.5) return floor + 1.0;
  if (diff < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

// Rounds a Currency to whole multiples of `step` (a power of ten, in units of
// 1/10,000), half to even.
int64_t roundCurrencyTo(int64_t scaled, int64_t step) {
  int64_t whole = scaled / step;
  int64_t rest = scaled % step;  // same sign as scaled
  int64_t twice = 2 * (rest < 0 ? -rest : rest);
  if (twice > step || (twice == step && whole % 2 != 0)) whole += rest < 0 ? -1 : 1;
  return whole * step;
}

int64_t floorCurrency(int64_t scaled) {
  int64_t whole = scaled / kCurrencyScale;
  if (scaled % kCurrencyScale < 0) --whole;
  return whole * kCurrencyScale;
}

// One operation for each kind of number that Abs, Int, Fix and Round apply.
struct NumericOp {
  Variant (*onInteger)(int16_t);
  Variant (*onLong)(int32_t);
  double (*onDouble)(double);
  int64_t (*onCurrency)(int64_t);
  bool dateStaysDate;
};

Variant applyNumericOp(const Variant& v, const NumericOp& op) {
  switch (v.type()) {
    case VarType::Null: return v;
    case VarType::Empty: return op.onInteger(0);
    case VarType::Boolean: return op.onInteger(v.rawBool() ? -1 : 0);
    case VarType::Byte: return v;  // non-negative and whole already
    case VarType::Integer: return op.onInteger(v.rawInteger());
    case VarType::Long: return op.onLong(v.rawLong());
    case VarType::Single: return Variant::fromSingle(static_cast<float>(op.onDouble(v.rawSingle())));
    case VarType::Currency: return Variant::fromCurrency(op.onCurrency(v.rawCurrency()));
    case VarType::Date:
      if (op.dateStaysDate) return Variant::fromDate(op.onDouble(v.rawDate()));
      return Variant(op.onDouble(v.rawDate()));
    default: return Variant(op.onDouble(v.toDouble()));
  }
}

Variant keepInteger(int16_t value) { return Variant::fromInteger(value); }
Variant keepLong(int32_t value) { return Variant(value); }

const NumericOp kIntOp{keepInteger, keepLong, [](double x) { return std::floor(x); },
                       floorCurrency, true};
const NumericOp kFixOp{keepInteger, keepLong, [](double x) { return std::trunc(x); },
                       [](int64_t c) { return c / kCurrencyScale * kCurrencyScale; }, true};
const NumericOp kAbsOp{
    [](int16_t i) { return i == INT16_MIN ? Variant(32768) : Variant::fromInteger(static_cast<int16_t>(i < 0 ? -i : i)); },
    [](int32_t l) { return l == INT32_MIN ? Variant(2147483648.0) : Variant(l < 0 ? -l : l); },
    [](double x) { return std::fabs(x); },
    [](int64_t c) {
      if (c == INT64_MIN) raiseRuntimeError(6);
      return c < 0 ? -c : c;
    },
    false};

Variant absFn(BuiltinCall& call) { return applyNumericOp(call.value(0), kAbsOp); }
Variant intFn(BuiltinCall& call) { return applyNumericOp(call.value(0), kIntOp); }
Variant fixFn(BuiltinCall& call) { return applyNumericOp(call.value(0), kFixOp); }

double roundToDecimals(double x, int32_t decimals) {
  if (decimals == 0) return roundHalfEven(x);
  // Past 2^52 a double has no fraction left to round; a large scale would
  // only overflow.
  if (!std::isfinite(x) || std::fabs(x) >= 4503599627370496.0 || decimals > 22) return x;
  double scale = std::pow(10.0, decimals);
  double scaled = x * scale;
  if (!std::isfinite(scaled)) return x;
  return roundHalfEven(scaled) / scale;
}

Variant roundFn(BuiltinCall& call) {
  Variant v = call.value(0);
  int32_t decimals = call.has(1) ? call.value(1).toLong() : 0;
  if (decimals < 0) raiseRuntimeError(5);
  switch (v.type()) {
    case VarType::Null: return v;
    case VarType::Empty: return Variant::fromInteger(0);
    case VarType::Boolean:  // Round(True) is True, still a Boolean
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long: return v;
    case VarType::Single:
      return Variant::fromSingle(static_cast<float>(roundToDecimals(v.rawSingle(), decimals)));
    case VarType::Currency: {
      if (decimals >= 4) return v;
      int64_t step = 1;
      for (int i = decimals; i < 4; ++i) step *= 10;
      return Variant::fromCurrency(roundCurrencyTo(v.rawCurrency(), step));
    }
    case VarType::Date: return Variant::fromDate(roundToDecimals(v.rawDate(), decimals));
    default: return Variant(roundToDecimals(v.toDouble(), decimals));
  }
}

// Unlike Abs and Int, Sgn does not pass Null through: it raises 94.
Variant sgnFn(BuiltinCall& call) {
  double x = call.value(0).toDouble();
  return Variant::fromInteger(static_cast<int16_t>(x > 0 ? 1 : x < 0 ? -1 : 0));
}

Variant sqrFn(BuiltinCall& call) {
  double x = call.value(0).toDouble();
  if (x < 0) raiseRuntimeError(5);
  return Variant(std::sqrt(x));
}

Variant expFn(BuiltinCall& call) {
  double result = std::exp(call.value(0).toDouble());
  if (!std::isfinite(result)) raiseRuntimeError(6);
  return Variant(result);
}

Variant logFn(BuiltinCall& call) {
  double x = call.value(0).toDouble();
  if (!(x > 0)) raiseRuntimeError(5);
  return Variant(std::log(x));
}

Variant sinFn(BuiltinCall& call) { return Variant(std::sin(call.value(0).toDouble())); }
Variant cosFn(BuiltinCall& call) { return Variant(std::cos(call.value(0).toDouble())); }
Variant tanFn(BuiltinCall& call) { return Variant(std::tan(call.value(0).toDouble())); }
Variant atnFn(BuiltinCall& call) { return Variant(std::atan(call.value(0).toDouble())); }

// Rnd's generator: a 24-bit linear congruential sequence, one per thread as
// the runtime kept one per script thread. Every script run starts from the
// same seed unless it calls Randomize, as scripts on Windows did.
constexpr uint32_t kInitialSeed = 0x50000;
constexpr uint32_t kSeedMask = 0xFFFFFF;
thread_local uint32_t rndSeed = kInitialSeed;

void advanceSeed() { rndSeed = (rndSeed * 0x43FD43FDu + 0xC39EC3u) & kSeedMask; }

float currentRandom() { return static_cast<float>(rndSeed) / 16777216.0f; }

Variant rndFn(BuiltinCall& call) {
  if (call.has(0)) {
    float number = static_cast<float>(call.value(0).toDouble());
    if (number == 0) return Variant::fromSingle(currentRandom());
    if (number < 0) {
      // A negative argument restarts the sequence at a point given by the
      // bits of its Single, so Rnd(-n) followed by Rnd repeats.
      uint32_t bits;
      std::memcpy(&bits, &number, sizeof bits);
      rndSeed = (bits + (bits >> 24)) & kSeedMask;
    }
  }
  advanceSeed();
  return Variant::fromSingle(currentRandom());
}

Variant rgbFn(BuiltinCall& call) {
  int32_t color = 0;
  for (size_t i = 0; i < 3; ++i) {
    int32_t part = call.value(i).toLong();
    if (part < 0) raiseRuntimeError(5);
    if (part > 255) part = 255;
    color |= part << (8 * i);
  }
  return Variant(color);
}

constexpr BuiltinFunction kMathBuiltins[] = {
    {"Abs", 1, 1, absFn},   {"Int", 1, 1, intFn},   {"Fix", 1, 1, fixFn},
    {"Round", 1, 2, roundFn}, {"Sgn", 1, 1, sgnFn}, {"Sqr", 1, 1, sqrFn},
    {"Exp", 1, 1, expFn},   {"Log", 1, 1, logFn},   {"Sin", 1, 1, sinFn},
    {"Cos", 1, 1, cosFn},   {"Tan", 1, 1, tanFn},   {"Atn", 1, 1, atnFn},
    {"Rnd", 0, 1, rndFn},   {"RGB", 3, 3, rgbFn},
};

}  // namespace

std::span<const BuiltinFunction> mathBuiltins() { return kMathBuiltins; }

void randomizeGenerator(const Variant* seed) {
  double number;
  if (seed) {
    number = seed->dereferenced().toDouble();
  } else {
    // The seconds since midnight as Timer gives them (a Single).
    double now = oleDateNow();
    number = static_cast<float>((now - std::floor(now)) * 86400.0);
  }
  // The high half of the Double's bits, folded to 16 bits, replaces the
  // middle two bytes of the seed; its low byte carries over.
  uint64_t bits;
  std::memcpy(&bits, &number, sizeof bits);
  uint32_t high = static_cast<uint32_t>(bits >> 32);
  uint32_t folded = ((high & 0xFFFF) ^ (high >> 16)) << 8;
  rndSeed = (rndSeed & 0xFFu) | (folded & 0xFFFF00u);
}

}  // namespace corvela::vbs
