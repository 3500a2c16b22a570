// Variant: the value type that crosses every late-bound call, as VARIANT did.
//
// A Variant is 24 bytes: a type tag and a union. Strings and arrays are
// reference-counted and shared between copies; an array is copied only when a
// shared copy is written (VBScript gives arrays value semantics on
// assignment). Objects are held by std::shared_ptr.
//
// Strings are UTF-8, extended so that they hold whatever VBScript's UTF-16
// strings may: lone surrogates and an odd byte count (text/utf8_units.h). A
// "character" (Len, Mid, limits) is one UTF-16 code unit, as in VBScript.
// Conversions follow VBScript's rules (see variant_convert.cpp); they raise
// ComError with VBScript's run-time numbers (13 Type mismatch, 6 Overflow,
// 94 Invalid use of Null).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvela {

class Object;

// The VARTYPE numbers, as VarType() reports them.
enum class VarType : uint16_t {
  Empty = 0,
  Null = 1,
  Integer = 2,   // 16-bit
  Long = 3,      // 32-bit
  Single = 4,
  Double = 5,
  Currency = 6,  // 64-bit integer scaled by 10,000
  Date = 7,      // OLE date: days since 1899-12-30, local time
  String = 8,
  Object = 9,
  Error = 10,    // an SCODE; DISP_E_PARAMNOTFOUND marks an omitted argument
  Boolean = 11,
  Variant = 12,
  Decimal = 14,
  Byte = 17,
  Array = 8192,  // flag: Array | Variant (8204) or Array | Byte (8209)
};

constexpr int32_t DISP_E_PARAMNOTFOUND = static_cast<int32_t>(0x80020004u);

// The most bytes a string may hold: what a BSTR's 2 GB allowed. Making a
// longer one raises 14 (Out of string space) before any memory is taken.
inline constexpr size_t kMaxStringBytes = 0x7FFFFFFF;

// Immutable-once-shared UTF-8 text with a reference count. A string held by
// exactly one Variant may be appended to in place (see Variant::appendString).
struct StringRep {
  std::atomic<uint32_t> refs;
  uint32_t size;      // bytes, without the terminating NUL
  uint32_t capacity;  // bytes available in data, without the NUL
  int32_t codePoints; // UTF-16 code units (Len), -1 until counted
  // A character start found by cutting or searching by code units: code
  // units in the high half, bytes in the low half; 0 is the start. The next
  // cut or search further on begins there, so walking a text in order costs
  // its length once. Reset with codePoints; atomic since shared strings are
  // read by many threads.
  std::atomic<uint64_t> unitMark;
  char data[1];       // size bytes + NUL

  static StringRep* make(std::string_view text, size_t capacity = 0);
  std::string_view view() const { return {data, size}; }
};

// Bounds of one dimension of an array.
struct ArrayBound {
  int32_t lower;
  uint32_t count;
  int32_t upper() const { return lower + static_cast<int32_t>(count) - 1; }
};

// SAFEARRAY-like storage. Elements are laid out as SAFEARRAY does: the first
// index varies fastest, so ReDim Preserve (which may change only the last
// dimension) just resizes the vector.
struct ArrayRep {
  std::atomic<uint32_t> refs{1};
  std::vector<ArrayBound> bounds;
  std::vector<class Variant> items;  // used when !isBytes
  std::vector<uint8_t> bytes;        // used when isBytes (VT_ARRAY|VT_UI1)
  bool isBytes = false;
  bool fixedSize = false;  // declared with Dim a(n): ReDim raises 10
  int lockCount = 0;       // > 0 while For Each walks it: ReDim/Erase raise 10

  size_t size() const;
  // Position in items/bytes of the element at the given indices, or -1 when
  // the count of indices is wrong or one is out of range.
  ptrdiff_t offsetOf(const int32_t* indices, size_t count) const;
};

class Variant {
 public:
  Variant() noexcept : type_(VarType::Empty) { u_.i8 = 0; }
  // Copies and moves of scalars are inline: the execution loop does little
  // else. Only reference-counted kinds take the out-of-line path.
  Variant(const Variant& other) noexcept : type_(other.type_), u_(other.u_) {
    if (needsRelease()) {
      type_ = VarType::Empty;
      copyFrom(other);
    }
  }
  Variant(Variant&& other) noexcept : type_(other.type_), u_(other.u_) {
    if (type_ == VarType::Object) {
      type_ = VarType::Empty;
      moveFrom(other);
      return;
    }
    other.type_ = VarType::Empty;
    other.u_.i8 = 0;
  }
  Variant& operator=(const Variant& other) noexcept {
    if (!needsRelease() && !other.needsRelease()) {
      type_ = other.type_;
      u_ = other.u_;
      return *this;
    }
    return assignCopy(other);
  }
  Variant& operator=(Variant&& other) noexcept {
    if (!needsRelease() && other.type_ != VarType::Object && this != &other) {
      type_ = other.type_;
      u_ = other.u_;
      other.type_ = VarType::Empty;
      other.u_.i8 = 0;
      return *this;
    }
    return assignMove(other);
  }
  ~Variant() { if (needsRelease()) release(); }

  // Constructors by kind. Integer literals choose Long; use fromInteger for
  // a 16-bit value.
  Variant(bool value) noexcept : type_(VarType::Boolean) { u_.i8 = 0; u_.b = value; }
  Variant(int32_t value) noexcept : type_(VarType::Long) { u_.i8 = 0; u_.i4 = value; }
  Variant(double value) noexcept : type_(VarType::Double) { u_.r8 = value; }
  Variant(std::string_view text);
  Variant(const std::string& text) : Variant(std::string_view(text)) {}
  Variant(const char* text) : Variant(std::string_view(text)) {}
  Variant(std::shared_ptr<Object> object) noexcept;

  static Variant null() noexcept { Variant v; v.type_ = VarType::Null; return v; }
  static Variant nothing() noexcept { return Variant(std::shared_ptr<Object>()); }
  // An Integer is also kept sign-extended in the Long field, so code that
  // handles Integer and Long alike reads rawLong() without a branch.
  static Variant fromInteger(int16_t value) noexcept {
    Variant v;
    v.type_ = VarType::Integer;
    v.u_.i4 = value;
    return v;
  }
  static Variant fromByte(uint8_t value) noexcept;
  static Variant fromSingle(float value) noexcept;
  static Variant fromCurrency(int64_t scaled) noexcept;  // value * 10,000
  static Variant fromDate(double oleDate) noexcept;
  static Variant fromError(int32_t scode) noexcept;
  static Variant missing() noexcept { return fromError(DISP_E_PARAMNOTFOUND); }
  // A new array of Variants with the given bounds (all elements Empty).
  static Variant array(std::vector<ArrayBound> bounds);
  static Variant array(std::vector<Variant> items);  // 1 dimension, lower bound 0
  static Variant bytes(std::vector<uint8_t> data);    // VT_ARRAY|VT_UI1, lower bound 0

  VarType type() const noexcept { return type_; }
  // The number VarType() reports: 8204 for an array of Variants, 8209 for bytes.
  int varTypeNumber() const noexcept;

  bool isEmpty() const noexcept { return type_ == VarType::Empty; }
  bool isNull() const noexcept { return type_ == VarType::Null; }
  bool isString() const noexcept { return type_ == VarType::String; }
  bool isObject() const noexcept { return type_ == VarType::Object; }
  bool isArray() const noexcept { return type_ == VarType::Array; }
  bool isMissing() const noexcept { return type_ == VarType::Error && u_.i4 == DISP_E_PARAMNOTFOUND; }
  bool isNumeric() const noexcept;  // Integer..Currency, Decimal, Byte, Boolean excluded

  // Raw access; the caller has checked type().
  bool rawBool() const noexcept { return u_.b; }
  uint8_t rawByte() const noexcept { return u_.ui1; }
  int16_t rawInteger() const noexcept { return u_.i2; }
  int32_t rawLong() const noexcept { return u_.i4; }
  float rawSingle() const noexcept { return u_.r4; }
  double rawDouble() const noexcept { return u_.r8; }
  int64_t rawCurrency() const noexcept { return u_.cy; }
  double rawDate() const noexcept { return u_.r8; }
  int32_t rawError() const noexcept { return u_.i4; }
  std::string_view rawString() const noexcept { return u_.str->view(); }
  StringRep* rawStringRep() const noexcept { return u_.str; }
  const std::shared_ptr<Object>& rawObject() const noexcept { return *objectSlot(); }
  ArrayRep* rawArray() const noexcept { return u_.arr; }
  // The array for writing: unshares it first when another Variant holds it.
  ArrayRep* mutableArray();

  // Appends to a string Variant, in place when this Variant is the only
  // holder; otherwise the text is copied first. The Variant must be a String.
  // A half unit or high surrogate at the end joins with what follows, as
  // "&" joins UTF-16 strings.
  void appendString(std::string_view text);

  // UTF-16 code units in a String Variant, as Len counts them (counted
  // once, then cached).
  size_t stringLength() const;

  // VBScript conversions. They raise ComError with the run-time number
  // VBScript gives (13, 6, 94) where a conversion is impossible.
  std::string toString() const;      // CStr (Null raises 94; Empty gives "")
  double toDouble() const;           // CDbl
  int32_t toLong() const;            // CLng (banker's rounding, 6 on overflow)
  int16_t toInteger() const;         // CInt
  uint8_t toByte() const;            // CByte
  int64_t toCurrency() const;        // CCur, scaled by 10,000
  bool toBool() const;               // CBool
  double toDate() const;             // CDate, as an OLE date
  std::shared_ptr<Object> toObject() const;  // 424 Object required unless an object (Nothing allowed)

  // The same value converted to the given type (CStr/CLng/... as a Variant).
  Variant convertedTo(VarType target) const;

  // Value of an object's default member when this is an object (recursively,
  // as VBScript does before using an object as a value); otherwise a copy.
  Variant dereferenced() const;

  // TypeName() text: "Empty", "Null", "Integer", "Long", "Single", "Double",
  // "Currency", "Date", "String", "Boolean", "Byte", "Error", "Nothing",
  // "Variant()", "Byte()", or the object's class name.
  std::string typeName() const;

 private:
  bool needsRelease() const noexcept {
    return type_ == VarType::String || type_ == VarType::Object || type_ == VarType::Array;
  }
  void release() noexcept;
  void copyFrom(const Variant& other) noexcept;
  void moveFrom(Variant& other) noexcept;
  Variant& assignCopy(const Variant& other) noexcept;
  Variant& assignMove(Variant& other) noexcept;
  std::shared_ptr<Object>* objectSlot() noexcept {
    return reinterpret_cast<std::shared_ptr<Object>*>(&u_.obj);
  }
  const std::shared_ptr<Object>* objectSlot() const noexcept {
    return reinterpret_cast<const std::shared_ptr<Object>*>(&u_.obj);
  }

  VarType type_;
  union {
    bool b;
    uint8_t ui1;
    int16_t i2;
    int32_t i4;
    int64_t i8;
    float r4;
    double r8;   // Double and Date
    int64_t cy;
    StringRep* str;
    ArrayRep* arr;
    alignas(std::shared_ptr<Object>) unsigned char obj[sizeof(std::shared_ptr<Object>)];
  } u_;
};

}  // namespace corvela
